#include "platform/win32/ResourceBitmaps.h"

ResourceBitmaps::~ResourceBitmaps()
{
    for (const auto& [nId, hbm] : m_mapBitmaps) {
        if (hbm != nullptr)
            ::DeleteObject(hbm);
    }
}

HBITMAP ResourceBitmaps::GetBitmap(int nBitmapId)
{
    const auto [it, bNew] = m_mapBitmaps.try_emplace(nBitmapId, nullptr);
    if (bNew) {
        it->second = static_cast<HBITMAP>(
            ::LoadImageW(m_hInstance, MAKEINTRESOURCEW(nBitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    return it->second;
}
