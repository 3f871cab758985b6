#include "dialogs/frmAbout.h"

#include "dialogs/Twips.h"
#include "engine/SandboxNotice.h"
#include "marrowick_version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <climits>
#include <cmath>

namespace marrowick {

namespace {

QFont SansSerif(double points, bool bold = false, bool underline = false)
{
    // The look was drawn with MS Sans Serif; Qt picks the closest face the
    // system has when that one is missing.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

QString VersionLine(int major, int minor, int patch)
{
    //: The About window's version line: major, minor and patch numbers
    return QCoreApplication::translate("AboutWindow", "Version %1.%2.%3")
        .arg(QString::number(major), QString::number(minor), QString::number(patch));
}

QUrl MarrowickWebsite()
{
    return QUrl(QStringLiteral("https://marrowick.example.org/"));
}

int CentreOffsetTwips(double differenceTwips)
{
    if (std::isnan(differenceTwips))
        return 0;
    // nearbyint follows the default rounding mode: nearest, halves to even.
    const double whole = std::nearbyint(differenceTwips);
    const double half = std::trunc(whole / 2.0);
    if (half >= INT_MAX)
        return INT_MAX;
    if (half <= INT_MIN)
        return INT_MIN;
    return static_cast<int>(half);
}

frmAbout::frmAbout(QWidget* parent, UrlOpener opener)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_opener(opener ? std::move(opener) : UrlOpener(&QDesktopServices::openUrl))
{
    setObjectName(QStringLiteral("frmAbout"));
    //: The title of the About window
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/marrowick.svg")));
    setFixedSize(TwipsToPixels(4680, this), TwipsToPixels(3090, this));
    setFont(SansSerif(8.25));

    setAutoFillBackground(true);

    Label5 = AddLabel("Label5", 210, 1290, 4185, 240);
    Label5->setText(tr("Click here to Visit Marrowick Website"));
    Label5->setFont(SansSerif(9.75, false, true));
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->installEventFilter(this);

    Sandbox = AddLabel("Sandbox", 210, 1620, 4260, 720);
    Sandbox->setWordWrap(true);
    Sandbox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Sandbox->setFont(SansSerif(7.5));

    Label4 = AddLabel("Label4", 15, 2400, 4395, 360);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setText(tr("Copyright © 2026 the Marrowick developers."));

    Label3 = AddLabel("Label3", 45, 2745, 2190, 195);
    Label3->setText(tr("UnRAR library © Alexander Roshal, RARLAB"));

    Label2 = AddLabel("Label2", 1950, 735, 480, 195);

    Label1 = AddLabel("Label1", 1050, 195, 2850, 360);
    Label1->setText(QStringLiteral("Marrowick"));
    Label1->setFont(SansSerif(13.5, true, true));

    Image1 = AddLabel("Image1", 15, 30, 720, 720);
    const int side = TwipsToPixels(720, this);
    Image1->setPixmap(windowIcon().pixmap(side, side));

    applyColours();
    // A window with colours of its own is left out when the desktop's palette
    // changes: the application tells it.
    QCoreApplication::instance()->installEventFilter(this);
    Form_Load();

    // Labels that fit their text keep their stored corner and take the size
    // of their text, so the hand shows only over the link's words.
    for (QLabel* label : {Label5, Label3, Label2, Label1})
        label->adjustSize();
    // A translation longer than the window has room for: the link's words
    // get smaller (down to the window's own size), then take two lines.
    const int room = width() - 2 * Label5->x();
    QFont font = Label5->font();
    while (Label5->width() > room && font.pointSizeF() > this->font().pointSizeF()) {
        font.setPointSizeF(std::max(font.pointSizeF() - 0.25, this->font().pointSizeF()));
        Label5->setFont(font);
        Label5->adjustSize();
    }
    if (Label5->width() > room) {
        Label5->setWordWrap(true);
        Label5->resize(room, Label5->heightForWidth(room));
        // The sandbox notice below gives up what the second line needs.
        const QRect notice = Sandbox->geometry();
        const int top = std::max(notice.top(), Label5->geometry().bottom() + 1);
        Sandbox->setGeometry(notice.left(), top, notice.width(), notice.bottom() + 1 - top);
    }
}

void frmAbout::applyColours()
{
    // Tooltip colours, text included, so the labels stay readable in any theme;
    // taken again whenever the desktop's palette changes.
    const QPalette system = QApplication::palette(this);
    QPalette colours = system;
    colours.setColor(QPalette::Window, system.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, system.color(QPalette::ToolTipText));
    setPalette(colours);
    // The link's own blue where it reads; on a dark background the palette's
    // colour for links.
    const bool dark = system.color(QPalette::ToolTipBase).lightness() < 128;
    QPalette link = colours;
    link.setColor(QPalette::WindowText, dark ? system.color(QPalette::Link) : QColor(0, 0, 192));
    Label5->setPalette(link);
}

QLabel* frmAbout::AddLabel(const char* name, int left, int top, int width, int height)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TwipsToPixels(left, this), TwipsToPixels(top, this),
                       TwipsToPixels(width, this), TwipsToPixels(height, this));
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

void frmAbout::Form_Load()
{
    Label2->setText(VersionLine(MARROWICK_VERSION_MAJOR, MARROWICK_VERSION_MINOR,
                                MARROWICK_VERSION_PATCH));
    const QString shortfall = SandboxShortfall();
    Sandbox->setText(shortfall);
    Sandbox->setVisible(!shortfall.isEmpty());
}

void frmAbout::Label5_Click()
{
    // Nothing to tell the user if the desktop can not open it; the window stays.
    m_opener(MarrowickWebsite());
}

void frmAbout::reject()
{
    // Esc lands here; the window closes only through its close button.
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // QDialog would route the close button through reject(), which we keep
    // silent for Esc; finish the dialog here instead.
    done(QDialog::Rejected);
    event->accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance()) {
        if (event->type() == QEvent::ApplicationPaletteChange)
            applyColours();
        return false;
    }
    if (watched == Label5 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Label5->rect().contains(mouse->position().toPoint())) {
            Label5_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAbout(QWidget* owner)
{
    frmAbout about(owner);
    const QScreen* screen = owner ? owner->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 0, 0);

    // The outer size includes the window frame, which is known only once the
    // native window exists.
    about.winId();
    const QRect frame = about.frameGeometry();
    const int left = CentreOffsetTwips(PixelsToTwips(area.width(), &about)
                                       - PixelsToTwips(frame.width(), &about));
    const int top = CentreOffsetTwips(PixelsToTwips(area.height(), &about)
                                      - PixelsToTwips(frame.height(), &about));
    about.move(area.left() + TwipsToPixels(left, &about), area.top() + TwipsToPixels(top, &about));
    about.exec();
}

} // namespace marrowick
