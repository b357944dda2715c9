#include "tools/HeartShapes.h"

#include <array>
#include <initializer_list>

namespace {

QPainterPath Line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath Curve(QPointF from, QPointF c1, QPointF c2, QPointF to)
{
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    return path;
}

// A closed outline through cubic segments: start, then (c1, c2, end) triples.
QPainterPath Outline(QPointF start, std::initializer_list<std::array<QPointF, 3>> segments)
{
    QPainterPath path(start);
    for (const auto& s : segments) {
        path.cubicTo(s[0], s[1], s[2]);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Ventricles()
{
    return Outline({58, 116}, {{{{70, 106}, {88, 101}, {103, 100}}},
                               {{{105, 92}, {109, 85}, {118, 84}}},  // the outflow cone
                               {{{127, 84}, {131, 91}, {133, 99}}},
                               {{{146, 99}, {160, 100}, {170, 106}}},
                               {{{190, 116}, {195, 146}, {185, 172}}},
                               {{{177, 192}, {163, 206}, {151, 212}}},
                               {{{143, 216}, {131, 214}, {118, 208}}},
                               {{{100, 200}, {78, 192}, {64, 180}}},
                               {{{52, 168}, {47, 148}, {49, 134}}},
                               {{{50, 126}, {53, 120}, {58, 116}}}});
}

// The left ventricle: the ventricles right of the anterior groove.
QPainterPath LeftVentricle(const QPainterPath& ventricles)
{
    const QPainterPath right = Outline({147, 96}, {{{{140, 130}, {138, 172}, {150, 214}}},
                                                   {{{170, 214}, {199, 214}, {199, 214}}},
                                                   {{{199, 150}, {199, 96}, {199, 96}}}});
    return right.intersected(ventricles);
}

QPainterPath RightAtrium()
{
    return Outline({78, 92}, {{{{52, 82}, {30, 100}, {30, 128}}},
                              {{{30, 156}, {42, 176}, {66, 184}}},
                              {{{60, 160}, {58, 130}, {80, 110}}}});
}

// The ear-shaped flap that hugs the root of the aorta; its rim is scalloped.
QPainterPath RightAuricle()
{
    return Outline({58, 104}, {{{{64, 92}, {80, 86}, {92, 90}}},
                              {{{98, 92}, {96, 96}, {102, 98}}},
                              {{{108, 101}, {102, 104}, {106, 108}}},
                              {{{96, 114}, {80, 112}, {64, 118}}}});
}

QPainterPath LeftAuricle()
{
    return Outline({145, 96}, {{{{150, 84}, {168, 82}, {178, 89}}},
                               {{{182, 93}, {176, 96}, {181, 101}}},
                               {{{178, 108}, {160, 111}, {145, 105}}}});
}

}  // namespace

HeartShapes MakeHeartShapes()
{
    HeartShapes heart;
    heart.backVessels = {
        {Line({154, 60}, {157, 100}), 20},  // descending aorta, behind
        {Line({100, 74}, {62, 68}), 13},    // right pulmonary artery, under the arch
        {Line({170, 93}, {193, 88}), 9},    // left pulmonary veins
        {Line({172, 104}, {194, 108}), 9},
    };
    heart.superiorVenaCava = {Curve({70, 104}, {68, 74}, {66, 46}, {68, 18}), 23};
    heart.inferiorVenaCava = {Line({60, 168}, {58, 204}), 21};
    heart.aorta = {Curve({100, 112}, {90, 80}, {84, 36}, {114, 30}), 24};
    heart.aorta.centre.cubicTo(QPointF(142, 25), QPointF(156, 36), QPointF(155, 66));
    heart.archBranches = {
        {Curve({100, 32}, {98, 22}, {94, 14}, {90, 6}), 12},
        {Curve({119, 28}, {119, 20}, {120, 12}, {121, 6}), 9},
        {Curve({136, 30}, {139, 22}, {143, 14}, {148, 7}), 10},
    };
    heart.pulmonaryTrunk = {Curve({118, 104}, {117, 90}, {122, 76}, {140, 62}), 25};
    heart.leftPulmonaryArtery = {Curve({136, 66}, {150, 56}, {166, 58}, {182, 60}), 14};

    heart.rightAtrium = RightAtrium();
    heart.rightAuricle = RightAuricle();
    heart.leftAuricle = LeftAuricle();
    heart.ventricles = Ventricles();
    heart.leftVentricle = LeftVentricle(heart.ventricles);

    // Fat lies thick in the grooves near the base and thins towards the apex.
    heart.fat = {
        {Curve({56, 122}, {70, 110}, {88, 104}, {104, 103}), 13, 10},
        {Curve({132, 101}, {146, 100}, {160, 101}, {174, 108}), 11, 8},
        {Curve({106, 92}, {114, 86}, {124, 86}, {132, 94}), 6, 5},  // collar of the pulmonary trunk
        {Curve({92, 112}, {70, 124}, {57, 150}, {64, 178}), 12, 7},
        {Curve({147, 100}, {140, 130}, {138, 168}, {148, 206}), 11, 3},
    };
    heart.arteries = {
        {Curve({146, 102}, {139, 132}, {137, 172}, {147, 208}), 3.4, 1.0},  // anterior descending
        {Curve({142, 128}, {152, 136}, {164, 144}, {178, 158}), 2.2, 0.8},  // diagonals
        {Curve({139, 156}, {150, 166}, {160, 180}, {168, 194}), 1.9, 0.7},
        {Curve({140, 118}, {128, 124}, {116, 128}, {104, 130}), 1.6, 0.6},  // to the right ventricle
        {Curve({96, 112}, {72, 124}, {58, 150}, {65, 176}), 3.2, 2.4},      // right coronary
        {Curve({65, 176}, {80, 190}, {100, 198}, {120, 205}), 2.4, 1.0},
        {Curve({62, 140}, {76, 152}, {90, 166}, {98, 186}), 2.0, 0.8},      // right marginal
    };
    heart.veins = {
        {Curve({151, 104}, {144, 134}, {142, 172}, {151, 206}), 2.8, 1.2},  // great cardiac vein
        {Curve({94, 126}, {82, 142}, {78, 162}, {84, 184}), 2.2, 0.9},      // anterior cardiac veins
        {Curve({174, 118}, {172, 140}, {168, 160}, {163, 180}), 2.2, 0.9},  // left marginal vein
    };
    return heart;
}
