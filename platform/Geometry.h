#pragma once
// The game's own geometry: signed 32-bit pixels. A Rect is left, top, right,
// bottom, as the game reasons about boxes and edges; nothing here knows Qt.
#include <cstdint>

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    // Edges count as inside: the hazards' contact rule.
    bool ContainsInclusive(Point pt) const
    {
        return left <= pt.x && pt.x <= right && top <= pt.y && pt.y <= bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// -1, 0 or 1: the way to go from nFrom to reach nTo on one axis.
inline int SignToward(std::int32_t nFrom, std::int32_t nTo)
{
    return (nFrom < nTo) - (nFrom > nTo);
}

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
