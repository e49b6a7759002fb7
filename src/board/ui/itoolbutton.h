// Button of the board's pop-up panels: a fixed size, an icon or a text, a
// value it reports with every click, and the corners it rounds (a button at
// the end of a row rounds only its outer corners).
#pragma once

#include <QToolButton>
#include <QVariant>

class IToolButton : public QToolButton
{
    Q_OBJECT
public:
    enum Corner {
        NoCorner = 0,
        TopLeft = 1,
        TopRight = 2,
        BottomLeft = 4,
        BottomRight = 8,
        AllCorners = TopLeft | TopRight | BottomLeft | BottomRight,
    };
    Q_DECLARE_FLAGS(Corners, Corner)

    explicit IToolButton(const QVariant& value = QVariant(), QWidget* parent = nullptr);

    QVariant value() const;
    void setValue(const QVariant& value);
    Corners corners() const;
    void setCorners(Corners corners);
    // Corner radius in reference pixels; the screen scale applies.
    int radius() const;
    void setRadius(int radius);

signals:
    void sgButtonClick(bool checked, QVariant value);

protected:
    // The style sheet for the current settings; subclasses draw their own face.
    virtual QString buttonStyleSheet() const;
    void refreshStyle();
    // "border-top-left-radius:4px;..." for the rounded corners only.
    QString cornerRadii() const;

private:
    QVariant m_value;
    Corners m_corners = AllCorners;
    int m_radius = 4;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(IToolButton::Corners)
