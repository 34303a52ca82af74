#include "app/CSplashWnd.h"

#include "app/AppCursors.h"
#include "app/CQELWinAppEx.h"
#include "app/SettingsStore.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <utility>

namespace {

constexpr int kCursor = 343;
constexpr int kLongestSeconds = 60;
const QString kPicture = QStringLiteral(":/splash/320.svg");

// The texts on the picture: where each is anchored (pixels from the picture's top-left corner), in which
// colour (0x00BBGGRR) and at which cell height.
struct PictureText {
    int x;
    int top;
    Qt::Alignment anchor;  // Qt::AlignRight: the text ends at x; Qt::AlignHCenter: it is centred on it
    platform::ColorRef color;
    int cellHeight;
};
constexpr PictureText kNotice{480, 18, Qt::AlignRight, 0x000000, 14};
constexpr PictureText kHomepage{250, 312, Qt::AlignHCenter, 0x0000FF, 14};
constexpr PictureText kVersion{361, 175, Qt::AlignHCenter, 0xFFFFFF, 16};

void draw(QPainter& painter, const PictureText& place, const QString& text, int dpiY)
{
    painter.setFont(platform::toQFont({QStringLiteral("Arial"), place.cellHeight}, 1.0, dpiY));
    painter.setPen(platform::toQColor(place.color));
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int left = place.anchor == Qt::AlignRight ? place.x - width : place.x - width / 2;
    painter.drawText(QPoint(left, place.top + metrics.ascent()), text);
}

// A modifier held down alone is not yet a key: Ctrl+N is one key press, swallowed whole.
bool isPress(const QEvent& event)
{
    switch (event.type()) {
        case QEvent::KeyPress:
            switch (static_cast<const QKeyEvent&>(event).key()) {
                case Qt::Key_Control:
                case Qt::Key_Shift:
                case Qt::Key_Alt:
                case Qt::Key_AltGr:
                case Qt::Key_Meta:
                    return false;
                default:
                    return true;
            }
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            return true;
        default:
            return false;
    }
}

}  // namespace

QPointer<CSplashWnd> CSplashWnd::c_pSplashWnd;

CSplashWnd* CSplashWnd::Create(QWidget& mainWindow, const SettingsStore& settings,
                               const QString& versionString)
{
    if (c_pSplashWnd) return nullptr;
    QImage bitmap(kPicture);
    if (bitmap.isNull()) return nullptr;
    auto* splash = new CSplashWnd(mainWindow, std::move(bitmap), versionString);
    c_pSplashWnd = splash;
    splash->m_timer.start(DisplayMilliseconds(settings.GetProfileInt(settings::kSplashScreenSeconds)));
    splash->show();
    return splash;
}

int CSplashWnd::DisplayMilliseconds(int storedSeconds)
{
    const int seconds = storedSeconds < 0 ? settings::kSplashScreenSeconds.defaultValue
                                          : std::min(storedSeconds, kLongestSeconds);
    return seconds * 1000;
}

CSplashWnd::CSplashWnd(QWidget& mainWindow, QImage bitmap, QString versionString)
    : QWidget(&mainWindow, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_bitmap(std::move(bitmap)),
      m_strVersion(std::move(versionString))
{
    setFixedSize(m_bitmap.deviceIndependentSize().toSize());
    CenterOverMainWindow();
    setCursor(AppCursors::Get(kCursor));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::DestroyWindow);
    // Installed after the main window's accelerators, so it sees a key before they do.
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    // The picture read for the first paint is let go after it: the window shows what was painted, and a
    // repaint, which few splashes ever need, reads it again.
    const QImage picture = m_bitmap.isNull() ? QImage(kPicture) : std::exchange(m_bitmap, QImage());
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
    const int dpiY = logicalDpiY();
    draw(painter, kNotice, CQELWinAppEx::kNoticeLine.toString(), dpiY);
    draw(painter, kHomepage, CQELWinAppEx::kHomepage.toString(), dpiY);
    draw(painter, kVersion, QStringLiteral("Version: ") + m_strVersion, dpiY);
}

void CSplashWnd::CenterOverMainWindow()
{
    if (const QWidget* mainWindow = parentWidget())
        move(mainWindow->frameGeometry().center() - rect().center());
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager maximises, places and frames the main window after it was shown, and the user may
    // move it: the splash follows.
    if (watched == parentWidget() && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        CenterOverMainWindow();
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Keeps the key from any shortcut; the key press that follows closes the splash.
        event->accept();
        return true;
    }
    if (!isPress(*event)) return false;
    DestroyWindow();
    return true;
}

void CSplashWnd::DestroyWindow()
{
    qApp->removeEventFilter(this);
    m_timer.stop();
    hide();
    // What lay under the splash is drawn again at once.
    if (QWidget* mainWindow = parentWidget()) mainWindow->repaint();
    deleteLater();
}
