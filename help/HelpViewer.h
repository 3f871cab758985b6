#pragma once

#include "help/HelpTopics.h"
#include "help/WinHelpApi.h"

#include <QString>
#include <QWidget>

#include <vector>

class QLineEdit;
class QTextBrowser;

namespace marrowick {

// Our help engine: one window per help file, showing the HTML guide in a
// QTextBrowser with a contents page, numbered topics and a keyword index.
class HelpViewer final : public QWidget
{
    Q_OBJECT

public:
    enum class Page { None, Contents, Topic, Index, HelpOnHelp };

    ~HelpViewer() override;

    // The open viewer of a help file, or nullptr. Paths are compared in their
    // absolute, cleaned form.
    static HelpViewer* find(const QString& helpFile);

    bool showContents();
    bool showTopic(int context);
    bool showIndex(const QString& key);
    void showHelpOnHelp();

    Page page() const { return m_page; }
    int topic() const { return m_topic; }
    QString helpFile() const { return m_file; }
    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* searchField() const { return m_search; }

private:
    friend int HelpViewerWinHelp(int, const QString&, unsigned, const HelpData&);

    explicit HelpViewer(const QString& helpFile);

    static HelpViewer* open(const QString& helpFile);
    bool load();
    void bringUp();

    QString m_file;
    std::vector<HelpTopic> m_topics;
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_search = nullptr;
    Page m_page = Page::None;
    int m_topic = 0;
};

// The WinHelpA stand-in behind our viewer: HELP_CONTENTS and HELP_FINDER show
// the contents page, HELP_CONTEXT the numbered topic, HELP_PARTIALKEY the
// keyword index narrowed to the keyword, HELP_HELPONHELP a page on using the
// viewer, HELP_QUIT closes the file's window. There are no help macros, so
// HELP_COMMAND fails, as does a file that can not be read or a topic number
// the file does not have.
int HelpViewerWinHelp(int hWndMain, const QString& helpFile, unsigned command,
                      const HelpData& data);

} // namespace marrowick
