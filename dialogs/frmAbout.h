#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

namespace marrowick {

// Opens a web address on the desktop; true when it was handed over.
using UrlOpener = std::function<bool(const QUrl&)>;

// "Version 1.0.1" from the three numbers.
QString VersionLine(int major, int minor, int patch);

// The web site the About window links to.
QUrl MarrowickWebsite();

// Half of a screen-minus-window difference: rounded to whole twips first
// (halves to the even neighbour), then halved dropping the fraction toward
// zero, so 15 gives 7 and -15 gives -7.
int CentreOffsetTwips(double differenceTwips);

// The About window: name, version, link to the web site, rights notice and
// the UnRAR credit. It has no buttons; Esc and Enter do nothing and only the
// title bar's close button closes it.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr, UrlOpener opener = {});

    void Label5_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    // What the archive reader's sandbox lacks here; hidden when nothing.
    QLabel* Sandbox = nullptr;
    QLabel* Image1 = nullptr;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    QLabel* AddLabel(const char* name, int left, int top, int width, int height);
    void applyColours();

    UrlOpener m_opener;
};

// Centres a fresh About window on the owner's screen and shows it modally;
// returns once it has been closed.
void ShowAbout(QWidget* owner);

} // namespace marrowick
