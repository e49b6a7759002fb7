// The board's tool numbers, shared by the tool bars, the service and the mode manager.
#pragma once

namespace TK_IBOARD_ENUM {

// Tool bars and saved settings refer to tools by these numbers, so they never change.
enum ModeType : int {
    NoneMode = 0,
    SelectorMode = 1,
    TextMode = 2,
    PathEraserMode = 3,
    ObjectEraserMode = 4,
    PencilMode = 5,
    PathFigureMode9 = 9,
    FigureMode11 = 11,
    FigureMode13 = 13,
    FigureMode15 = 15,
    FigureMode17 = 17,
    PathFigureMode19 = 19,
    PathFigureMode20 = 20,
    PathFigureMode21 = 21,
    FigureMode23 = 23,
    PathFigureMode24 = 24,
    FigureMode25 = 25,
    FigureMode29 = 29,
    FigureMode30 = 30,
    FigureMode32 = 32,
    FigureMode33 = 33,
    FigureMode34 = 34,
    FigureMode36 = 36,
    FigureMode39 = 39,
};

} // namespace TK_IBOARD_ENUM
