#include "engine/ExtractHere.h"

#include "engine/ArchiveView.h"
#include "engine/Messages.h"
#include "engine/Paths.h"
#include "engine/RunStatus.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace marrowick {

namespace {

// Enough for any folder a person keeps; a name still taken after that many
// tries is reported rather than searched for ever.
constexpr int kMaxNumber = 10000;

// The listing run: rows are read for their top level, not shown; errors are
// held back (the extraction reports them again, or they are shown when the
// archive could not be opened at all); questions go to the user.
class ListingView final : public IArchiveView
{
public:
    explicit ListingView(IArchiveView& view) : m_view(view) {}

    void showWindow() override { opened = true; }
    void processEvents() override { m_view.processEvents(); }
    void repaint() override {}
    void setTitle(const QString&) override {}
    void clearRows() override {}
    int rowCount() const override { return 0; }
    void appendRows(std::vector<FileRow>&& rows) override
    {
        for (const FileRow& row : rows)
            top.add(row.name, row.isFolder);
    }
    void setPanelText(int, const QString&) override {}
    void setPanelVisible(int, bool) override {}
    void showIconsForFiles() override {}
    void runStarted() override { m_view.runStarted(); }
    void runFinished() override { m_view.runFinished(); }
    bool cancelRequested() const override { return m_view.cancelRequested(); }

    TopLevel top;
    bool opened = false;

private:
    IArchiveView& m_view;
};

class ListingPrompts final : public IUserPrompts
{
public:
    explicit ListingPrompts(IUserPrompts& prompts) : m_prompts(prompts) {}

    void showErrorBox(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text, const QString& title) override
    {
        return m_prompts.askYesNo(text, title);
    }
    void showInformation(const QString&, const QString&) override {}
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override
    {
        return m_prompts.askPassword(prompt, title);
    }
    void showComment(const QString&) override {}

    QStringList errors;

private:
    IUserPrompts& m_prompts;
};

// The extraction run, passed through whole; it only notes the "Success".
class WatchingView final : public IArchiveView
{
public:
    explicit WatchingView(IArchiveView& view) : m_view(view) {}

    void showWindow() override { m_view.showWindow(); }
    void processEvents() override { m_view.processEvents(); }
    void repaint() override { m_view.repaint(); }
    void setTitle(const QString& title) override { m_view.setTitle(title); }
    void clearRows() override { m_view.clearRows(); }
    int rowCount() const override { return m_view.rowCount(); }
    void appendRows(std::vector<FileRow>&& rows) override { m_view.appendRows(std::move(rows)); }
    void setPanelText(int panel, const QString& text) override
    {
        if (panel == 2)
            succeeded = text == m_success;
        m_view.setPanelText(panel, text);
    }
    void setPanelVisible(int panel, bool visible) override
    {
        m_view.setPanelVisible(panel, visible);
    }
    void showIconsForFiles() override { m_view.showIconsForFiles(); }
    void setProgress(const QString& entry, std::uint64_t done, std::uint64_t total) override
    {
        m_view.setProgress(entry, done, total);
    }
    void runStarted() override { m_view.runStarted(); }
    void runFinished() override { m_view.runFinished(); }
    bool cancelRequested() const override { return m_view.cancelRequested(); }
    void entryFinished(const QString& name, int result, const QString& message) override
    {
        m_view.entryFinished(name, result, message);
    }
    void entryRefused(const QString& name, const QString& reason) override
    {
        m_view.entryRefused(name, reason);
    }

    bool succeeded = false;

private:
    IArchiveView& m_view;
    const QString m_success = SuccessText();
};

// Makes parent/name, never taking one that is there: when the name was taken
// since it was chosen, the next free one is tried. Empty on success, else
// the reason.
QString MakeNewFolder(const QString& parent, const QString& base, QString& name)
{
    for (int attempt = 0; attempt < kMaxNumber; ++attempt) {
        if (::mkdir(QFile::encodeName(parent + name).constData(), 0777) == 0)
            return {};
        if (errno != EEXIST)
            return QString::fromLocal8Bit(std::strerror(errno));
        name = FreeName(parent, base, false);
    }
    return QString::fromLocal8Bit(std::strerror(EEXIST));
}

bool IsEmptyFolder(const QString& path)
{
    return QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                              QDir::System);
}

} // namespace

