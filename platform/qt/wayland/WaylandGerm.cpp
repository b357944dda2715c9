#include "platform/qt/wayland/WaylandGerm.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <wayland-client.h>

#include "platform/qt/wayland/GermSurface.h"
#include "pointer-constraints-unstable-v1-client-protocol.h"
#include "relative-pointer-unstable-v1-client-protocol.h"

// Wayland calls these on Qt's thread: the objects live on its default queue,
// which Qt dispatches.
struct WaylandGerm::Listeners {
    static WaylandGerm& Self(void* pData) { return *static_cast<WaylandGerm*>(pData); }
    static QPointF Fixed(wl_fixed_t x, wl_fixed_t y) { return QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)); }

    // The seat's pointer, once it has one.
    static void SeatChanged(WaylandGerm& self)
    {
        if (!(self.m_globals.nSeatCapabilities & WL_SEAT_CAPABILITY_POINTER) || self.m_pPointer)
            return;
        void* pData = &self;
        self.m_pPointer = wl_seat_get_pointer(self.m_globals.pSeat);
        wl_pointer_add_listener(self.m_pPointer, &kPointer, pData);
        if (self.m_globals.pRelativeManager) {
            self.m_pRelative = zwp_relative_pointer_manager_v1_get_relative_pointer(self.m_globals.pRelativeManager,
                                                                                  self.m_pPointer);
            zwp_relative_pointer_v1_add_listener(self.m_pRelative, &kRelative, pData);
        }
        self.UpdateLock();
    }
    // The pointer over the window's own surface, in its coordinates: the
    // frame's, decorations the program draws included.
    static void Enter(void* pData, wl_pointer*, uint32_t, wl_surface* pSurface, wl_fixed_t x, wl_fixed_t y)
    {
        WaylandGerm& self = Self(pData);
        if (pSurface && pSurface == self.Surface()) {
            self.m_tracker.PointerEntered(Fixed(x, y));
            self.Moved();
            self.UpdateLock();
        }
    }
    // A lock is held only while the pointer is over the window, and taken
    // afresh when it comes back: sway activates a lock on a window the
    // pointer has left (a menu just closed) and then sends it no motion.
    static void Leave(void* pData, wl_pointer*, uint32_t, wl_surface*)
    {
        WaylandGerm& self = Self(pData);
        self.m_tracker.PointerLeft();
        self.UpdateLock();
    }
    static void Motion(void* pData, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y)
    {
        WaylandGerm& self = Self(pData);
        if (!self.m_tracker.IsPointerOver())
            return;
        self.m_tracker.PointerMoved(Fixed(x, y));
        self.Moved();
    }
    static void Button(void*, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t) {}
    static void Axis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}

    // Accelerated, as the pointer itself would have moved.
    static void Relative(void* pData, zwp_relative_pointer_v1*, uint32_t, uint32_t, wl_fixed_t dx, wl_fixed_t dy,
                         wl_fixed_t, wl_fixed_t)
    {
        WaylandGerm& self = Self(pData);
        self.m_tracker.MovedBy(Fixed(dx, dy));
        self.Moved();
    }

    static void Locked(void* pData, zwp_locked_pointer_v1*)
    {
        WaylandGerm& self = Self(pData);
        self.m_tracker.Locked();
        self.UpdateLock();  // let go again if the pointer left meanwhile
    }
    static void Unlocked(void* pData, zwp_locked_pointer_v1*) { Self(pData).m_tracker.Unlocked(); }

    static constexpr wl_pointer_listener kPointer{Enter, Leave, Motion, Button, Axis,
                                                  nullptr, nullptr, nullptr, nullptr, nullptr};
    static constexpr zwp_relative_pointer_v1_listener kRelative{Relative};
    static constexpr zwp_locked_pointer_v1_listener kLock{Locked, Unlocked};
};

std::unique_ptr<WaylandGerm> WaylandGerm::Create(QWidget& window, const QPixmap& pixGerm, QPoint ptHotSpot)
{
    WaylandGlobals* pGlobals = Wayland();
    if (!pGlobals)
        return nullptr;
    return std::unique_ptr<WaylandGerm>(new WaylandGerm(window, *pGlobals, pixGerm, ptHotSpot));
}

WaylandGerm::WaylandGerm(QWidget& window, WaylandGlobals& globals, const QPixmap& pixGerm, QPoint ptHotSpot)
    : m_window(window), m_globals(globals), m_pixGerm(pixGerm), m_ptHotSpot(ptHotSpot)
{
    m_globals.onSeatChanged = [this] { Listeners::SeatChanged(*this); };
    Listeners::SeatChanged(*this);
    CheckProtocols();
    m_window.installEventFilter(this);
}

WaylandGerm::~WaylandGerm()
{
    m_globals.onSeatChanged = nullptr;
    m_pPicture.reset();
    if (m_pLock)
        zwp_locked_pointer_v1_destroy(m_pLock);
    if (m_pRelative)
        zwp_relative_pointer_v1_destroy(m_pRelative);
    if (m_pPointer)
        wl_pointer_destroy(m_pPointer);
    wl_display_flush(m_globals.pDisplay);
}

