#include "platform/qt/wayland/ModalMarking.h"

#include <QEvent>
#include <QWindow>
#include <wayland-client.h>

#include "gtk-shell-client-protocol.h"
#include "platform/qt/wayland/WaylandGlobals.h"

namespace {

// Marks its window on the first exposure: Qt makes the toplevel only after
// the window is shown, and the compositor places the window when its first
// picture, which follows the exposure, arrives.
class ModalMarker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        auto* pWindow = static_cast<QWindow*>(pWatched);
        if (pEvent->type() != QEvent::Expose || !pWindow->isExposed())
            return false;
        const WaylandGlobals* pGlobals = Wayland();
        if (wl_surface* pSurface = SurfaceOf(pWindow); pGlobals && pGlobals->pGtkShell && pSurface) {
            // A client proxy only: the compositor lets it go with the surface.
            gtk_surface1* pGtkSurface = gtk_shell1_get_gtk_surface(pGlobals->pGtkShell, pSurface);
            gtk_surface1_set_modal(pGtkSurface);
            QObject::connect(pWindow, &QObject::destroyed, [pGtkSurface] { gtk_surface1_destroy(pGtkSurface); });
        }
        deleteLater();
        pWindow->removeEventFilter(this);
        return false;
    }
};

}  // namespace

void MarkModal(QWindow* pBox)
{
    if (Wayland() && Wayland()->pGtkShell && pBox)
        pBox->installEventFilter(new ModalMarker(pBox));
}
