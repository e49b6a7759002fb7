// The board's current drawing parameters; every change is announced with its number.
#pragma once

#include <QColor>
#include <QObject>
#include <QSizeF>
#include <QVariant>

class IBoardState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int inkOpacity READ inkOpacity WRITE setInkOpacity)
    Q_PROPERTY(QColor inkColor READ inkColor WRITE setInkColor)
    Q_PROPERTY(double inkThickness READ inkThickness WRITE setInkThickness)
    Q_PROPERTY(QColor figureForeground READ figureForeground WRITE setFigureForeground)
    Q_PROPERTY(QColor figureBackground READ figureBackground WRITE setFigureBackground)
    Q_PROPERTY(int figureThickness READ figureThickness WRITE setFigureThickness)
    Q_PROPERTY(QSizeF pointEraserSize READ pointEraserSize WRITE setPointEraserSize)
public:
    // Receivers switch on these numbers; 3 is retired and never sent.
    enum NotifyStatePropertyType : int {
        InkOpacity = 0,
        InkColor = 1,
        InkThickness = 2,
        FigureForeground = 4,
        FigureBackground = 5,
        FigureThickness = 6,
        PointEraserSize = 7,
    };
    Q_ENUM(NotifyStatePropertyType)

    explicit IBoardState(QObject* parent = nullptr);

    // Ink and eraser setters stay quiet when nothing changes: the pencil
    // rebuilds its cursor on every notice. Figure setters always announce, so
    // a tool bar can re-apply the same colour to the selected figures.
    int inkOpacity() const { return m_inkOpacity; }
    void setInkOpacity(int opacity);
    QColor inkColor() const { return m_inkColor; }
    void setInkColor(const QColor& color);
    double inkThickness() const { return m_inkThickness; }
    void setInkThickness(double thickness);
    QColor figureForeground() const { return m_figureForeground; }
    void setFigureForeground(const QColor& color);
    QColor figureBackground() const { return m_figureBackground; }
    void setFigureBackground(const QColor& color);
    int figureThickness() const { return m_figureThickness; }
    void setFigureThickness(int thickness);
    QSizeF pointEraserSize() const { return m_pointEraserSize; }
    void setPointEraserSize(const QSizeF& size);

    // Set by a tool while a stroke, lasso or drag is under way; not announced.
    bool isDrawing() const { return m_drawing; }
    void setDrawing(bool drawing) { m_drawing = drawing; }

signals:
    void notifyStateChanged(IBoardState::NotifyStatePropertyType type, const QVariant& value);

private:
    int m_inkOpacity = 255;
    double m_inkThickness = 10.0;
    int m_figureThickness = 0;
    QColor m_inkColor{Qt::black};
    QColor m_figureForeground;
    QColor m_figureBackground;
    QSizeF m_pointEraserSize{-1, -1};
    bool m_drawing = false;
};
