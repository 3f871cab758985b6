#include "help/HelpViewer.h"

#include "dialogs/ReadablePlaceholder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace marrowick {

namespace {

QHash<QString, QPointer<HelpViewer>>& viewers()
{
    static QHash<QString, QPointer<HelpViewer>> open;
    return open;
}

QString Key(const QString& helpFile)
{
    return QDir::cleanPath(QFileInfo(helpFile).absoluteFilePath());
}

QString HelpOnHelpPage()
{
    // One text a paragraph, the markup around them.
    return QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p><p>%4</p>")
        .arg(QCoreApplication::translate("HelpOnHelp", "Using Help"),
             QCoreApplication::translate("HelpOnHelp",
                                         "<b>Contents</b> shows the list of topics. Click a topic to read it; "
                                         "links inside a topic lead to related topics."),
             QCoreApplication::translate("HelpOnHelp",
                                         "<b>Index</b> lists the keywords of every topic. Type in the search field "
                                         "to narrow the list to the keywords that begin with what you typed, then "
                                         "click a keyword to open its topic."),
             QCoreApplication::translate("HelpOnHelp",
                                         "Close the Help window with its close button when you are done."));
}

} // namespace

HelpViewer::HelpViewer(const QString& helpFile) : m_file(Key(helpFile))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Help stays open beside the program, but must not keep it running once
    // the main window has gone.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* contents = new QPushButton(tr("Contents"), this);
    contents->setObjectName(QStringLiteral("btnContents"));
    auto* index = new QPushButton(tr("Index"), this);
    index->setObjectName(QStringLiteral("btnIndex"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(tr("Type a keyword"));
    KeepPlaceholderReadable(m_search);
    m_search->setClearButtonEnabled(true);
    //: The name of the field that narrows the index to a keyword
    m_search->setAccessibleName(tr("Keyword"));
    m_search->setAccessibleDescription(tr("Narrows the index to the keywords that begin with the text"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("Help text"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(index);
    bar->addWidget(m_search, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    connect(contents, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(index, &QPushButton::clicked, this, [this] { showIndex(m_search->text()); });
    connect(m_search, &QLineEdit::textEdited, this, &HelpViewer::showIndex);
    // Following a link out of the index or the contents lands on a topic.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const QString fragment = url.fragment();
        if (fragment.startsWith(QLatin1String("topic"))) {
            bool ok = false;
            const int context = fragment.mid(5).toInt(&ok);
            if (ok) {
                m_page = Page::Topic;
                m_topic = context;
            }
        } else if (!url.isEmpty()) {
            m_page = Page::Contents;
        }
    });

    resize(680, 560);
    viewers().insert(m_file, this);
}

HelpViewer::~HelpViewer()
{
    // Only forget the entry if it still is ours.
    auto& open = viewers();
    if (const auto it = open.find(m_file); it != open.end() && (it->isNull() || *it == this))
        open.erase(it);
}

HelpViewer* HelpViewer::find(const QString& helpFile)
{
    return viewers().value(Key(helpFile)).data();
}

HelpViewer* HelpViewer::open(const QString& helpFile)
{
    if (HelpViewer* viewer = find(helpFile))
        return viewer;
    return new HelpViewer(helpFile);
}

bool HelpViewer::load()
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(file.readAll());
    m_topics = ParseHelpTopics(html);
    static const QRegularExpression titleMark(
        QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QString title = titleMark.match(html).captured(1).simplified();
    setWindowTitle(title.isEmpty() ? QFileInfo(m_file).fileName() : title);
    return true;
}

bool HelpViewer::showContents()
{
    if (!load())
        return false;
    m_browser->setSource(QUrl::fromLocalFile(m_file));
    m_browser->scrollToAnchor(QString());
    m_page = Page::Contents;
    m_topic = 0;
    return true;
}

bool HelpViewer::showTopic(int context)
{
    if (!load())
        return false;
    const bool known = std::any_of(m_topics.begin(), m_topics.end(),
                                   [context](const HelpTopic& t) { return t.context == context; });
    if (!known)
        return false;
    QUrl url = QUrl::fromLocalFile(m_file);
    url.setFragment(TopicAnchor(context));
    m_browser->setSource(url);
    m_page = Page::Topic;
    m_topic = context;
    return true;
}

bool HelpViewer::showIndex(const QString& key)
{
    if (!load())
        return false;
    {
        const QSignalBlocker quiet(m_search);
        if (m_search->text() != key)
            m_search->setText(key);
    }
    QString html = QStringLiteral("<h2>%1</h2>").arg(tr("Index"));
    const std::vector<HelpIndexEntry> entries = FilterHelpIndex(m_topics, key);
    if (entries.empty())
        html += QStringLiteral("<p>%1</p>").arg(tr("No keyword matches \"%1\".").arg(key.toHtmlEscaped()));
    for (const HelpIndexEntry& e : entries) {
        QUrl url = QUrl::fromLocalFile(m_file);
        url.setFragment(TopicAnchor(e.context));
        html += QStringLiteral("<p><a href=\"%1\">%2</a> &mdash; %3</p>")
                    .arg(url.toString(QUrl::FullyEncoded), e.keyword.toHtmlEscaped(),
                         e.title.toHtmlEscaped());
    }
    m_browser->setHtml(html);
    m_page = Page::Index;
    m_topic = 0;
    return true;
}

void HelpViewer::showHelpOnHelp()
{
    m_browser->setHtml(HelpOnHelpPage());
    m_page = Page::HelpOnHelp;
    m_topic = 0;
    if (windowTitle().isEmpty())
        setWindowTitle(tr("Help"));
}

void HelpViewer::bringUp()
{
    show();
    raise();
    activateWindow();
}

int HelpViewerWinHelp(int /*hWndMain*/, const QString& helpFile, unsigned command,
                      const HelpData& data)
{
    if (command == HELP_QUIT) {
        if (HelpViewer* viewer = HelpViewer::find(helpFile))
            viewer->close();
        return 1;
    }
    // Without a widget application there is no window to show help in.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;

    const bool existed = HelpViewer::find(helpFile) != nullptr;
    HelpViewer* viewer = nullptr;
    bool shown = false;
    switch (command) {
    case HELP_CONTENTS:
    case HELP_FINDER:
        viewer = HelpViewer::open(helpFile);
        shown = viewer->showContents();
        break;
    case HELP_CONTEXT:
        if (const auto* context = std::get_if<std::int32_t>(&data)) {
            viewer = HelpViewer::open(helpFile);
            shown = viewer->showTopic(*context);
        }
        break;
    case HELP_PARTIALKEY: {
        const auto* key = std::get_if<QString>(&data);
        viewer = HelpViewer::open(helpFile);
        shown = viewer->showIndex(key ? *key : QString());
        break;
    }
    case HELP_HELPONHELP:
        viewer = HelpViewer::open(helpFile);
        viewer->showHelpOnHelp();
        shown = true;
        break;
    default:
        // HELP_COMMAND included: we have no macro language.
        return 0;
    }
    if (!viewer)
        return 0;
    if (!shown) {
        if (!existed)
            delete viewer;
        return 0;
    }
    viewer->bringUp();
    return 1;
}

} // namespace marrowick
