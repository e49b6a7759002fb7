// The filters a picture can be taken through; callers pass the number.
#pragma once

enum FilterKind : int {
    FilterNone = 1,
    FilterGray = 2,
    FilterBlackWhite = 3,
    FilterSharpen = 4,
    FilterSketch = 5,
    FilterRelief = 6,
};
