#include "platform/qt/wayland/WaylandPresenter.h"

#include <QWidget>
#include <QWindow>
#include <cmath>
#include <optional>
#include <wayland-client.h>

#include "platform/qt/wayland/WaylandGlobals.h"

namespace {

// The memory under one image, freed with the image's last copy.
struct Block {
    SharedBuffer buffer;
    bool bHeld = false;  // shown, and not yet let go by the compositor
};

using Blocks = BlocksByMemory<Block>;

void FreeBlock(void* pInfo)
{
    auto* pBlock = static_cast<Block*>(pInfo);
    Blocks::Remove(pBlock->buffer.pData);
    FreeSharedBuffer(pBlock->buffer);
    delete pBlock;
}

void Released(void* pData, wl_buffer*)
{
    static_cast<Block*>(pData)->bHeld = false;
}

constexpr wl_buffer_listener kBuffer{Released};

}  // namespace

std::unique_ptr<WaylandPresenter> WaylandPresenter::Create(QWidget& view)
{
    const WaylandGlobals* pGlobals = Wayland();
    if (!pGlobals || !pGlobals->CanShowSurfaces())
        return nullptr;
    return std::unique_ptr<WaylandPresenter>(new WaylandPresenter(view));
}

WaylandPresenter::WaylandPresenter(QWidget& view)
    : m_view(view), m_pQueue(wl_display_create_queue(Wayland()->pDisplay))
{
}

WaylandPresenter::~WaylandPresenter()
{
    if (m_pSubsurface)
        wl_subsurface_destroy(m_pSubsurface);
    if (m_pSurface)
        wl_surface_destroy(m_pSurface);
    wl_display_flush(Wayland()->pDisplay);
    // Buffers still alive keep the queue's events; they are freed with
    // their images, before the program ends.
}

wl_surface* WaylandPresenter::WindowSurface() const
{
    return SurfaceOf(m_view.window()->windowHandle());
}

// The play area's place on the window's surface, whose origin is the frame's
// outer corner (decorations the program draws included).
void WaylandPresenter::Place(wl_surface* pWindowSurface)
{
    const QWidget& window = *m_view.window();
    const QPoint pt =
        (m_view.mapTo(&window, QPoint(0, 0)) + window.geometry().topLeft() - window.frameGeometry().topLeft()) *
        SurfaceScale(window.windowHandle());
    if (pt == m_ptAt)
        return;
    m_ptAt = pt;
    wl_subsurface_set_position(m_pSubsurface, pt.x(), pt.y());
    wl_surface_commit(pWindowSurface);
}

QImage WaylandPresenter::Make(QSize sizeDevice)
{
    auto* pBlock = new Block{MakeSharedBuffer(sizeDevice, WL_SHM_FORMAT_XRGB8888)};
    if (!pBlock->buffer.pBuffer) {
        FreeSharedBuffer(pBlock->buffer);
        delete pBlock;
        return {};
    }
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(pBlock->buffer.pBuffer), m_pQueue);
    wl_buffer_add_listener(pBlock->buffer.pBuffer, &kBuffer, pBlock);
    Blocks::Add(pBlock->buffer.pData, pBlock);
    return QImage(static_cast<uchar*>(pBlock->buffer.pData), sizeDevice.width(), sizeDevice.height(),
                  sizeDevice.width() * 4, QImage::Format_RGB32, &FreeBlock, pBlock);
}

// Read from what Qt's event thread has taken off the connection: a round
// trip here would hold the frame as long as the compositor holds the image,
// a fifth of a second on mutter while a box opens.
bool WaylandPresenter::IsFree(const QImage& image)
{
    wl_display_dispatch_queue_pending(Wayland()->pDisplay, m_pQueue);
    const Block* pBlock = Blocks::Of(image);
    return !pBlock || !pBlock->bHeld;
}

bool WaylandPresenter::IsOurs(const QImage& image) const
{
    return Blocks::Of(image) != nullptr;
}

bool WaylandPresenter::Present(const QImage& image)
{
    // Buffer pixels per surface coordinate.
    const qreal dRatio = image.devicePixelRatio() / SurfaceScale(m_view.window()->windowHandle());
    wl_surface* pWindowSurface = WindowSurface();
    if (image.format() != QImage::Format_RGB32 || image.bytesPerLine() != image.width() * 4 ||
        dRatio != std::round(dRatio) || !pWindowSurface) {
        if (m_pSurface) {  // Qt paints the area from now on: show what it paints
            wl_surface_attach(m_pSurface, nullptr, 0, 0);
            wl_surface_commit(m_pSurface);
        }
        return false;
    }
    const std::optional<QImage> shown = Shareable(image);
    if (!shown)
        return true;  // the screen still shows the frame before
    Block* pBlock = Blocks::Of(*shown);
    if (!pBlock)
        return false;
    if (!m_pSurface) {
        const WaylandGlobals& globals = *Wayland();
        m_pSurface = wl_compositor_create_surface(globals.pCompositor);
        // Clicks and motion pass through to the window beneath.
        wl_region* pNowhere = wl_compositor_create_region(globals.pCompositor);
        wl_surface_set_input_region(m_pSurface, pNowhere);
        wl_region_destroy(pNowhere);
        m_pSubsurface = wl_subcompositor_get_subsurface(globals.pSubcompositor, m_pSurface, pWindowSurface);
        wl_subsurface_set_desync(m_pSubsurface);  // a frame shows when it is committed
    }
    Place(pWindowSurface);
    if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(m_pSurface)) >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION)
        wl_surface_set_buffer_scale(m_pSurface, int(dRatio));
    else if (dRatio != 1)
        return false;
    wl_surface_attach(m_pSurface, pBlock->buffer.pBuffer, 0, 0);
    wl_surface_damage(m_pSurface, 0, 0, INT32_MAX, INT32_MAX);
    wl_surface_commit(m_pSurface);
    pBlock->bHeld = true;
    wl_display_flush(Wayland()->pDisplay);
    return true;
}
