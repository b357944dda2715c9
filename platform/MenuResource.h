#pragma once
// The game window: its caption, client size and menu bar (titles, items
// and their command ids).
#include <array>

#include "platform/Geometry.h"
#include "platform/ResourceIds.h"

struct MenuItem {
    int nCommandId;
    const char* pszText;
};

inline constexpr const char* kWindowCaption = "Vasculon";
// The client area of the original dialog: 326 x 358 dialog units at 6 x 13
// base units. The game takes all its geometry from it.
inline constexpr Size kClientSize{489, 581};
inline constexpr const char* kStartMenuTitle = "Start";
inline constexpr const char* kHelpMenuTitle = "Help";

inline constexpr std::array<MenuItem, 11> kStartMenu{{
    {32771, "New Game"},
    {32772, "Level 2"},
    {32773, "Level 3"},
    {32774, "Level 4"},
    {32775, "Level 5"},
    {32776, "Level 6"},
    {32777, "Level 7"},
    {32778, "Level 8"},
    {32779, "Level 9"},
    {32780, "Final Level"},
    {32781, "Ending Act"},
}};

inline constexpr std::array<MenuItem, 2> kHelpMenu{{
    {ids::kInstructions, "Instructions"},
    {ids::kAbout, "About Vasculon"},
}};
