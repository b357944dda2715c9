#pragma once
// The germ's picture on a surface of its own above the game window's, where
// the desktop will not show it as the pointer (Wayland, pointer locked). The
// compositor puts it together with the window: moving it is a new position,
// not a repaint, so it follows every motion at once and the window's own
// pixels (the frame, the menu bar) are neither redrawn nor copied for it.
// Past the window's walls it is drawn there too, not hidden: a subsurface
// may lie beyond its parent, so the player sees where a flick took the germ
// and the walls bring it back, as a pointer stays in sight outside a window
// on X11 (a compositor may still clip it to the window).
#include <QImage>
#include <QPoint>

#include "platform/qt/wayland/WaylandGlobals.h"

struct wl_subsurface;
struct wl_surface;

class GermSurface {
public:
    // pParent: the game window's surface, which outlives this.
    // dScale: surface coordinates per game pixel (see SurfaceScale).
    GermSurface(const WaylandGlobals& globals, wl_surface* pParent, const QImage& imgGerm, QPoint ptHotSpot,
                qreal dScale);
    ~GermSurface();
    GermSurface(const GermSurface&) = delete;
    GermSurface& operator=(const GermSurface&) = delete;

    void Show(bool bShown);
    // The hot spot to pt, in the window surface's coordinates.
    void MoveTo(QPoint pt);

private:
    wl_surface* m_pParent;
    wl_surface* m_pSurface = nullptr;
    wl_subsurface* m_pSubsurface = nullptr;
    SharedBuffer m_picture;
    QPoint m_ptHotSpot;
    QPoint m_ptAt{-1, -1};
    bool m_bShown = false;
};
