#pragma once
// The game's window on the desktop: a fixed 489 x 581 client area under a
// "Start" and "Help" menu bar. It owns the game (CGermDlg), forwards ticks
// and menu commands to it, and serves it as its Platform.
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
#include "platform/qt/GamePointer.h"
#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/ScreenPixels.h"
#include "platform/qt/SoundPlayer.h"

class FrameView;
class QAction;
class QDialog;
class QKeyEvent;
class QMoveEvent;

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
    // A box or a menu is open; a germ the host keeps gives the pointer back.
    void HoldGerm(bool bHeld);
    bool IsScaled() const;
    Rect OuterRect();  // the window's outer rectangle, where it really is

    // Declared before the game so that they outlive it: the game may still
    // ask for them while it is destroyed.
    std::map<int, std::unique_ptr<QTimer>> m_mapTimers;
    std::map<int, QAction*> m_mapActions;
    SoundPlayer m_soundPlayer;
    FrameSurfaces m_surfaces;
    QIcon m_icon;
    bool m_bGermCursor = false;
    bool m_bCentredInFrame = false;  // once the decorations' size is known
    // The pointer as read this frame (see GetCursorPos).
    std::optional<QPoint> m_ptCursor;
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
    std::unique_ptr<GamePointer> m_pPointer;
    CGermDlg m_dlg;
};
