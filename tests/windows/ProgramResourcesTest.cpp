// The icon and the germ cursor inside vasculon.exe as built, read by the
// system's own loader: every size is there and draws the germ on nothing,
// and the cursor keeps its hot spot. The .ico and .cur are written by our
// own tool, so a slip in their directories or entries shows only here.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ResourceIds.h"
#include "platform/win32/GdiSurface.h"

namespace {

// The image drawn at its size over white: the share of green (the germ's
// disc) and the four corners, which the germ does not reach.
std::pair<double, std::vector<DWORD>> Draw(HICON hIcon, int nSize)
{
    GdiSurface surface(Size{nSize, nSize}, GdiSurface::kDefaultDpi);
    const RECT rc{0, 0, nSize, nSize};
    FillRect(surface.GetHdc(), &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(surface.GetHdc(), 0, 0, hIcon, nSize, nSize, 0, nullptr, DI_NORMAL);
    const std::span<const std::uint32_t> pixels = surface.GetBits();
    int nGreen = 0;
    for (const std::uint32_t px : pixels)  // 0x00RRGGBB
        nGreen += (px >> 8 & 0xFF) > 96 && (px >> 16 & 0xFF) < 64 && (px & 0xFF) < 64;
    std::vector<DWORD> corners;
    for (const int n : {0, nSize - 1, nSize * (nSize - 1), nSize * nSize - 1})
        corners.push_back(pixels[n] & 0xFFFFFF);
    return {double(nGreen) / (nSize * nSize), corners};
}

struct Image {
    bool bIcon;
    int nId, nSize;
    double dGreenAtLeast;
};

TEST(ProgramResources, EveryIconSizeAndTheCursorDrawTheGermOnNothing)
{
    HMODULE hProgram = LoadLibraryExW(L"" VASCULON_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(hProgram, nullptr) << VASCULON_EXE;
    const Image images[] = {{true, ids::kIcon, 16, 0.4},  {true, ids::kIcon, 32, 0.4},  {true, ids::kIcon, 48, 0.4},
                            {true, ids::kIcon, 64, 0.4},  {true, ids::kIcon, 128, 0.4}, {true, ids::kIcon, 256, 0.4},
                            {false, ids::kGermCursor, 32, 0.3}};
    for (const Image& image : images) {
        SCOPED_TRACE(testing::Message() << image.nId << " at " << image.nSize);
        // The group must hold this very size: the loader would scale another.
        HRSRC hGroup = FindResourceW(hProgram, MAKEINTRESOURCEW(image.nId), image.bIcon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
        ASSERT_NE(hGroup, nullptr);
        auto* pGroup = static_cast<BYTE*>(LockResource(LoadResource(hProgram, hGroup)));
        const int nEntry =
            LookupIconIdFromDirectoryEx(pGroup, image.bIcon, image.nSize, image.nSize, LR_DEFAULTCOLOR);
        HRSRC hEntry = FindResourceW(hProgram, MAKEINTRESOURCEW(nEntry), image.bIcon ? RT_ICON : RT_CURSOR);
        ASSERT_NE(hEntry, nullptr);
        HICON hIcon = CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(LoadResource(hProgram, hEntry))),
                                               SizeofResource(hProgram, hEntry), image.bIcon, 0x00030000, 0, 0,
                                               LR_DEFAULTCOLOR);
        ASSERT_NE(hIcon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(hIcon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, image.nSize) << "the entry the loader picks";
        if (!image.bIcon) {
            EXPECT_EQ((std::pair{info.xHotspot, info.yHotspot}),
                      (std::pair<DWORD, DWORD>{ids::kGermHotSpot, ids::kGermHotSpot}));
        }
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        const auto [dGreen, corners] = Draw(hIcon, image.nSize);
        EXPECT_GT(dGreen, image.dGreenAtLeast);
        EXPECT_EQ(corners, std::vector<DWORD>(4, 0xFFFFFF));
        DestroyIcon(hIcon);
    }
    FreeLibrary(hProgram);
}

}  // namespace
