#pragma once
// Shows finished frames on the play area without Qt's painting: the
// windowing system reads them straight from memory it shares with us, the
// frames having been drawn there (the presenter is the frame surfaces'
// SurfaceMemory). X11Presenter on X11, WaylandPresenter on Wayland.
#include <QImage>
#include <array>
#include <cstddef>
#include <optional>
#include <unordered_map>

#include "platform/qt/QtDrawingContext.h"

class FramePresenter : public SurfaceMemory {
public:
    // Shows image (device pixels, 32-bit) at the play area's top-left; one
    // not made here is copied to shared memory first. False when it could
    // not: the caller paints through Qt from then on.
    virtual bool Present(const QImage& image) = 0;

protected:
    // image when this presenter made it; any other is copied into one of two
    // shared images, one the screen let go of. Null when none can be made;
    // nothing while the screen reads both (the frame is then not shown).
    std::optional<QImage> Shareable(const QImage& image);

private:
    std::array<QImage, 2> m_copies;
};

// The blocks of shared memory under live images, by their memory, to know
// an image of ours by its bits. Touched on the GUI thread only.
template <typename Block>
class BlocksByMemory {
public:
    static void Add(const void* pData, Block* pBlock) { Map()[pData] = pBlock; }
    static void Remove(const void* pData) { Map().erase(pData); }
    static Block* Of(const QImage& image)
    {
        const auto it = Map().find(image.constBits());
        return it == Map().end() ? nullptr : it->second;
    }

private:
    static std::unordered_map<const void*, Block*>& Map()
    {
        static std::unordered_map<const void*, Block*> blocks;
        return blocks;
    }
};
