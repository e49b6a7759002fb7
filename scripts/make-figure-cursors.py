#!/usr/bin/env python3
"""Draws the figure tool cursors into res/cursors/ with ImageMagick.

Each cursor is 32 x 32: a cross-hair whose centre is the hot spot, and in the
lower right a small picture of the figure the tool draws, on a white tile so
that it shows on dark and light pictures alike. Run it again after changing a
picture; the PNG files are kept in the repository.
"""

import math
import os
import subprocess
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "cursors")

# The tile holding the figure picture: x and y from 18 to 31.
L, T, R, B = 19.5, 19.5, 30.5, 30.5
CX, CY = (L + R) / 2, (T + B) / 2
INK = "#1a1a1a"


def poly(points):
    return " ".join("%.2f,%.2f" % p for p in points)


def regular(n, start_deg, r=5.2):
    return [(CX + r * math.cos(math.radians(start_deg + i * 360.0 / n)),
             CY - r * math.sin(math.radians(start_deg + i * 360.0 / n))) for i in range(n)]


def star():
    outer = regular(5, 90, 5.6)
    inner = regular(5, 90 + 36, 2.3)
    points = []
    for o, i in zip(outer, inner):
        points += [o, i]
    return points


def solid(line):
    return ["-stroke", INK, "-strokewidth", "1", "-fill", "none", "-draw", line]


def dashed(line):
    return ["-stroke", INK, "-strokewidth", "1", "-fill", "none",
            "-draw", "stroke-dasharray 1.5 1.5 " + line, "-draw", "stroke-dasharray"]


