#pragma once
// What the host's own X requests share: Qt's connection to the server (the
// game's requests go in order with Qt's) and ownership of xcb's replies.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace xcb {

// Nothing when Qt does not run on X11.
inline xcb_connection_t* QtConnection()
{
    auto* pX11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return pX11 ? pX11->connection() : nullptr;
}

// Replies are malloc'ed by xcb.
template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> Own(T* pReply)
{
    return Reply<T>(pReply, &std::free);
}

}  // namespace xcb
