// The icon and the germ cursor inside vasculon.exe as built, read by the
// system's own loader: every size of the icon is there and draws the germ on
// nothing, and the cursor keeps its hot spot. The .ico and .cur are written
// by our own tool, so a slip in their directory or masks shows only here.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ResourceIds.h"

namespace {

struct Module {
    HMODULE h = LoadLibraryExW(L"" VASCULON_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ~Module() { FreeLibrary(h); }
};

// The icon drawn at its size over white: the share of green (the germ's disc)
// and the four corners, which the germ does not reach.
struct Drawn {
    double dGreen = 0;
    std::vector<COLORREF> corners;
};

Drawn Draw(HICON hIcon, int nSize)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nSize;
    bmi.bmiHeader.biHeight = -nSize;  // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hdc, hbm);
    const RECT rc{0, 0, nSize, nSize};
    FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(hdc, 0, 0, hIcon, nSize, nSize, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const auto* pPixels = static_cast<const DWORD*>(pBits);
    Drawn drawn;
    int nGreen = 0;
    for (int n = 0; n < nSize * nSize; ++n) {
        const DWORD px = pPixels[n] & 0xFFFFFF;  // 0xRRGGBB
        nGreen += (px >> 8 & 0xFF) > 96 && (px >> 16) < 64 && (px & 0xFF) < 64;
    }
    drawn.dGreen = double(nGreen) / (nSize * nSize);
    for (const int n : {0, nSize - 1, nSize * (nSize - 1), nSize * nSize - 1})
        drawn.corners.push_back(pPixels[n] & 0xFFFFFF);
    SelectObject(hdc, hOld);
    DeleteObject(hbm);
    DeleteDC(hdc);
    return drawn;
}

TEST(ProgramResources, TheIconHasEverySizeAndDrawsTheGermOnNothing)
{
    Module program;
    ASSERT_NE(program.h, nullptr) << VASCULON_EXE;
    for (const int nSize : {16, 32, 48, 64, 128, 256}) {
        // The icon group must hold this very size: the loader would scale another.
        HRSRC hGroup = FindResourceW(program.h, MAKEINTRESOURCEW(ids::kIcon), RT_GROUP_ICON);
        ASSERT_NE(hGroup, nullptr);
        auto* pDirectory = static_cast<BYTE*>(LockResource(LoadResource(program.h, hGroup)));
        const int nEntry = LookupIconIdFromDirectoryEx(pDirectory, TRUE, nSize, nSize, LR_DEFAULTCOLOR);
        HRSRC hEntry = FindResourceW(program.h, MAKEINTRESOURCEW(nEntry), RT_ICON);
        ASSERT_NE(hEntry, nullptr) << nSize;
        auto* pEntry = static_cast<BYTE*>(LockResource(LoadResource(program.h, hEntry)));
        HICON hIcon = CreateIconFromResourceEx(pEntry, SizeofResource(program.h, hEntry), TRUE, 0x00030000, 0, 0,
                                               LR_DEFAULTCOLOR);
        ASSERT_NE(hIcon, nullptr) << nSize;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(hIcon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, nSize) << "the entry the loader picks for " << nSize;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        const Drawn drawn = Draw(hIcon, nSize);
        EXPECT_GT(drawn.dGreen, 0.4) << nSize;
        EXPECT_EQ(drawn.corners, std::vector<COLORREF>(4, 0xFFFFFF)) << nSize;
        DestroyIcon(hIcon);
    }
}

TEST(ProgramResources, TheGermCursorKeepsItsHotSpot)
{
    Module program;
    ASSERT_NE(program.h, nullptr) << VASCULON_EXE;
    HCURSOR hCursor = static_cast<HCURSOR>(
        LoadImageW(program.h, MAKEINTRESOURCEW(ids::kGermCursor), IMAGE_CURSOR, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(hCursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hCursor, &info));
    EXPECT_EQ((std::pair{info.xHotspot, info.yHotspot}), (std::pair<DWORD, DWORD>{ids::kGermHotSpot, ids::kGermHotSpot}));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    const Drawn drawn = Draw(hCursor, 32);
    EXPECT_GT(drawn.dGreen, 0.3);
    EXPECT_EQ(drawn.corners, std::vector<COLORREF>(4, 0xFFFFFF));
    DestroyCursor(hCursor);
}

}  // namespace
