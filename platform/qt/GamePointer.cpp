#include "platform/qt/GamePointer.h"

#include <QPixmap>
#include <QString>

#include "platform/qt/wayland/WaylandGerm.h"
#include "platform/qt/x11/X11Pointer.h"

std::unique_ptr<GamePointer> GamePointer::Create(QWidget& window)
{
    // The germ's picture, its point at the centre: the cursor on X11, the
    // surface the host shows on Wayland.
    const QPixmap pixGerm(QStringLiteral(":/res/cursor/130.png"));
    constexpr QPoint ptHotSpot(15, 15);
    if (std::unique_ptr<WaylandGerm> pGerm = WaylandGerm::Create(window, pixGerm, ptHotSpot))
        return pGerm;
    return std::make_unique<X11Pointer>(window, pixGerm, ptHotSpot);
}
