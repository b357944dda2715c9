#pragma once
// The hazards' random placement: rand() % nRange drawn as many times as the
// clock's seconds field, keeping the last draw; no draw at second 0.
#include "platform/Platform.h"

inline int DrawRepeated(Platform& platform, int nSeconds, int nRange, int nWhenNoDraw)
{
    int nValue = nWhenNoDraw;
    for (int i = 0; i < nSeconds; ++i) {
        nValue = platform.Rand() % nRange;
    }
    return nValue;
}