def arrowhead(tip, back):
    # A small filled triangle pointing from `back` to `tip`.
    dx, dy = tip[0] - back[0], tip[1] - back[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    base = (tip[0] - 3.5 * ux, tip[1] - 3.5 * uy)
    left = (base[0] + 2.2 * uy, base[1] - 2.2 * ux)
    right = (base[0] - 2.2 * uy, base[1] + 2.2 * ux)
    return ["-stroke", INK, "-strokewidth", "0.6", "-fill", INK, "-draw", "polygon " + poly([tip, left, right])]


LINE_START, LINE_END = (L + 0.5, B - 0.5), (R - 0.5, T + 0.5)

FIGURES = {
    "fe_line_line": solid("line %s" % poly([LINE_START, LINE_END])),
    "fe_line_dashline": dashed("line %s" % poly([LINE_START, LINE_END])),
    "fe_line_startarrowline": solid("line %s" % poly([LINE_START, LINE_END]))
    + arrowhead(LINE_END, LINE_START),
    "fe_line_doublearrowline": solid("line %s" % poly([LINE_START, LINE_END]))
    + arrowhead(LINE_END, LINE_START) + arrowhead(LINE_START, LINE_END),
    "fe_2d_circl": solid("circle %.2f,%.2f %.2f,%.2f" % (CX, CY, CX + 5, CY)),
    "fe_2d_rectangle": solid("rectangle %.2f,%.2f %.2f,%.2f" % (L + 0.5, T + 2, R - 0.5, B - 2)),
    "fe_2d_parallelquadrilateral": solid("polygon " + poly(
        [(L + 0.5, T + 2), (R - 3.5, T + 2), (R - 0.5, B - 2), (L + 3.5, B - 2)])),
    "fe_2d_tri": solid("polygon " + poly([(CX, T + 0.5), (R - 0.5, B - 1), (L + 0.5, B - 1)])),
    "fe_2d_pentagon": solid("polygon " + poly(regular(5, 90))),
    "fe_2d_hexagon": solid("polygon " + poly(regular(6, 0))),
    "fe_2d_octagon": solid("polygon " + poly(regular(8, 90))),
    "fe_2d_star": solid("polygon " + poly(star())),
    # Front square, top and right faces; the three edges behind dashed.
    "fe_3d_cube": solid("rectangle %.2f,%.2f %.2f,%.2f" % (L + 0.5, T + 4, R - 4, B - 0.5))
    + solid("polyline " + poly([(L + 0.5, T + 4), (L + 4, T + 0.5), (R - 0.5, T + 0.5), (R - 4, T + 4)]))
    + solid("polyline " + poly([(R - 0.5, T + 0.5), (R - 0.5, B - 4), (R - 4, B - 0.5)]))
    + dashed("polyline " + poly([(L + 4, T + 0.5), (L + 4, B - 4), (R - 0.5, B - 4)]))
    + dashed("line " + poly([(L + 4, B - 4), (L + 0.5, B - 0.5)])),
    "fe_3d_cone": solid("polyline " + poly([(L + 0.5, B - 2), (CX, T + 0.5), (R - 0.5, B - 2)]))
    + solid("ellipse %.2f,%.2f 5,1.6 0,180" % (CX, B - 2))
    + dashed("ellipse %.2f,%.2f 5,1.6 180,360" % (CX, B - 2)),
    "fe_3d_cylinder": solid("ellipse %.2f,%.2f 5,1.6 0,360" % (CX, T + 2))
    + solid("line %s" % poly([(L + 0.5, T + 2), (L + 0.5, B - 2)]))
    + solid("line %s" % poly([(R - 0.5, T + 2), (R - 0.5, B - 2)]))
    + solid("ellipse %.2f,%.2f 5,1.6 0,180" % (CX, B - 2))
    + dashed("ellipse %.2f,%.2f 5,1.6 180,360" % (CX, B - 2)),
    "fe_3d_dihedral": solid("polyline " + poly([(L + 0.5, B - 4), (L + 0.5, T + 0.5), (CX, T + 4), (CX, B - 0.5),
                                                (R - 0.5, B - 4), (R - 0.5, T + 0.5), (CX, T + 4)]))
    + solid("line %s" % poly([(CX, B - 0.5), (L + 0.5, B - 4)])),
    "fe_3d_hemispheres": solid("ellipse %.2f,%.2f 5,5 180,360" % (CX, CY + 2.5))
    + solid("ellipse %.2f,%.2f 5,1.6 0,180" % (CX, CY + 2.5))
    + dashed("ellipse %.2f,%.2f 5,1.6 180,360" % (CX, CY + 2.5)),
    "fe_3d_triangularpyramid": solid("polygon " + poly([(L + 0.5, B - 0.5), (CX, T + 0.5), (R - 0.5, B - 0.5)]))
    + dashed("polyline " + poly([(L + 0.5, B - 0.5), (CX, B - 4), (R - 0.5, B - 0.5)]))
    + dashed("line " + poly([(CX, B - 4), (CX, T + 0.5)])),
    "fe_3d_ball": ["-stroke", INK, "-strokewidth", "1", "-fill", "#e02020",
                   "-draw", "circle %.2f,%.2f %.2f,%.2f" % (CX, CY, CX + 5.3, CY)]
    + solid("ellipse %.2f,%.2f 5.3,1.6 0,180" % (CX, CY))
    + dashed("ellipse %.2f,%.2f 5.3,1.6 180,360" % (CX, CY)),
}

# The cross-hair: four arms around the hot spot (16, 16), dark on a white rim.
CROSS = [((16, 3), (16, 12)), ((16, 20), (16, 29)), ((3, 16), (12, 16)), ((20, 16), (29, 16))]


def crosshair():
    args = []
    for width, colour in ((3, "white"), (1, INK)):
        args += ["-stroke", colour, "-strokewidth", str(width), "-fill", "none"]
        for a, b in CROSS:
            args += ["-draw", "line %s" % poly([(a[0] + 0.5, a[1] + 0.5), (b[0] + 0.5, b[1] + 0.5)])]
    args += ["-stroke", "none", "-fill", INK, "-draw", "point 16,16"]
    return args


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, figure in sorted(FIGURES.items()):
        tile = ["-stroke", "#8a8a8a", "-strokewidth", "1", "-fill", "#ffffffee",
                "-draw", "roundrectangle 17.5,17.5 31.5,31.5 2,2"]
        command = (["convert", "-size", "32x32", "xc:none"] + crosshair() + tile + figure
                   + ["-define", "png:color-type=6", os.path.join(OUT, name + ".png")])
        subprocess.run(command, check=True)
    print("wrote %d cursors to %s" % (len(FIGURES), os.path.normpath(OUT)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
