#include "platform/qt/wayland/WaylandGlobals.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include "gtk-shell-client-protocol.h"
#include "pointer-constraints-unstable-v1-client-protocol.h"
#include "relative-pointer-unstable-v1-client-protocol.h"

namespace {

// Listened to from the bind on: the first capabilities may come within the
// bind's own round trip, before anyone else could listen.
void Capabilities(void* pData, wl_seat*, uint32_t nCapabilities)
{
    auto& globals = *static_cast<WaylandGlobals*>(pData);
    globals.nSeatCapabilities = nCapabilities;
    if (globals.onSeatChanged)
        globals.onSeatChanged();
}

void SeatName(void*, wl_seat*, const char*) {}

constexpr wl_seat_listener kSeat{Capabilities, SeatName};

void Global(void* pData, wl_registry* pRegistry, uint32_t nName, const char* pszInterface, uint32_t)
{
    auto& globals = *static_cast<WaylandGlobals*>(pData);
    const auto Bind = [&](auto*& pTarget, const wl_interface& interface) {
        if (!pTarget && std::strcmp(pszInterface, interface.name) == 0)
            pTarget = static_cast<std::remove_reference_t<decltype(pTarget)>>(
                wl_registry_bind(pRegistry, nName, &interface, 1));
    };
    // Version 1 of each: the seat's pointer need only say enter, leave and
    // motion.
    Bind(globals.pSubcompositor, wl_subcompositor_interface);
    Bind(globals.pShm, wl_shm_interface);
    if (!globals.pSeat && std::strcmp(pszInterface, wl_seat_interface.name) == 0) {
        Bind(globals.pSeat, wl_seat_interface);
        wl_seat_add_listener(globals.pSeat, &kSeat, pData);
    }
    Bind(globals.pConstraints, zwp_pointer_constraints_v1_interface);
    Bind(globals.pRelativeManager, zwp_relative_pointer_manager_v1_interface);
    Bind(globals.pGtkShell, gtk_shell1_interface);
}

void GlobalRemoved(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener kRegistry{Global, GlobalRemoved};

WaylandGlobals* BindGlobals()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return nullptr;
    QPlatformNativeInterface* pNative = QGuiApplication::platformNativeInterface();
    auto* pDisplay = static_cast<wl_display*>(pNative->nativeResourceForIntegration("wl_display"));
    if (!pDisplay)
        return nullptr;
    auto* pGlobals = new WaylandGlobals;  // for the program's life
    pGlobals->pDisplay = pDisplay;
    pGlobals->pCompositor = static_cast<wl_compositor*>(pNative->nativeResourceForIntegration("compositor"));
    wl_registry* pRegistry = wl_display_get_registry(pDisplay);
    wl_registry_add_listener(pRegistry, &kRegistry, pGlobals);
    wl_display_roundtrip(pDisplay);
    wl_display_roundtrip(pDisplay);
    wl_registry_destroy(pRegistry);
    return pGlobals;
}

}  // namespace

WaylandGlobals* Wayland()
{
    static WaylandGlobals* s_pGlobals = BindGlobals();
    return s_pGlobals;
}

wl_surface* SurfaceOf(const QWindow* pWindow)
{
    if (!pWindow || !pWindow->handle())
        return nullptr;
    return static_cast<wl_surface*>(QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
        "surface", const_cast<QWindow*>(pWindow)));
}

qreal SurfaceScale(const QWindow* pWindow)
{
    if (!pWindow || !pWindow->handle() || pWindow->handle()->devicePixelRatio() <= 0)
        return 1;
    return pWindow->devicePixelRatio() / pWindow->handle()->devicePixelRatio();
}

SharedBuffer MakeSharedBuffer(QSize size, uint32_t nFormat)
{
    const WaylandGlobals* pGlobals = Wayland();
    const std::size_t nBytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    if (!pGlobals || !pGlobals->pShm || nBytes == 0)
        return {};
    const int nFd = memfd_create("vasculon-surface", MFD_CLOEXEC);
    if (nFd < 0)
        return {};
    SharedBuffer buffer;
    void* pData = ftruncate(nFd, off_t(nBytes)) == 0
                      ? mmap(nullptr, nBytes, PROT_READ | PROT_WRITE, MAP_SHARED, nFd, 0)
                      : MAP_FAILED;
    if (pData != MAP_FAILED) {
        wl_shm_pool* pPool = wl_shm_create_pool(pGlobals->pShm, nFd, int32_t(nBytes));
        buffer = {wl_shm_pool_create_buffer(pPool, 0, size.width(), size.height(), size.width() * 4, nFormat),
                  pData, nBytes};
        wl_shm_pool_destroy(pPool);
    }
    close(nFd);
    return buffer;
}

void FreeSharedBuffer(const SharedBuffer& buffer)
{
    if (buffer.pBuffer)
        wl_buffer_destroy(buffer.pBuffer);
    if (buffer.pData)
        munmap(buffer.pData, buffer.nBytes);
}
