#pragma once
// Puts finished frames on a surface of the play area's own, just above the
// game window's, from memory the compositor shares with us. Painted through
// Qt, every frame would be copied into Qt's window buffer and that buffer
// again into its other one (the compositor keeps the last buffer it was
// given); here frames are drawn straight into shared memory and shown from
// there. An image is drawn on again only once the compositor let it go;
// until then frames take others (FrameSurfaces).
#include <QImage>
#include <QPoint>
#include <memory>

#include "platform/qt/FramePresenter.h"

class QWidget;
struct wl_event_queue;
struct wl_subsurface;
struct wl_surface;

class WaylandPresenter final : public FramePresenter {
public:
    // Nothing unless Qt runs on Wayland and the compositor shows surfaces of
    // ours. pView is the play area; it outlives this.
    static std::unique_ptr<WaylandPresenter> Create(QWidget& view);
    ~WaylandPresenter() override;
    WaylandPresenter(const WaylandPresenter&) = delete;
    WaylandPresenter& operator=(const WaylandPresenter&) = delete;

    bool Present(const QImage& image) override;

    // SurfaceMemory. The images may outlive this presenter.
    QImage Make(QSize sizeDevice) override;
    bool IsOurs(const QImage& image) const override;
    bool IsFree(const QImage& image) override;

private:
    explicit WaylandPresenter(QWidget& view);
    wl_surface* WindowSurface() const;
    void Place(wl_surface* pWindowSurface);

    QWidget& m_view;
    wl_event_queue* m_pQueue;  // the buffers' releases, read when needed
    wl_surface* m_pSurface = nullptr;
    wl_subsurface* m_pSubsurface = nullptr;
    QPoint m_ptAt{-1, -1};
};
