#include "platform/qt/wayland/GermSurface.h"

#include <cstring>
#include <wayland-client.h>

namespace {

// The picture in shared memory the compositor reads: premultiplied ARGB,
// which is Wayland's ARGB8888 on a little-endian machine.
SharedBuffer SharePicture(const QImage& imgGerm)
{
    const QImage img = imgGerm.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const SharedBuffer buffer = MakeSharedBuffer(img.size(), WL_SHM_FORMAT_ARGB8888);
    for (int y = 0; buffer.pData && y < img.height(); ++y)
        std::memcpy(static_cast<unsigned char*>(buffer.pData) + y * img.width() * 4, img.constScanLine(y),
                    std::size_t(img.width()) * 4);
    return buffer;
}

}  // namespace

GermSurface::GermSurface(const WaylandGlobals& globals, wl_surface* pParent, const QImage& imgGerm,
                         QPoint ptHotSpot, qreal dScale)
    : m_pParent(pParent),
      // As big as the game's other pixels, whole surface pixels each.
      m_picture(SharePicture(imgGerm.scaled(imgGerm.size() * dScale))),
      m_ptHotSpot(ptHotSpot * dScale)
{
    wl_compositor* pCompositor = globals.pCompositor;
    m_pSurface = wl_compositor_create_surface(pCompositor);
    // Clicks and motion pass through to the window beneath.
    wl_region* pNowhere = wl_compositor_create_region(pCompositor);
    wl_surface_set_input_region(m_pSurface, pNowhere);
    wl_region_destroy(pNowhere);
    m_pSubsurface = wl_subcompositor_get_subsurface(globals.pSubcompositor, m_pSurface, pParent);
    // Its own picture changes at once; its place changes with the window's
    // next commit, which MoveTo makes.
    wl_subsurface_set_desync(m_pSubsurface);
}

GermSurface::~GermSurface()
{
    wl_subsurface_destroy(m_pSubsurface);
    wl_surface_destroy(m_pSurface);
    FreeSharedBuffer(m_picture);
}

void GermSurface::Show(bool bShown)
{
    if (bShown == m_bShown || !m_picture.pBuffer)
        return;
    m_bShown = bShown;
    wl_surface_attach(m_pSurface, bShown ? m_picture.pBuffer : nullptr, 0, 0);
    if (bShown)
        wl_surface_damage(m_pSurface, 0, 0, INT32_MAX, INT32_MAX);
    wl_surface_commit(m_pSurface);
}

void GermSurface::MoveTo(QPoint pt)
{
    if (pt == m_ptAt)
        return;
    m_ptAt = pt;
    wl_subsurface_set_position(m_pSubsurface, pt.x() - m_ptHotSpot.x(), pt.y() - m_ptHotSpot.y());
    wl_surface_commit(m_pParent);
}
