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

    // The pointer came over the window at pt.
    void PointerEntered(QPointF pt);
    // The pointer's own move over the window; counts only while unlocked.
    void PointerMoved(QPointF pt);
    // Relative motion; counts only while locked.
    void MovedBy(QPointF ptDelta);
    // Released, the pointer is put where the germ is (the lock's hint).
    void SetLocked(bool bLocked);
    // Where the germ's moves come from: the pointer as the desktop reports
    // it, when nothing else can move it (no lock to be had).
    void SetFollowsPointer(bool bFollows);

    // The game's move from ptFrom (where it last read the germ) to ptTo.
    void Step(QPoint ptFrom, QPoint ptTo);

    QPoint Position() const;
    bool IsLocked() const { return m_bLocked; }
    bool FollowsPointer() const { return m_bFollowsPointer; }

private:
    void Place(QPointF pt);

    QSize m_size;
    QPointF m_ptGerm;
    QPointF m_ptPointer;  // where the desktop last reported the pointer
    bool m_bLocked = false;
    bool m_bFollowsPointer = false;
};
