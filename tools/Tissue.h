#pragma once
// The colours of the heart's tissues: shadow, body and lit tone of each.
#include <QColor>

struct Tissue {
    QColor shadow;
    QColor body;
    QColor light;
};

inline const Tissue kMuscle{{84, 20, 28}, {170, 58, 56}, {222, 120, 104}};
inline const Tissue kLeftMuscle{{74, 16, 26}, {150, 46, 50}, {198, 96, 88}};
inline const Tissue kAtrium{{60, 18, 42}, {134, 50, 78}, {192, 100, 120}};
inline const Tissue kAorta{{132, 84, 82}, {220, 176, 156}, {250, 230, 212}};
inline const Tissue kPulmonary{{116, 62, 74}, {204, 142, 140}, {242, 206, 196}};
inline const Tissue kVenaCava{{48, 40, 84}, {100, 88, 150}, {164, 156, 206}};
inline const Tissue kBackVessel{{58, 24, 48}, {114, 58, 90}, {158, 108, 138}};
inline const Tissue kFat{{190, 148, 70}, {232, 206, 128}, {252, 240, 186}};
inline const Tissue kArtery{{96, 18, 22}, {192, 66, 58}, {236, 152, 132}};
inline const Tissue kVein{{40, 32, 76}, {92, 86, 152}, {152, 148, 204}};
inline const QColor kOutline(52, 8, 16, 200);
