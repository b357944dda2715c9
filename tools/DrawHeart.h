#pragma once
// The host's heart, drawn as a specimen photograph on the game's red ground:
// 148 healthy, 150 the same heart infected (green). Ground pixels are exactly
// kHeartGround so the picture melts into the background.
#include <QImage>

inline constexpr QRgb kHeartGround = 0xFF960000;  // RGB(150, 0, 0)

struct HeartImages {
    QImage healthy;   // 199 x 223, Format_RGB888
    QImage infected;
};

HeartImages DrawHearts();
