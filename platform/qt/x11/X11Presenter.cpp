#include "platform/qt/x11/X11Presenter.h"

#include <cstdlib>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>
#include <xcb/shm.h>

#include "platform/qt/x11/XcbConnection.h"

namespace {

xcb_connection_t* Connection(void* pConnection)
{
    return static_cast<xcb_connection_t*>(pConnection);
}

using xcb::Own;

// Memory the server maps from a file descriptor (MIT-SHM 1.2): no System V
// segment to leak if the game dies, and it works across IPC namespaces.
bool ServerSharesFds(xcb_connection_t* pConnection)
{
    const xcb_query_extension_reply_t* pExtension = xcb_get_extension_data(pConnection, &xcb_shm_id);
    if (!pExtension || !pExtension->present)
        return false;
    auto pVersion = Own(xcb_shm_query_version_reply(pConnection, xcb_shm_query_version(pConnection), nullptr));
    return pVersion &&
           (pVersion->major_version > 1 || (pVersion->major_version == 1 && pVersion->minor_version >= 2));
}

// The memory under one image, freed with the image's last copy.
struct SharedBlock {
    xcb_connection_t* pConnection;
    xcb_shm_seg_t id;
    void* pData;
    std::size_t nBytes;
    std::optional<unsigned int> nFence;  // a request sent after the last put from it
};

using Blocks = BlocksByMemory<SharedBlock>;

void FreeBlock(void* pInfo)
{
    auto* pBlock = static_cast<SharedBlock*>(pInfo);
    if (pBlock->nFence)
        xcb_discard_reply(pBlock->pConnection, *pBlock->nFence);
    xcb_shm_detach(pBlock->pConnection, pBlock->id);
    munmap(pBlock->pData, pBlock->nBytes);
    Blocks::Remove(pBlock->pData);
    delete pBlock;
}

// The answer normally waits in xcb's queue already; only a server more than
// a frame behind makes this block, and then it should.
void WaitUntilRead(SharedBlock& block)
{
    if (block.nFence)
        std::free(xcb_get_input_focus_reply(block.pConnection, {*block.nFence}, nullptr));
    block.nFence.reset();
}

}  // namespace

std::unique_ptr<X11Presenter> X11Presenter::Create(const QWindow* pWindow)
{
    xcb_connection_t* pConnection = xcb::QtConnection();
    if (!pConnection || !pWindow || !ServerSharesFds(pConnection))
        return nullptr;
    const auto nWindow = static_cast<xcb_window_t>(pWindow->winId());
    auto pGeometry = Own(xcb_get_geometry_reply(pConnection, xcb_get_geometry(pConnection, nWindow), nullptr));
    // Frames are 32-bit pixels with the red, green and blue bytes of a
    // 24-bit true-colour screen.
    if (!pGeometry || (pGeometry->depth != 24 && pGeometry->depth != 32))
        return nullptr;
    return std::unique_ptr<X11Presenter>(new X11Presenter(pConnection, nWindow, pGeometry->depth));
}

X11Presenter::X11Presenter(void* pConnection, unsigned int nWindow, int nDepth)
    : m_pConnection(pConnection), m_nWindow(nWindow), m_nDepth(nDepth)
{
    xcb_connection_t* pX = Connection(m_pConnection);
    m_nGc = xcb_generate_id(pX);
    xcb_create_gc(pX, m_nGc, m_nWindow, 0, nullptr);
}

X11Presenter::~X11Presenter()
{
    xcb_connection_t* pX = Connection(m_pConnection);
    xcb_free_gc(pX, m_nGc);
    xcb_flush(pX);
}

QImage X11Presenter::Make(QSize sizeDevice)
{
    const auto nBytes = std::size_t(sizeDevice.width()) * std::size_t(sizeDevice.height()) * 4;
    if (nBytes == 0)
        return {};
    const int fd = memfd_create("vasculon-frame", MFD_CLOEXEC);
    if (fd < 0)
        return {};
    void* pData = ftruncate(fd, off_t(nBytes)) == 0
                      ? mmap(nullptr, nBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                      : MAP_FAILED;
    if (pData == MAP_FAILED) {
        close(fd);
        return {};
    }
    xcb_connection_t* pX = Connection(m_pConnection);
    const xcb_shm_seg_t id = xcb_generate_id(pX);
    // xcb closes the descriptor once it is sent. Checked: a server that
    // cannot map it says so here, once, rather than on every put.
    if (auto pError = Own(xcb_request_check(pX, xcb_shm_attach_fd_checked(pX, id, fd, 1)))) {
        munmap(pData, nBytes);
        return {};
    }
    auto* pBlock = new SharedBlock{pX, id, pData, nBytes, std::nullopt};
    Blocks::Add(pData, pBlock);
    return QImage(static_cast<uchar*>(pData), sizeDevice.width(), sizeDevice.height(),
                  sizeDevice.width() * 4, QImage::Format_RGB32, &FreeBlock, pBlock);
}

bool X11Presenter::IsFree(const QImage& image)
{
    if (SharedBlock* pBlock = Blocks::Of(image))
        WaitUntilRead(*pBlock);
    return true;
}

bool X11Presenter::IsOurs(const QImage& image) const
{
    return Blocks::Of(image) != nullptr;
}

bool X11Presenter::Present(const QImage& image)
{
    if (image.format() != QImage::Format_RGB32 || image.bytesPerLine() != image.width() * 4)
        return false;
    const std::optional<QImage> shown = Shareable(image);  // never busy: X11's blocks are always free
    SharedBlock* pBlock = shown ? Blocks::Of(*shown) : nullptr;
    if (!pBlock)
        return false;
    xcb_connection_t* pX = Connection(m_pConnection);
    const auto nWidth = static_cast<uint16_t>(image.width());
    const auto nHeight = static_cast<uint16_t>(image.height());
    xcb_shm_put_image(pX, m_nWindow, m_nGc, nWidth, nHeight, 0, 0, nWidth, nHeight, 0, 0,
                      static_cast<uint8_t>(m_nDepth), XCB_IMAGE_FORMAT_Z_PIXMAP, 0, pBlock->id, 0);
    if (pBlock->nFence)  // put again before it was drawn on again (a repaint)
        xcb_discard_reply(pX, *pBlock->nFence);
    pBlock->nFence = xcb_get_input_focus(pX).sequence;
    xcb_flush(pX);
    return true;
}
