#include "platform/qt/GameWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cstdlib>
#include <utility>

#include "app/GameConstants.h"
#include "platform/qt/AboutBox.h"
#include "platform/qt/FrameReading.h"
#include "platform/qt/FrameView.h"
#include "platform/qt/MenuBarKeys.h"
#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/ScreenPixels.h"
#include "platform/qt/wayland/ModalMarking.h"
#include "platform/qt/x11/XServer.h"

namespace {

// The client area of the original dialog: 326 x 358 dialog units at 6 x 13
// base units. The game takes all its geometry from it.
constexpr int kClientWidth = 489;
constexpr int kClientHeight = 581;

QString FromGame(std::string_view str)
{
    return QString::fromUtf8(str.data(), qsizetype(str.size()));
}

QIcon LoadIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/res/icon/128-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/res/icon/128-16.png"), QSize(16, 16));
    return icon;
}

QRect ToQRect(const Rect& rc)
{
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

}  // namespace

GameWindow::GameWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_icon(LoadIcon()), m_dlg(*this)
{
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(m_icon);
    m_bWindowFixed = QGuiApplication::platformName() == QLatin1String("wayland");
    m_pView = new FrameView(kClientWidth, kClientHeight, this);
    setCentralWidget(m_pView);
    BuildMenus();
    m_pPointer = GamePointer::Create(*this);
    // The size follows the client area and the menu bar; the player cannot
    // change it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

GameWindow::~GameWindow() = default;

void GameWindow::Open()
{
    adjustSize();
    CentreOnScreen();
    show();
    m_surfaces.SetMemory(m_pView->StartPresenting());
    activateWindow();
    m_dlg.OnInitDialog();
}

void GameWindow::BuildMenus()
{
    // The menu must be part of the window: its height is part of the game's
    // geometry.
    menuBar()->setNativeMenuBar(false);
    new MenuBarKeys(this);
    AddMenu(kStartMenuTitle, kStartMenu);
    AddMenu(kHelpMenuTitle, kHelpMenu);
}

void GameWindow::AddMenu(const char* pszTitle, std::span<const MenuItem> items)
{
    QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(pszTitle));
    // An open menu needs the desktop's own pointer.
    connect(pMenu, &QMenu::aboutToShow, this, [this] { HoldGerm(true); });
    connect(pMenu, &QMenu::aboutToHide, this, [this] { HoldGerm(false); });
    for (const MenuItem& item : items) {
        QAction* pAction = pMenu->addAction(QString::fromUtf8(item.pszText));
        const int nCommandId = item.nCommandId;
        connect(pAction, &QAction::triggered, this, [this, nCommandId] { m_dlg.OnCommand(nCommandId); });
        m_mapActions[nCommandId] = pAction;
    }
}

void GameWindow::keyPressEvent(QKeyEvent* pEvent)
{
    // Enter and Escape end the game, as the OK and Cancel keys of a dialog.
    // A key event rather than a shortcut: keys typed at a window that has
    // the pointer but was never made active (no window manager) still count.
    if (IsCloseKey(pEvent->key())) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(pEvent);
}

void GameWindow::moveEvent(QMoveEvent* pEvent)
{
    QMainWindow::moveEvent(pEvent);
    // A window manager adds its frame after the window is shown; centre
    // again, once, when the whole frame's size is known.
    m_rcOuterDevice.reset();
    if (!m_bCentredInFrame && frameGeometry().size() != size()) {
        m_bCentredInFrame = true;
        CentreOnScreen();
    }
}

void GameWindow::CentreOnScreen()
{
    const QScreen* pScreen = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pScreen)
        return;
    QRect rcFrame = frameGeometry();
    rcFrame.moveCenter(pScreen->availableGeometry().center());
    move(rcFrame.topLeft());
}

