// The board's tool numbers, shared by the tool bars, the service and the mode manager.
#pragma once

namespace TK_IBOARD_ENUM {

// Tool bars and saved settings refer to tools by these numbers, so they never
// change. Figure tools are named after what they draw; the numbers between
// them select no tool of their own.
enum ModeType : int {
    NoneMode = 0,
    SelectorMode = 1,
    TextMode = 2,
    PathEraserMode = 3,
    ObjectEraserMode = 4,
    PencilMode = 5,
    // Drawn in the ink colour and width, like the pencil's strokes.
    LineMode = 9,
    CircleMode = 19,
    EllipseMode = 20,
    RectangleMode = 21,
    IsoscelesTriangleMode = 24,
    // Drawn in the figure colours and thickness.
    DottedLineMode = 11,
    EndArrowLineMode = 13,
    StartArrowLineMode = 15,
    DoubleArrowLineMode = 17,
    ParallelogramMode = 23,
    RegularTriangleMode = 25,
    PentagonMode = 26,
    HexagonMode = 27,
    OctagonMode = 28,
    StarMode = 29,
    WaveLineMode = 30,
    CubeMode = 32,
    ConeMode = 33,
    CylinderMode = 34,
    DihedralMode = 36,
    HemisphereMode = 37,
    TriangularPyramidMode = 38,
    BallMode = 39,
};

} // namespace TK_IBOARD_ENUM