void WaylandGerm::CheckProtocols()
{
    if (m_globals.pConstraints && m_globals.pRelativeManager && m_globals.CanShowSurfaces())
        return;
    std::fputs("vasculon: this desktop offers no pointer lock, so the walls and the grabber "
               "cannot move the germ here\n",
               stderr);
    m_tracker.SetFollowsPointer(true);
    ShowGerm();  // again, now as the pointer's own picture
}

wl_surface* WaylandGerm::Surface() const
{
    return SurfaceOf(m_window.windowHandle());
}

QPoint WaylandGerm::Read(const std::function<QRect()>& walls)
{
    TrackWindow(walls());
    return m_tracker.Read();
}

// Decorations the program draws, a new scale or another output change any
// of these without the window's own size changing: taken afresh each time.
void WaylandGerm::TrackWindow(QRect rcOuter)
{
    m_tracker.SetScale(SurfaceScale(m_window.windowHandle()));
    m_tracker.SetWindow(rcOuter, m_window.geometry());
    // Qt's size of the output the window is on: its mode at its scale.
    if (const QScreen* pScreen = m_window.screen())
        m_tracker.SetReach(pScreen->geometry().size());
}

void WaylandGerm::Step(QPoint ptFrom, QPoint ptTo)
{
    m_tracker.Step(ptFrom, ptTo);
    Moved();
}

void WaylandGerm::SetGermCursor(bool bGerm)
{
    m_tracker.SetGermOn(bGerm);
    ShowGerm();
}

void WaylandGerm::ShowGerm()
{
    const bool bGerm = m_tracker.IsGermOn();
    const bool bDrawn = m_tracker.IsDrawn();
    // Made only once play has begun: the window is mapped by then, and the
    // picture's moves commit its surface.
    if (GermSurface* pPicture = bDrawn ? Picture() : m_pPicture.get()) {
        pPicture->MoveTo(m_tracker.OnSurface());
        pPicture->Show(bDrawn);
    }
    if (!bGerm)
        m_window.setCursor(Qt::ArrowCursor);
    else if (bDrawn)
        m_window.setCursor(Qt::BlankCursor);
    else
        m_window.setCursor(QCursor(m_pixGerm, m_ptHotSpot.x(), m_ptHotSpot.y()));
    UpdateLock();
}

void WaylandGerm::Hold(bool bHeld)
{
    m_tracker.Hold(bHeld);
    UpdateLock();
}

void WaylandGerm::UpdateLock()
{
    wl_surface* pSurface = Surface();
    const bool bWanted = m_tracker.WantsLock() && m_globals.pConstraints && m_pPointer && pSurface;
    if (bWanted && !m_pLock) {
        // Persistent: the compositor takes the lock again by itself when the
        // pointer comes back over the window after another window had it.
        m_pLock = zwp_pointer_constraints_v1_lock_pointer(m_globals.pConstraints, pSurface, m_pPointer, nullptr,
                                                          ZWP_POINTER_CONSTRAINTS_V1_LIFETIME_PERSISTENT);
        zwp_locked_pointer_v1_add_listener(m_pLock, &Listeners::kLock, this);
    } else if (!bWanted && m_pLock) {
        Release();
    }
    wl_display_flush(m_globals.pDisplay);
}

// The pointer reappears where the germ is: the hint takes effect with the
// surface's next commit, and the compositor puts the pointer there when the
// lock ends.
void WaylandGerm::Release()
{
    const QPoint pt = m_tracker.OnSurface();
    if (wl_surface* pSurface = Surface()) {
        zwp_locked_pointer_v1_set_cursor_position_hint(m_pLock, wl_fixed_from_double(pt.x()),
                                                       wl_fixed_from_double(pt.y()));
        wl_surface_commit(pSurface);
    }
    zwp_locked_pointer_v1_destroy(m_pLock);
    m_pLock = nullptr;
    m_tracker.Release();
}

void WaylandGerm::Moved()
{
    if (m_pPicture && m_tracker.IsDrawn()) {
        m_pPicture->MoveTo(m_tracker.OnSurface());
        wl_display_flush(m_globals.pDisplay);
    }
}

GermSurface* WaylandGerm::Picture()
{
    if (!m_pPicture && m_globals.CanShowSurfaces()) {
        if (wl_surface* pSurface = Surface())
            m_pPicture = std::make_unique<GermSurface>(m_globals, pSurface, m_pixGerm.toImage(), m_ptHotSpot,
                                                       SurfaceScale(m_window.windowHandle()));
    }
    return m_pPicture.get();
}

// While the germ is drawn, the compositor reports clicks where its pointer
// is (locked or hidden); the player clicks where the germ is.
void WaylandGerm::ClickAtGerm()
{
    const QPoint ptWindow = m_tracker.InWindow();
    auto* pMenuBar = qobject_cast<QMenuBar*>(m_window.childAt(ptWindow));
    if (!pMenuBar)
        return;
    if (QAction* pAction = pMenuBar->actionAt(pMenuBar->mapFrom(&m_window, ptWindow)))
        pMenuBar->setActiveAction(pAction);
}

bool WaylandGerm::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::Show:
        // Clicks reach the window before any of its widgets.
        if (pWatched == &m_window && m_window.windowHandle()) {
            m_window.windowHandle()->installEventFilter(this);
            TrackWindow(m_window.frameGeometry());  // for the motion before the first reading
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (m_tracker.ClicksAtGerm()) {
            if (pEvent->type() == QEvent::MouseButtonPress)
                ClickAtGerm();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(pWatched, pEvent);
}