void GameWindow::OnTick(int nId)
{
    if (nId != game::kFrameTimer) {
        m_dlg.OnTimer(nId);
        return;
    }
    // A box opened inside a frame would hold this timer's handler, and Qt
    // never re-enters a running timer handler; posting the frame lets the
    // handler return so frames go on behind the box.
    QMetaObject::invokeMethod(
        this,
        [this, nId] {
            // A reading holds for one frame: a move made between frames (a
            // menu command starting a level) steps from where the pointer is.
            RunWithFreshReading([this, nId] {
                AskPointerAheadOfNextFrame();
                m_dlg.OnTimer(nId);
            }, m_ptCursor);
        },
        Qt::QueuedConnection);
}

// A pointer read from a server is asked for a moment before each frame: on a
// busy machine a wait mid-frame can cost the frame another program's whole
// time slice. Each question replaces the last, so an answer a frame did not
// read is never used a frame later.
void GameWindow::AskPointerAheadOfNextFrame()
{
    const auto it = m_mapTimers.find(game::kFrameTimer);
    if (it != m_mapTimers.end() && it->second->isActive())
        m_pPointer->AskAhead(it->second->remainingTime());
}

void GameWindow::SetTimer(int nId, int nPeriodMs)
{
    std::unique_ptr<QTimer>& pTimer = m_mapTimers[nId];
    if (!pTimer) {
        pTimer = std::make_unique<QTimer>();
        pTimer->setTimerType(Qt::PreciseTimer);
        connect(pTimer.get(), &QTimer::timeout, this, [this, nId] { OnTick(nId); });
    }
    pTimer->start(nPeriodMs);
    if (nId == game::kFrameTimer) {
        m_pPointer->ForgetAhead();  // an answer from before the restart is old
        AskPointerAheadOfNextFrame();
    }
}

void GameWindow::KillTimer(int nId)
{
    if (auto it = m_mapTimers.find(nId); it != m_mapTimers.end())
        it->second->stop();
    if (nId == game::kFrameTimer)
        m_pPointer->ForgetAhead();
}

bool GameWindow::IsScaled() const
{
    return devicePixelRatioF() != 1.0;
}

// Read once a frame (see FrameReading.h); a move by the game is where it put
// it. The walls are those of the reading's moment, whatever changed them.
bool GameWindow::GetCursorPos(Point& pt)
{
    if (!m_ptCursor)
        m_ptCursor = m_pPointer->Read([this] { return ToQRect(GetWindowRect()); });
    pt = Point{m_ptCursor->x(), m_ptCursor->y()};
    return true;
}

// A step from where the pointer was read, so that whatever the player moved
// since the reading is kept.
void GameWindow::SetCursorPos(Point pt)
{
    Point ptRead;
    GetCursorPos(ptRead);
    const QPoint ptFrom = *std::exchange(m_ptCursor, QPoint(pt.x, pt.y));
    m_pPointer->Step(ptFrom, *m_ptCursor);
}

void GameWindow::SetGermCursor(bool bGerm)
{
    if (bGerm == m_bGermCursor)
        return;
    m_bGermCursor = bGerm;
    m_pPointer->SetGermCursor(bGerm);
}

Rect GameWindow::GetClientRect()
{
    return Rect{0, 0, kClientWidth, kClientHeight};
}

Rect GameWindow::GetWindowRect()
{
    const Rect rc = OuterRect();
    const QPoint pt = m_ptPictureShift;
    return Rect{rc.left + pt.x(), rc.top + pt.y(), rc.right + pt.x(), rc.bottom + pt.y()};
}

