#include "dialogs/cFileDialog.h"

#include "engine/ComponentError.h"

#include <QDir>
#include <QFileInfo>

namespace marrowick {

namespace {

const QChar Nul(u'\0');

QString NameFilter(const QString& description, const QString& pattern)
{
    // The platform lists patterns with ";", Qt with blanks.
    QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& p : patterns)
        p = p.trimmed();
    patterns.removeAll(QString());
    const QString joined = patterns.join(u' ');
    // Qt reads the patterns from the last "(...)" of the text, so a
    // description that already names them is used as it is.
    const QString tail = u'(' + joined + u')';
    if (description.endsWith(tail) || description.endsWith(u'(' + pattern + u')'))
        return description;
    return description + u' ' + tail;
}

} // namespace

QStringList FilterListToNameFilters(const QString& filterList)
{
    QStringList nameFilters;
    // The list ends at its first empty text; a description left without a
    // pattern there is dropped.
    QStringList parts = filterList.split(Nul);
    const qsizetype end = parts.indexOf(QString());
    if (end >= 0)
        parts.resize(end);
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        nameFilters << NameFilter(parts.at(i), parts.at(i + 1));
    return nameFilters;
}

cFileDialog::cFileDialog(FileChooser chooser)
{
    setChooser(std::move(chooser));
}

void cFileDialog::setChooser(FileChooser chooser)
{
    m_chooser = chooser ? std::move(chooser) : FileChooser(&ShowQtFileDialog);
}

void cFileDialog::RaiseError(std::int32_t number, const QString& description)
{
    throw ComponentError(number, ErrorSource(QStringLiteral("cFileDialog")), description);
}

void cFileDialog::setFileName(QString sFilename)
{
    m_fileName = std::move(sFilename);
    if (m_fileName.size() > SingleBufferSize)
        RaiseError(InvalidArgumentNumber, tr("Invalid procedure call or argument"));
}

void cFileDialog::setFilter(QString sFilter)
{
    m_filter = std::move(sFilter);
    if (m_filter.size() > MaxFilterLength)
        RaiseError(OverflowNumber, tr("Overflow"));
    QString list;
    list.reserve(m_filter.size() + 2);
    for (const QChar c : std::as_const(m_filter))
        list += (c == u'|' || c == u':') ? Nul : c;
    list += Nul;
    list += Nul;
    m_filterList = list;
}

QString cFileDialog::TrimAtNull(const QString& text)
{
    const qsizetype at = text.indexOf(Nul);
    return at < 0 ? text : text.left(at);
}

FileChooserRequest cFileDialog::Request(bool save, int bufferSize) const
{
    FileChooserRequest request;
    request.save = save;
    request.multiSelect = !save && (m_recordFlags & AllowMultiSelect);
    request.owner = m_owner.data();
    request.title = m_dialogTitle;
    request.nameFilters = FilterListToNameFilters(m_filterList);
    request.filterIndex = m_filterIndex;
    request.initialDir = TrimAtNull(m_initDir);
    request.initialFile = TrimAtNull(m_fileName);
    request.defaultSuffix = TrimAtNull(m_defaultExt);
    request.flags = m_recordFlags;
    request.bufferSize = bufferSize;
    return request;
}

void cFileDialog::ShowOpen()
{
    Show(false);
}

void cFileDialog::ShowSave()
{
    Show(true);
}

void cFileDialog::Show(bool save)
{
    const bool multi = !save && (m_flags & AllowMultiSelect);
    const int size = multi ? MultiBufferSize : SingleBufferSize;
    m_recordFlags = multi ? (m_flags | Explorer) : m_flags;
    if (m_fileName.size() > size || m_fileTitle.size() > size)
        RaiseError(InvalidArgumentNumber, tr("Invalid procedure call or argument"));

    const FileChooserOutcome outcome = m_chooser(Request(save, size));
    // The dialog reports the filter the user left selected whatever the outcome.
    if (outcome.filterIndex > 0)
        m_filterIndex = outcome.filterIndex;

    QString result;
    if (!outcome.paths.isEmpty()) {
        const QString& first = outcome.paths.first();
        if (multi && outcome.paths.size() > 1) {
            const QString folder = QFileInfo(first).path();
            const QDir dir(folder);
            result = folder + Nul;
            for (const QString& path : outcome.paths)
                result += dir.relativeFilePath(path) + Nul;
        } else {
            result = first;
        }
    }
    // An answer that does not fit the buffer (with its closing NUL) is a
    // failure of the dialog, as the platform's own dialog reports it.
    const bool chosen = !result.isEmpty() && result.size() < size;
    if (!chosen) {
        if (m_cancelError)
            RaiseError(CancelErrorNumber, tr("User selected cancel."));
        return;
    }
    if (multi)
        m_fileName = result + QString(size - result.size(), Nul);
    else
        m_fileName = result;
    m_fileTitle = QFileInfo(outcome.paths.first()).fileName();
}

void cFileDialog::ParseMultiFileName(QString& sDir, QStringList& sFiles,
                                     std::int32_t& lFileCount) const
{
    const qsizetype end = m_fileName.indexOf(QString(2, Nul));
    if (end < 0)
        RaiseError(InvalidArgumentNumber, tr("Invalid procedure call or argument"));
    const QString s = m_fileName.left(end);
    const qsizetype firstNul = s.indexOf(Nul);
    sFiles.clear();
    if (firstNul < 0) {
        const qsizetype slash = s.lastIndexOf(u'/');
        sDir = s.left(slash + 1);
        sFiles << s.mid(slash + 1);
        lFileCount = 1;
        return;
    }
    sDir = s.left(firstNul);
    sFiles = s.mid(firstNul + 1).split(Nul);
    lFileCount = static_cast<std::int32_t>(sFiles.size());
}

} // namespace marrowick
