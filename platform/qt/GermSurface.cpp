#include "platform/qt/GermSurface.h"

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace {

// The picture in shared memory the compositor reads: premultiplied ARGB,
// which is Wayland's ARGB8888 on a little-endian machine.
wl_buffer* ShareImage(wl_shm* pShm, const QImage& imgGerm)
{
    const QImage img = imgGerm.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int nStride = img.width() * 4;
    const int nBytes = nStride * img.height();
    const int nFd = memfd_create("vasculon-germ", MFD_CLOEXEC);
    if (nFd < 0)
        return nullptr;
    wl_buffer* pBuffer = nullptr;
    void* pMemory = ftruncate(nFd, nBytes) == 0
                        ? mmap(nullptr, size_t(nBytes), PROT_READ | PROT_WRITE, MAP_SHARED, nFd, 0)
                        : MAP_FAILED;
    if (pMemory != MAP_FAILED) {
        for (int y = 0; y < img.height(); ++y)
            std::memcpy(static_cast<unsigned char*>(pMemory) + y * nStride, img.constScanLine(y), size_t(nStride));
        munmap(pMemory, size_t(nBytes));
        wl_shm_pool* pPool = wl_shm_create_pool(pShm, nFd, nBytes);
        pBuffer = wl_shm_pool_create_buffer(pPool, 0, img.width(), img.height(), nStride, WL_SHM_FORMAT_ARGB8888);
        wl_shm_pool_destroy(pPool);
    }
    close(nFd);
    return pBuffer;
}

}  // namespace

GermSurface::GermSurface(wl_compositor* pCompositor, wl_subcompositor* pSubcompositor, wl_shm* pShm,
                         wl_surface* pParent, const QImage& imgGerm, QPoint ptHotSpot)
    : m_pParent(pParent), m_ptHotSpot(ptHotSpot)
{
    m_pBuffer = ShareImage(pShm, imgGerm);
    m_pSurface = wl_compositor_create_surface(pCompositor);
    // Clicks and motion pass through to the window beneath.
    wl_region* pNowhere = wl_compositor_create_region(pCompositor);
    wl_surface_set_input_region(m_pSurface, pNowhere);
    wl_region_destroy(pNowhere);
    m_pSubsurface = wl_subcompositor_get_subsurface(pSubcompositor, m_pSurface, pParent);
    // Its own picture changes at once; its place changes with the window's
    // next commit, which MoveTo makes.
    wl_subsurface_set_desync(m_pSubsurface);
}

GermSurface::~GermSurface()
{
    wl_subsurface_destroy(m_pSubsurface);
    wl_surface_destroy(m_pSurface);
    if (m_pBuffer)
        wl_buffer_destroy(m_pBuffer);
}

void GermSurface::Show(bool bShown)
{
    if (bShown == m_bShown || !m_pBuffer)
        return;
    m_bShown = bShown;
    wl_surface_attach(m_pSurface, bShown ? m_pBuffer : nullptr, 0, 0);
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
