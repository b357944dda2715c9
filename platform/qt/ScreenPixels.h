#pragma once
// Game pixels against the screen's device pixels. At a scale factor Qt
// rounds the pointer and the window's outer frame into its scaled pixels
// differently, by a device pixel, and the game's wall test compares them:
// read in device pixels (x_server) and converted here, both are rounded one
// way.
#include <QPoint>
#include <QScreen>
#include <QWidget>

#include "platform/DevicePixels.h"

namespace screen_pixels {

// One axis, counted from the screen's top-left (the same in both): the one
// rule every host converts by.
using device_pixels::ToDevicePixel;
using device_pixels::ToGamePixel;

// A point from one kind of pixel to the other with ToGamePixel or
// ToDevicePixel, axis by axis, counted from the screen's top-left ptOrigin.
inline QPoint Rescaled(QPoint pt, QPoint ptOrigin, qreal dRatio, int (*pfnAxis)(int, qreal))
{
    const QPoint ptFromOrigin = pt - ptOrigin;
    return ptOrigin + QPoint(pfnAxis(ptFromOrigin.x(), dRatio), pfnAxis(ptFromOrigin.y(), dRatio));
}

// The device step that puts a pointer read at ptDeviceRead on the first
// device pixel of game pixel ptTarget. Worked out from the device reading,
// not between game pixels: a pointer may sit anywhere inside its game pixel,
// and a step between first pixels then lands one game pixel off. Exact when
// the player has not moved since the reading; whatever they moved is kept.
inline QPoint StepOnto(QPoint ptTarget, QPoint ptDeviceRead, QPoint ptOrigin, qreal dRatio)
{
    return Rescaled(ptTarget, ptOrigin, dRatio, ToDevicePixel) - ptDeviceRead;
}

// The top-left of the screen widget is on, which both kinds of pixel share.
inline QPoint ScreenOrigin(const QWidget& widget)
{
    return widget.screen() ? widget.screen()->geometry().topLeft() : QPoint();
}

// A point on widget's screen from one kind of pixel to the other, with
// ToGamePixel or ToDevicePixel.
inline QPoint Rescaled(const QWidget& widget, QPoint pt, int (*pfnAxis)(int, qreal))
{
    return Rescaled(pt, ScreenOrigin(widget), widget.devicePixelRatioF(), pfnAxis);
}

}  // namespace screen_pixels
