// The one entry point through which the main window, tool bars and settings
// switch board tools, set drawing parameters and clear the board.
#pragma once

#include "service/iservice.h"

#include <QColor>
#include <QPoint>

class IBoardService : public IService
{
    Q_OBJECT
public:
    static IBoardService* instance();

    // Binds the service to a board directly, for callers without a main window.
    void setBoard(IBoard* board);

    // Every operation does nothing while there is no board.
    virtual void connectGlobalMouse();
    virtual void clearAll();
    virtual void clearDrawings();
    virtual void clearPathsAndTexts();
    virtual void setInkColor(const QColor& color);
    virtual void setInkThickness(int thickness);
    virtual void setInkOpacity(int opacity);
    virtual void setInk(const QColor& color, int thickness, int opacity);
    // Scaled by the interface scale factor, like the eraser's on-screen ring.
    virtual void setEraserSize(int size);
    virtual void selectSelector();
    virtual void selectText();
    // Unscaled: the tool bar already passes the on-screen size.
    virtual void selectPointEraser(int size);
    virtual void selectPencil(const QColor& color, int thickness, int opacity);
    virtual void selectFigureMode9();
    virtual void selectFigureMode19();
    virtual void selectFigureMode20();
    virtual void selectFigureMode24();
    virtual void selectFigureMode25();
    virtual void selectFigureMode21();
    // Any figure tool by its board mode number; numbers without a tool change nothing.
    virtual void selectFigureMode(int mode);

    // A press anywhere on the screen: leaving the working area ends text
    // editing or hides the selection. True when the press lies inside it.
    bool handleGlobalPress(const QPoint& globalPos);

signals:
    // Text editing ended by a click away; the board tool bar shows no tool as chosen.
    void sgToolSelectionCleared();

private:
    IBoardService();
    void hideFrames();
    bool onBoardPopup(const QPoint& globalPos) const;
};
