#pragma once
// The germ on a Wayland desktop, which lets no program move the pointer.
// While the germ cursor is on, the pointer is locked to the game window and
// hidden; its relative motion moves a germ the host keeps (GermTracker) and
// shows above the window at every motion (GermSurface). A box or a menu releases the lock
// with the pointer put where the germ is; play takes it again. Without the
// lock and relative-motion protocols the germ is the pointer as reported.
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <memory>

#include "platform/qt/GamePointer.h"
#include "platform/qt/GermTracker.h"
#include "platform/qt/wayland/WaylandGlobals.h"

class GermSurface;
class QWidget;
struct wl_pointer;
struct wl_surface;
struct zwp_relative_pointer_v1;
struct zwp_locked_pointer_v1;

class WaylandGerm final : public QObject, public GamePointer {
public:
    // Nothing unless Qt runs on Wayland. pWindow is the game's top-level
    // window and outlives this.
    static std::unique_ptr<WaylandGerm> Create(QWidget& window, const QPixmap& pixGerm, QPoint ptHotSpot);
    ~WaylandGerm() override;

    // GamePointer. The walls' rectangle bounds the germ's reach at every
    // reading; the game's move takes the germ from where it was read by the
    // step. No server to ask ahead: the germ is ours to read.
    QPoint Read(const std::function<QRect()>& walls) override;
    void Step(QPoint ptFrom, QPoint ptTo) override;
    void SetGermCursor(bool bGerm) override;
    void Hold(bool bHeld) override;

    // Wayland's listeners, by the protocol's object.
    struct Listeners;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    WaylandGerm(QWidget& window, WaylandGlobals& globals, const QPixmap& pixGerm, QPoint ptHotSpot);
    wl_surface* Surface() const;
    void ShowGerm();  // the germ drawn, or the pointer's picture, as the tracker says
    void TrackWindow(QRect rcOuter);
    GermSurface* Picture();      // made once the window has its surface
    void UpdateLock();
    void Release();
    void Moved();
    void ClickAtGerm();
    void CheckProtocols();

    QWidget& m_window;
    WaylandGlobals& m_globals;
    QPixmap m_pixGerm;
    std::unique_ptr<GermSurface> m_pPicture;
    QPoint m_ptHotSpot;
    GermTracker m_tracker;
    wl_pointer* m_pPointer = nullptr;
    zwp_relative_pointer_v1* m_pRelative = nullptr;
    zwp_locked_pointer_v1* m_pLock = nullptr;
};
