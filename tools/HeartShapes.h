#pragma once
// The heart's anatomy in the bitmap's own pixels (199 x 223), seen from the
// front as an anatomy plate shows it: the patient's right is the picture's
// left, the apex points down and to the picture's right.
#include <QPainterPath>
#include <vector>

inline constexpr int kHeartWidth = 199;
inline constexpr int kHeartHeight = 223;

// A vessel along its centre line: a shaded tube, or a coronary vessel that
// narrows from dWidth to dEndWidth.
struct Tube {
    QPainterPath centre;
    double dWidth;
    double dEndWidth = 0.0;  // 0: same as dWidth
};

struct HeartShapes {
    // Behind the heart, drawn first.
    std::vector<Tube> backVessels;   // descending aorta, right pulmonary artery, pulmonary veins
    Tube superiorVenaCava;
    Tube inferiorVenaCava;
    Tube aorta;                      // ascending aorta and arch
    std::vector<Tube> archBranches;  // brachiocephalic, left common carotid, left subclavian
    Tube pulmonaryTrunk;
    Tube leftPulmonaryArtery;
    // Chambers.
    QPainterPath rightAtrium;
    QPainterPath rightAuricle;
    QPainterPath leftAuricle;
    QPainterPath ventricles;
    QPainterPath leftVentricle;      // the part right of the interventricular groove
    // Surface: fat in the grooves, then the coronary vessels in it.
    std::vector<Tube> fat;
    std::vector<Tube> arteries;
    std::vector<Tube> veins;
};

HeartShapes MakeHeartShapes();
