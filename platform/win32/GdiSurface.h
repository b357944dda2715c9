#pragma once
// The pixels a frame is drawn on: a GDI memory context with a 32-bit,
// top-down DIB section selected, set up for the device's scale. At 96 dots
// per inch a game pixel is a device pixel; at other scales a mapping mode
// scales every coordinate and pen, and text takes the default font's face
// at the scaled size, so the frame stays sharp.
#include "platform/win32/WinApi.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/Geometry.h"
#include "platform/win32/EllipseStamps.h"

class GdiSurface {
public:
    static constexpr int kDefaultDpi = 96;

    // Black. sizeGame is in the game's pixels; nDpi gives the device's.
    GdiSurface(Size sizeGame, int nDpi);
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC GetHdc() const { return m_hdc; }
    Size GetGameSize() const { return m_sizeGame; }
    Size GetDeviceSize() const { return m_sizeDevice; }
    int GetDpi() const { return m_nDpi; }
    // The device pixels, 0x00RRGGBB, top row first, once GDI has drawn all
    // it was asked to.
    std::span<std::uint32_t> GetBits() const;

    // Coordinates in the game's pixels, scaled (as made), or in the device's
    // (to be copied from).
    void UseGamePixels();
    void UseDevicePixels();

    // A surface drawn on before still shows that frame: it is blacked out
    // before it is drawn on or read again, unless it is first covered whole.
    void MarkStale() { m_bStale = true; }
    void Unveil();
    void MarkCovered() { m_bStale = false; }

    // The ellipse in rc, game pixels, copied from its stamp in these colours
    // as GDI would draw it with a solid pen nPenWidth wide; false when no
    // stamp serves and GDI is to draw it. The stamps stay with the surface,
    // so each frame copies those of the frames before.
    bool CopyEllipse(const Rect& rc, int nPenWidth, Rgb rgbPen, Rgb rgbBrush)
    {
        return m_ellipseStamps.Draw(GetBits(), m_sizeDevice, rc, nPenWidth, rgbPen, rgbBrush);
    }

private:
    void SelectScaledFont();

    Size m_sizeGame;
    Size m_sizeDevice;
    int m_nDpi;
    HDC m_hdc = nullptr;
    HBITMAP m_hbmSurface = nullptr;
    HGDIOBJ m_hbmInitial = nullptr;  // selected back before the surface is freed
    std::uint32_t* m_pBits = nullptr;  // top-down rows of m_sizeDevice.cx pixels
    HFONT m_hfont = nullptr;  // only at scales other than 100 %
    bool m_bStale = false;
    EllipseStamps m_ellipseStamps;
};

// The surfaces kept between the window's frames: a fresh client-sized DIB
// section for every frame costs more than drawing the frame. A surface is
// lent to one frame at a time (a frame nested inside another, under a modal
// box, gets one of its own); one of another size or scale is not kept.
class GdiSurfaces {
public:
    // The frame being drawn and one nested in it.
    static constexpr std::size_t kKept = 2;

    std::unique_ptr<GdiSurface> Lend(Size sizeGame, int nDpi);
    void GiveBack(std::unique_ptr<GdiSurface> pSurface);

private:
    std::vector<std::unique_ptr<GdiSurface>> m_free;
};
