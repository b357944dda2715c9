#pragma once
// The germ where the game cannot move the pointer (Wayland): the host keeps
// its place itself, in game pixels from the window's outer top-left. Only
// motion moves it, never a jump: relative motion while the pointer is locked
// to the window, the pointer's own moves over the window otherwise (so a
// pointer coming back over the window finds the germ where it was left).
// The game's moves are steps from the place it last read, so the player's
// motion in between is kept. Like a pointer it may leave the window, as far
// as the output's size past each wall: a hard flick stays out for frames,
// each a touch, as on X11.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

class GermTracker {
public:
    // Where the window is, in the desktop's game pixels: its outer rectangle
    // (the walls', decorations the program draws included) and the window
    // inside it. Given again whenever they may have changed, so the germ's
    // reach never lags the walls.
    void SetWindow(QRect rcOuter, QRect rcWindow);
    // The output's size in game pixels: how far past each wall the germ may go.
    void SetReach(QSize sizeOutput);
    // Surface coordinates per game pixel (see SurfaceScale).
    void SetScale(qreal dScale) { m_dScale = dScale; }

    // The pointer came over the window at ptSurface, or left it.
    void PointerEntered(QPointF ptSurface);
    void PointerLeft() { m_bPointerOver = false; }
    // The pointer's own move over the window; counts only while unlocked.
    void PointerMoved(QPointF ptSurface);
    // Relative motion, in surface coordinates; counts only while locked.
    void MovedBy(QPointF ptSurfaceDelta);
    // The compositor activated the lock, or ended it (another window took
    // the pointer): the pointer is then where it was locked.
    void Locked() { m_bLocked = true; }
    void Unlocked() { m_bLocked = false; }
    // We released the lock with the hint at the germ: the compositor puts
    // the pointer there, if the lock was holding it.
    void Release();
    // Where the germ's moves come from: the pointer as the desktop reports
    // it, when nothing else can move it (no lock to be had).
    void SetFollowsPointer(bool bFollows);

    // The game's move from ptFrom (where it last read the germ) to ptTo.
    void Step(QPoint ptFrom, QPoint ptTo);

    // The germ cursor is on; a box or a menu is open (calls nest).
    void SetGermOn(bool bOn) { m_bGermOn = bOn; }
    void Hold(bool bHeld) { m_nHolds += bHeld ? 1 : -1; }

    // Game pixels from the outer top-left; the desktop's game pixels; the
    // window's own; the window surface's coordinates (the hot spot's, which
    // may lie beyond the surface).
    QPoint Position() const;
    QPoint Read() const { return m_rcOuter.topLeft() + Position(); }
    QPoint InWindow() const { return Read() - m_rcWindow.topLeft(); }
    QPoint OnSurface() const { return (QPointF(Position()) * m_dScale).toPoint(); }
    // The host draws the germ, and a click acts where it is.
    bool IsGermOn() const { return m_bGermOn; }
    bool IsDrawn() const { return m_bGermOn && !m_bFollowsPointer; }
    bool ClicksAtGerm() const { return IsDrawn() && m_nHolds == 0; }
    // The pointer should be locked to the window: only with the pointer over
    // it, since a lock taken while no window has the pointer (a menu just
    // closed) receives no motion on some compositors.
    bool WantsLock() const { return ClicksAtGerm() && m_bPointerOver; }
    bool IsPointerOver() const { return m_bPointerOver; }
    bool IsLocked() const { return m_bLocked; }
    bool FollowsPointer() const { return m_bFollowsPointer; }

private:
    QPointF FromSurface(QPointF ptSurface) const { return ptSurface / m_dScale; }
    void Place(QPointF pt);

    QRect m_rcOuter;
    QRect m_rcWindow;
    QSize m_sizeReach;
    qreal m_dScale = 1;
    QPointF m_ptGerm;
    QPointF m_ptPointer;  // where the desktop last reported the pointer
    bool m_bLocked = false;
    bool m_bFollowsPointer = false;
    bool m_bPointerOver = false;
    bool m_bGermOn = false;
    int m_nHolds = 0;
};
