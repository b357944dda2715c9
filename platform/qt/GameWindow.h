#pragma once
// The game's window on the desktop: a fixed 489 x 581 client area under a
// "Start" and "Help" menu bar. It owns the game (CGermDlg), forwards ticks
// and menu commands to it, and serves it as its Platform.
#include <QCursor>
#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "app/CGermDlg.h"
#include "platform/MenuResource.h"
#include "platform/Platform.h"
#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/ScreenPixels.h"
#include "platform/qt/SoundPlayer.h"

class FrameView;
class QAction;
class QDialog;
class QKeyEvent;
class QMoveEvent;
class WaylandGerm;

class GameWindow final : public QMainWindow, public Platform {
public:
    GameWindow();
    ~GameWindow() override;

    // Shows the window centred on its screen and starts the game.
    void Open();

    // Platform
    void SetTimer(int nId, int nPeriodMs) override;
    void KillTimer(int nId) override;
    bool GetCursorPos(Point& pt) override;
    void SetCursorPos(Point pt) override;
    void SetGermCursor(bool bGerm) override;
    Rect GetClientRect() override;
    Rect GetWindowRect() override;
    int GetMenuBarHeight() override;
    void MoveWindow(Point ptTopLeft) override;
    void EnableMenuItem(int nCommandId, bool bEnabled) override;
    std::unique_ptr<DrawingContext> CreateFrameSurface(Size size) override;
    void PresentFrame(DrawingContext& dc) override;
    void PlaySound(int nSoundId) override;
    void MessageBox(std::string_view strText) override;
    void ShowAbout(CAboutDlg& dlg) override;
    void OpenUrl(std::string_view strUrl) override;
    void Sleep(int nMs) override;
    int GetLocalSeconds() override;
    int Rand() override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void moveEvent(QMoveEvent* pEvent) override;

private:
    void BuildMenus();
    void AddMenu(const char* pszTitle, std::span<const MenuItem> items);
    void CentreOnScreen();
    void OnTick(int nId);
    void AskPointerAheadOfNextFrame();
    void RunModal(QDialog& box);
    // A box or a menu is open; on Wayland the germ gives the pointer back.
    void HoldGerm(bool bHeld);
    bool IsScaled() const;
    Rect OuterRect();  // the window's outer rectangle, where it really is
    // A point in device pixels to game pixels or back, with
    // screen_pixels::ToGamePixel or ToDevicePixel.
    QPoint Rescaled(QPoint pt, int (*pfnAxis)(int, qreal)) const;
    QPoint ScreenOrigin() const;

    // Declared before the game so that they outlive it: the game may still
    // ask for them while it is destroyed.
    std::map<int, std::unique_ptr<QTimer>> m_mapTimers;
    std::map<int, QAction*> m_mapActions;
    SoundPlayer m_soundPlayer;
    FrameSurfaces m_surfaces;
    QIcon m_icon;
    QCursor m_curGerm;
    bool m_bGermCursor = false;
    bool m_bCentredInFrame = false;  // once the decorations' size is known
    // The pointer as read this frame (see GetCursorPos), and the question
    // sent ahead of the frame (see AskPointerAheadOfNextFrame).
    std::optional<QPoint> m_ptCursor;
    std::optional<QPoint> m_ptCursorDevice;  // the same in the X server's pixels, moves step from it
    std::optional<screen_pixels::PointerQuery> m_pointerAhead;
    QTimer m_pointerTimer;
    // Scaled: the outer frame in device pixels, as the server last told it,
    // and Qt's own rectangle of the window then.
    std::optional<QRect> m_rcOuterDevice;
    QRect m_rcOuterSeen;
    FrameView* m_pView = nullptr;
    // Where no program may move its window (Wayland) a move shifts the
    // picture inside it instead, for as long as moves come frame after
    // frame: the game reads the window where it asked it to be.
    bool m_bWindowFixed = false;
    QPoint m_ptPictureShift;
    bool m_bMovedThisFrame = false;
    // On Wayland only: the germ the host keeps and draws itself.
    std::unique_ptr<WaylandGerm> m_pWaylandGerm;
    CGermDlg m_dlg;
};