Rect GameWindow::OuterRect()
{
    // Asked again only when Qt has seen the window move.
    if (IsScaled() && (!m_rcOuterDevice || m_rcOuterSeen != frameGeometry())) {
        m_rcOuterDevice = x_server::OuterFrame(windowHandle());
        m_rcOuterSeen = frameGeometry();
    }
    if (IsScaled() && m_rcOuterDevice) {
        const QRect& rc = *m_rcOuterDevice;
        const QPoint ptTopLeft = screen_pixels::Rescaled(*this, rc.topLeft(), screen_pixels::ToGamePixel);
        const QPoint ptBeyond = screen_pixels::Rescaled(*this, rc.topLeft() + QPoint(rc.width(), rc.height()),
                                                        screen_pixels::ToGamePixel);
        return Rect{ptTopLeft.x(), ptTopLeft.y(), ptBeyond.x(), ptBeyond.y()};
    }
    const QRect rc = frameGeometry();
    return Rect{rc.x(), rc.y(), rc.x() + rc.width(), rc.y() + rc.height()};
}

int GameWindow::GetMenuBarHeight()
{
    return menuBar()->height();
}

void GameWindow::MoveWindow(Point ptTopLeft)
{
    if (m_bWindowFixed) {
        const Rect rc = GetWindowRect();
        m_ptPictureShift += QPoint(ptTopLeft.x - rc.left, ptTopLeft.y - rc.top);
        m_bMovedThisFrame = true;
        return;
    }
    if (!IsScaled()) {
        move(ptTopLeft.x, ptTopLeft.y);
        return;
    }
    // By the step asked for from where the game saw the window; the server
    // reports the new place later, so until then the step is taken as done.
    const Rect rc = GetWindowRect();
    const QPoint ptStep(ptTopLeft.x - rc.left, ptTopLeft.y - rc.top);
    move(pos() + ptStep);
    if (m_rcOuterDevice) {
        m_rcOuterDevice->translate((QPointF(ptStep) * devicePixelRatioF()).toPoint());
        m_rcOuterSeen = frameGeometry();
    }
}

void GameWindow::EnableMenuItem(int nCommandId, bool bEnabled)
{
    if (auto it = m_mapActions.find(nCommandId); it != m_mapActions.end())
        it->second->setEnabled(bEnabled);
}

std::unique_ptr<DrawingContext> GameWindow::CreateFrameSurface(Size size)
{
    return m_surfaces.Create(size, devicePixelRatioF());
}

void GameWindow::PresentFrame(DrawingContext& dc)
{
    // Moves stopped: the picture is back in its place.
    if (!std::exchange(m_bMovedThisFrame, false))
        m_ptPictureShift = QPoint();
    // Every surface the game draws on was made by CreateFrameSurface.
    m_pView->Present(static_cast<QtDrawingContext&>(dc).Finish(), m_ptPictureShift);
}

void GameWindow::PlaySound(int nSoundId)
{
    m_soundPlayer.PlaySound(nSoundId);
}

void GameWindow::MessageBox(std::string_view strText)
{
    // The program has no title of its own: boxes carry its file's name.
    QMessageBox box(this);
    box.setWindowTitle(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    box.setText(FromGame(strText));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.addButton(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, no theme picture
    RunModal(box);
}

void GameWindow::ShowAbout(CAboutDlg& dlg)
{
    AboutBox box(this, dlg, m_icon);
    RunModal(box);
}

void GameWindow::HoldGerm(bool bHeld)
{
    m_pPointer->Hold(bHeld);
}

void GameWindow::RunModal(QDialog& box)
{
    HoldGerm(true);
    box.winId();  // its window, to mark before it is shown
    MarkModal(box.windowHandle());
    box.exec();
    HoldGerm(false);
    // Without a window manager nobody hands the keyboard back to the game
    // window, and Enter and Escape would stop closing it.
    activateWindow();
}

void GameWindow::OpenUrl(std::string_view strUrl)
{
    QDesktopServices::openUrl(QUrl(FromGame(strUrl)));
}

void GameWindow::Sleep(int nMs)
{
    QThread::msleep(static_cast<unsigned long>(nMs));
}

int GameWindow::GetLocalSeconds()
{
    return QTime::currentTime().second();
}

int GameWindow::Rand()
{
    return std::rand();
}
