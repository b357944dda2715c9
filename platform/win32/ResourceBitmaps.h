#pragma once
// The heart bitmaps from the program's resources, loaded on first use and
// kept for the program's life: the Ending Act draws one every frame.
#include <map>

#include "platform/win32/GdiDrawingContext.h"

class ResourceBitmaps final : public BitmapSource {
public:
    explicit ResourceBitmaps(HINSTANCE hInstance) : m_hInstance(hInstance) {}
    ~ResourceBitmaps() override;
    ResourceBitmaps(const ResourceBitmaps&) = delete;
    ResourceBitmaps& operator=(const ResourceBitmaps&) = delete;

    HBITMAP GetBitmap(int nBitmapId) override;

private:
    HINSTANCE m_hInstance;
    std::map<int, HBITMAP> m_mapBitmaps;  // null for a bitmap that is not there
};
