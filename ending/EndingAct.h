#pragma once
// What the Ending Act keeps from one frame to the next and from one run to
// the next. It lives in the game window so that two windows never share it.
#include "platform/Geometry.h"

struct EndingActValues {
    static constexpr int kHeartBitmapWidth = 199;
    static constexpr int kHeartBitmapHeight = 223;
    static constexpr int kRestingSize = 333;

    int s_nHeartSize = kRestingSize;       // drawn width, and height except while beating
    int s_nHeartTop = -kHeartBitmapHeight;  // the heart starts wholly above the window
    int s_nStartTop = -kHeartBitmapHeight;
    int s_nBeat = 0;                       // swings between -2 and 2
    int s_bGrowing = 1;
    int s_bShakeRight = 1;
    Rect s_rcSplatter{0, 0, 0, 0};         // kept after the act ends
};
