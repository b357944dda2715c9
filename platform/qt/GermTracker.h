#pragma once
// The germ where the game cannot move the pointer (Wayland): the host keeps
// its place itself, in game pixels from the window's outer top-left. Only
// motion moves it, never a jump: relative motion while the pointer is locked
// to the window, the pointer's own moves over the window otherwise (so a
// pointer coming back over the window finds the germ where it was left).
// The game's moves are steps from the place it last read, so the player's
// motion in between is kept. It never leaves the outer rectangle: past an
// edge is on that edge, which the walls count as a touch.
#include <QPoint>
#include <QPointF>
#include <QSize>

class GermTracker {
public:
    // The outer rectangle's size; the germ keeps within it, edges included.
    void SetBounds(QSize size);

    // The pointer came over the window at pt, or left it.
    void PointerEntered(QPointF pt);
    void PointerLeft() { m_bPointerOver = false; }
    // The pointer's own move over the window; counts only while unlocked.
    void PointerMoved(QPointF pt);
    // Relative motion; counts only while locked.
    void MovedBy(QPointF ptDelta);
    // The compositor took or dropped the lock (another window took the
    // pointer): the pointer is where it was locked.
    void SetLocked(bool bLocked) { m_bLocked = bLocked; }
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

    QPoint Position() const;
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
    void Place(QPointF pt);

    QSize m_size;
    QPointF m_ptGerm;
    QPointF m_ptPointer;  // where the desktop last reported the pointer
    bool m_bLocked = false;
    bool m_bFollowsPointer = false;
    bool m_bPointerOver = false;
    bool m_bGermOn = false;
    int m_nHolds = 0;
};
