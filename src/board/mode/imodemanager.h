// Owns every board tool and routes the board's input to the current one.
#pragma once

#include <memory>

class DeviceInput;
class IBoard;
class IIdleFigureMode;
class IIdleMode;
class IModeBase;
class INoneMode;

class IModeManager
{
public:
    // Creates every tool and starts in mode 1, the selector.
    explicit IModeManager(IBoard* board);
    ~IModeManager();

    // Selecting the current number again re-activates only the pencil, so it
    // picks up a colour or width changed meanwhile. Numbers without a tool of
    // their own are recorded but keep the current tool.
    void setModeType(int type);
    int modeType() const { return m_modeType; }
    IModeBase* currentMode() const { return m_current; }

    // Handed on to the current tool when it is enabled; the event is then accepted.
    void press(DeviceInput& input);
    void move(DeviceInput& input);
    void release(DeviceInput& input);

    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // The tools that later work replaces; idle until then.
    INoneMode* noneMode() const { return m_none.get(); }
    IIdleMode* textMode() const { return m_text.get(); }
    IIdleMode* pencilMode() const { return m_pencil.get(); }
    IIdleFigureMode* figureMode() const { return m_figure.get(); }
    IIdleMode* selectorMode() const { return m_selector.get(); }
    IIdleMode* pointEraseMode() const { return m_pointErase.get(); }
    IIdleMode* objectEraseMode() const { return m_objectErase.get(); }
    IIdleMode* pathTextMode() const { return m_pathText.get(); }
    IIdleMode* pathEraseMode() const { return m_pathErase.get(); }
    IIdleMode* pathPencilMode() const { return m_pathPencil.get(); }
    IIdleFigureMode* pathFigureMode() const { return m_pathFigure.get(); }
    IIdleMode* pathSelectorMode() const { return m_pathSelector.get(); }

private:
    IModeBase* modeFor(int type);
    void forward(DeviceInput& input, void (IModeBase::*handler)(DeviceInput&));

    bool m_active = true;
    IBoard* m_board = nullptr;
    IModeBase* m_current = nullptr;
    int m_modeType = 0;
    std::unique_ptr<INoneMode> m_none;
    std::unique_ptr<IIdleMode> m_text;
    std::unique_ptr<IIdleMode> m_pencil;
    std::unique_ptr<IIdleFigureMode> m_figure;
    std::unique_ptr<IIdleMode> m_selector;
    std::unique_ptr<IIdleMode> m_pointErase;
    std::unique_ptr<IIdleMode> m_objectErase;
    std::unique_ptr<IIdleMode> m_pathText;
    std::unique_ptr<IIdleMode> m_pathErase;
    std::unique_ptr<IIdleMode> m_pathPencil;
    std::unique_ptr<IIdleFigureMode> m_pathFigure;
    std::unique_ptr<IIdleMode> m_pathSelector;
};