void TopLevel::add(const QString& entryName, bool isFolder)
{
    const qsizetype slash = entryName.indexOf(QLatin1Char('/'));
    const QString first = slash < 0 ? entryName : entryName.left(slash);
    // A name the writer refuses decides nothing: the content gets a folder.
    const bool plain = !first.isEmpty() && first != QLatin1String(".") &&
                       first != QLatin1String("..");
    if (!plain || (!m_name.isEmpty() && first != m_name)) {
        m_several = true;
        return;
    }
    m_name = first;
    m_isFolder = m_isFolder || isFolder || slash >= 0;
}

QString ArchiveStem(const QString& archivePath)
{
    const QString fileName = QFileInfo(archivePath).fileName();
    QString stem = fileName;
    if (stem.endsWith(QLatin1String(".rar"), Qt::CaseInsensitive)) {
        stem.chop(4);
        static const QRegularExpression volume(QStringLiteral("\\.part[0-9]+$"),
                                               QRegularExpression::CaseInsensitiveOption);
        stem.remove(volume);
    } else if (const qsizetype dot = stem.lastIndexOf(QLatin1Char('.')); dot > 0) {
        stem.truncate(dot);
    }
    return stem.isEmpty() ? fileName : stem;
}

QString FreeName(const QString& folder, const QString& name, bool isFile)
{
    const QString parent = AddBackslash(folder);
    if (!FileExists(parent + name))
        return name;
    const qsizetype dot = isFile ? name.lastIndexOf(QLatin1Char('.')) : -1;
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    QString candidate;
    for (int number = 2; number <= kMaxNumber; ++number) {
        // One arg() call: a "%2" in the name itself stays as it is.
        candidate = QStringLiteral("%1 (%2)%3").arg(base, QString::number(number), extension);
        if (!FileExists(parent + candidate))
            break;
    }
    return candidate;
}

HerePlan PlanExtractHere(const QString& archivePath, const TopLevel& top, bool complete,
                         HereMode mode)
{
    HerePlan plan;
    plan.parent = AddBackslash(QFileInfo(archivePath).absolutePath());
    const QString single = complete && mode == HereMode::Smart ? top.single() : QString();
    if (single.isEmpty()) {
        plan.name = FreeName(plan.parent, ArchiveStem(archivePath), false);
        return plan;
    }
    plan.newFolder = false;
    plan.entry = single;
    plan.entryIsFolder = top.singleIsFolder();
    plan.name = FreeName(plan.parent, single, !plan.entryIsFolder);
    return plan;
}

HereResult ExtractHere(const QString& archivePath, QString& password, const RunContext& context,
                       HereMode mode)
{
    HereResult result;
    ListingView listing(context.view);
    ListingPrompts listingPrompts(context.prompts);
    RunContext listContext{listing, listingPrompts, context.api, QString()};
    ProcessArchive(OP_LIST, archivePath, password, listContext);
    if (context.view.cancelRequested() || (!listing.opened && listingPrompts.errors.isEmpty())) {
        result.cancelled = true;
        return result;
    }
    if (!listing.opened) {
        for (const QString& text : std::as_const(listingPrompts.errors))
            ShowErrorBox(context.prompts, text);
        return result;
    }

    HerePlan plan =
        PlanExtractHere(archivePath, listing.top, listingPrompts.errors.isEmpty(), mode);
    const bool makeFolder = plan.newFolder || plan.entryIsFolder;
    if (makeFolder) {
        const QString base = plan.newFolder ? ArchiveStem(archivePath) : plan.entry;
        const QString reason = MakeNewFolder(plan.parent, base, plan.name);
        if (!reason.isEmpty()) {
            //: %1 is the folder, %2 the system's reason
            ShowErrorBox(context.prompts,
                         QCoreApplication::translate("ExtractHere", "Cannot make the folder %1: %2")
                             .arg(plan.parent + plan.name, reason));
            return result;
        }
    }

    WatchingView watching(context.view);
    RunContext run{watching, context.prompts, context.api,
                   plan.newFolder ? plan.parent + plan.name + QLatin1Char('/') : plan.parent,
                   context.overwrite};
    if (!plan.newFolder && plan.name != plan.entry) {
        run.renameFrom = plan.entry;
        run.renameTo = plan.name;
    }
    ProcessArchive(OP_EXTRACT, archivePath, password, run);

    const QString landed = plan.parent + plan.name;
    // A folder of ours that nothing was written into goes again (rmdir never
    // removes one with anything inside).
    if (makeFolder && IsEmptyFolder(landed) && !(plan.entryIsFolder && watching.succeeded))
        ::rmdir(QFile::encodeName(landed).constData());
    result.landed = FileExists(landed) ? landed : QString();
    result.passed = watching.succeeded;
    return result;
}

} // namespace marrowick
