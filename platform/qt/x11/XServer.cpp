#include "platform/qt/x11/XServer.h"

#include <utility>

#ifdef VASCULON_HAVE_XCB
#include "platform/qt/x11/XcbConnection.h"
#endif

namespace x_server {

#ifdef VASCULON_HAVE_XCB
namespace {

using xcb::Own;

xcb_connection_t* Connection()
{
    return xcb::QtConnection();
}

xcb_window_t Root(xcb_connection_t* pConnection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(pConnection)).data->root;
}

}  // namespace

PointerQuery::PointerQuery()
{
    if (xcb_connection_t* pConnection = Connection()) {
        m_nSequence = xcb_query_pointer(pConnection, Root(pConnection)).sequence;
        xcb_flush(pConnection);  // sent now, not with whatever is asked next
    }
}

PointerQuery::~PointerQuery()
{
    if (m_nSequence)
        xcb_discard_reply(Connection(), *m_nSequence);
}

std::optional<QPoint> PointerQuery::Answer()
{
    if (!m_nSequence)
        return std::nullopt;
    auto pReply = Own(xcb_query_pointer_reply(Connection(), {*std::exchange(m_nSequence, std::nullopt)},
                                              nullptr));
    if (!pReply)
        return std::nullopt;
    return QPoint(pReply->root_x, pReply->root_y);
}

bool MovePointerBy(QPoint ptStep)
{
    xcb_connection_t* pConnection = Connection();
    if (!pConnection)
        return false;
    // With no destination window the server moves the pointer by the offset.
    xcb_warp_pointer(pConnection, XCB_WINDOW_NONE, XCB_WINDOW_NONE, 0, 0, 0, 0,
                     static_cast<int16_t>(ptStep.x()), static_cast<int16_t>(ptStep.y()));
    return true;
}

void Flush()
{
    if (xcb_connection_t* pConnection = Connection())
        xcb_flush(pConnection);
}

std::optional<QRect> OuterFrame(const QWindow* pWindow)
{
    xcb_connection_t* pConnection = Connection();
    if (!pConnection || !pWindow)
        return std::nullopt;
    // A window manager reparents the window into its frame: walk up to the
    // child of the root.
    xcb_window_t window = static_cast<xcb_window_t>(pWindow->winId());
    for (;;) {
        auto pTree = Own(
            xcb_query_tree_reply(pConnection, xcb_query_tree(pConnection, window), nullptr));
        if (!pTree)
            return std::nullopt;
        if (pTree->parent == pTree->root || pTree->parent == XCB_WINDOW_NONE)
            break;
        window = pTree->parent;
    }
    auto pGeometry = Own(
        xcb_get_geometry_reply(pConnection, xcb_get_geometry(pConnection, window), nullptr));
    if (!pGeometry)
        return std::nullopt;
    const int nBorder = 2 * pGeometry->border_width;
    return QRect(pGeometry->x, pGeometry->y, pGeometry->width + nBorder,
                 pGeometry->height + nBorder);
}

#else

PointerQuery::PointerQuery() = default;
PointerQuery::~PointerQuery() = default;

std::optional<QPoint> PointerQuery::Answer()
{
    return std::nullopt;
}

bool MovePointerBy(QPoint)
{
    return false;
}

void Flush() {}

std::optional<QRect> OuterFrame(const QWindow*)
{
    return std::nullopt;
}

#endif

std::optional<QPoint> Pointer()
{
    return PointerQuery().Answer();
}

}  // namespace x_server
