#include "platform/qt/X11Presenter.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* Connection(void* pConnection)
{
    return static_cast<xcb_connection_t*>(pConnection);
}

// Replies are malloc'ed by xcb.
template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> Own(T* pReply)
{
    return Reply<T>(pReply, &std::free);
}

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

}  // namespace

struct X11Presenter::Segment {
    xcb_shm_seg_t id = 0;
    void* pData = nullptr;
    qsizetype nBytes = 0;
    std::optional<unsigned int> nFence;  // a request sent after this segment's last put
};

std::unique_ptr<X11Presenter> X11Presenter::Create(const QWindow* pWindow)
{
    auto* pX11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* pConnection = pX11 ? pX11->connection() : nullptr;
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
    for (auto& pSegment : m_segments)
        pSegment = std::make_unique<Segment>();
}

X11Presenter::~X11Presenter()
{
    xcb_connection_t* pX = Connection(m_pConnection);
    for (auto& pSegment : m_segments)
        Release(*pSegment);
    xcb_free_gc(pX, m_nGc);
    xcb_flush(pX);
}

bool X11Presenter::Present(const QImage& image)
{
    const qsizetype nBytes = image.sizeInBytes();
    if (image.depth() != 32 || image.bytesPerLine() != image.width() * 4)
        return false;
    Segment& segment = *m_segments[m_nNext];
    m_nNext = (m_nNext + 1) % m_segments.size();
    WaitUntilFree(segment);
    if (!Reserve(segment, nBytes))
        return false;
    std::memcpy(segment.pData, image.constBits(), std::size_t(nBytes));
    xcb_connection_t* pX = Connection(m_pConnection);
    const auto nWidth = static_cast<uint16_t>(image.width());
    const auto nHeight = static_cast<uint16_t>(image.height());
    xcb_shm_put_image(pX, m_nWindow, m_nGc, nWidth, nHeight, 0, 0, nWidth, nHeight, 0, 0,
                      static_cast<uint8_t>(m_nDepth), XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment.id, 0);
    segment.nFence = xcb_get_input_focus(pX).sequence;
    xcb_flush(pX);
    return true;
}

// The answer normally waits in xcb's queue already; only a server more than
// a frame behind makes this block, and then it should.
void X11Presenter::WaitUntilFree(Segment& segment)
{
    if (!segment.nFence)
        return;
    free(xcb_get_input_focus_reply(Connection(m_pConnection), {*segment.nFence}, nullptr));
    segment.nFence.reset();
}

bool X11Presenter::Reserve(Segment& segment, qsizetype nBytes)
{
    if (segment.pData && segment.nBytes >= nBytes)
        return true;
    Release(segment);
    const int fd = memfd_create("vasculon-frame", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    void* pData = ftruncate(fd, nBytes) == 0
                      ? mmap(nullptr, std::size_t(nBytes), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                      : MAP_FAILED;
    if (pData == MAP_FAILED) {
        close(fd);
        return false;
    }
    xcb_connection_t* pX = Connection(m_pConnection);
    const xcb_shm_seg_t id = xcb_generate_id(pX);
    // xcb closes the descriptor once it is sent. Checked: a server that
    // cannot map it says so here, once, rather than on every put.
    if (auto pError = Own(xcb_request_check(pX, xcb_shm_attach_fd_checked(pX, id, fd, 1)))) {
        munmap(pData, std::size_t(nBytes));
        return false;
    }
    segment = Segment{id, pData, nBytes, std::nullopt};
    return true;
}

void X11Presenter::Release(Segment& segment)
{
    if (!segment.pData)
        return;
    xcb_connection_t* pX = Connection(m_pConnection);
    if (segment.nFence)
        xcb_discard_reply(pX, *segment.nFence);
    xcb_shm_detach(pX, segment.id);
    munmap(segment.pData, std::size_t(segment.nBytes));
    segment = Segment{};
}
