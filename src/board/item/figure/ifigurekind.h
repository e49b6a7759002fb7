// The figure kinds: which figure a figure tool draws. The path figures use the
// same numbers, and tool bars and stored settings know them, so they never change.
#pragma once

namespace IFigureKind {

enum Kind : int {
    Line = 1,
    DashLine = 2,
    DotLine = 3,
    DashDotDotLine = 4,
    EndArrowLine = 5,
    EndDotLine = 6,
    DoubleArrowLine = 7,
    DoubleDotLine = 8,
    StartArrowLine = 9,
    StartDotLine = 10,
    Circle = 13,
    Ellipse = 14,
    Rectangle = 15,
    // What a figure tool draws before it is told a kind: nothing.
    NoFigure = 16,
    Parallelogram = 17,
    IsoscelesTriangle = 18,
    RegularTriangle = 19,
    Pentagon = 20,
    Hexagon = 21,
    Octagon = 22,
    Star = 23,
    Cube = 24,
    Cone = 25,
    Cylinder = 26,
    Dihedral = 28,
    Hemisphere = 29,
    TriangularPyramid = 30,
    Ball = 31,
    WaveLine = 32,
};

} // namespace IFigureKind
