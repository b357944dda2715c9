#pragma once
// The compositor's objects the host uses beside Qt's on a Wayland desktop:
// to keep the germ (seat, pointer lock, relative motion) and to show
// surfaces of its own (the frames, the germ's picture) from shared memory.
#include <QSize>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <functional>

class QWindow;
struct wl_buffer;
struct wl_compositor;
struct wl_display;
struct wl_seat;
struct wl_shm;
struct wl_subcompositor;
struct gtk_shell1;
struct zwp_pointer_constraints_v1;
struct zwp_relative_pointer_manager_v1;

struct WaylandGlobals {
    wl_display* pDisplay = nullptr;
    wl_compositor* pCompositor = nullptr;
    wl_subcompositor* pSubcompositor = nullptr;
    wl_shm* pShm = nullptr;
    wl_seat* pSeat = nullptr;
    zwp_pointer_constraints_v1* pConstraints = nullptr;
    zwp_relative_pointer_manager_v1* pRelativeManager = nullptr;
    gtk_shell1* pGtkShell = nullptr;  // GNOME's, to mark boxes modal
    // The seat's capabilities (WL_SEAT_CAPABILITY_*), known once bound, and
    // whom to tell when they change.
    uint32_t nSeatCapabilities = 0;
    std::function<void()> onSeatChanged;

    // Surfaces of our own can be shown.
    bool CanShowSurfaces() const { return pCompositor && pSubcompositor && pShm; }
};

// Nothing unless Qt runs on Wayland. Bound on first use with two round trips
// on Qt's connection (the globals, then the seat's capabilities); they live
// as long as the program.
WaylandGlobals* Wayland();

// The Wayland surface of a window Qt has made; nothing before that.
struct wl_surface* SurfaceOf(const QWindow* pWindow);

// Surface coordinates per game pixel (Qt's logical pixel) on pWindow: 1
// unless QT_SCALE_FACTOR scales Qt beyond what the compositor asks for.
qreal SurfaceScale(const QWindow* pWindow);

// A buffer over new shared memory of size pixels, 4 bytes each, in one of
// wl_shm's formats; the memory is mapped at pData. Nothing when none can be
// made. Free with FreeSharedBuffer.
struct SharedBuffer {
    wl_buffer* pBuffer = nullptr;
    void* pData = nullptr;
    std::size_t nBytes = 0;
};
SharedBuffer MakeSharedBuffer(QSize size, uint32_t nFormat);
void FreeSharedBuffer(const SharedBuffer& buffer);
