// The partial capture window: lies over the board with an adjustable zone,
// "Back" to give up and "Select" to take the zone.
#pragma once

#include <QWidget>

class IFreeZoneWidget;
class QPushButton;

class ICaptureFrame : public QWidget
{
    Q_OBJECT
public:
    enum ButtonId { Back = 0, Select = 1 };

    explicit ICaptureFrame(QWidget* parent = nullptr);

    // Covers `area` (screen coordinates) showing `background`, the zone at
    // `zone` (screen coordinates, fitted into the area).
    void showOver(const QRect& area, const QPixmap& background, const QRect& zone);
    // The zone in screen coordinates.
    QRect zoneOnScreen() const;
    IFreeZoneWidget* zoneWidget() const { return m_zone; }
    QPushButton* button(int id) const;

signals:
    // Select hides the window first; the zone is in screen coordinates.
    void sgSelect(QRect zone);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeButtons();

    IFreeZoneWidget* m_zone = nullptr;
    QWidget* m_buttonRow = nullptr;
    QPushButton* m_buttons[2] = {};
};
