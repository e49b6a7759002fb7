// Frameless pop-up of the board's tools: a rounded background it paints
// itself, an optional title and a close button; ends with sgClose however it
// is closed.
#pragma once

#include <QColor>
#include <QDialog>

class IToolButton;
class QLabel;
class QPainterPath;
class QVBoxLayout;

class IBaseWidget : public QDialog
{
    Q_OBJECT
public:
    explicit IBaseWidget(QWidget* parent = nullptr);

    QString title() const;
    void setTitle(const QString& title);
    void setColors(const QColor& background, const QColor& border);
    IToolButton* closeButton() const;

    // Every way the pop-up ends (close button, Escape, close()) runs through here.
    void done(int result) override;

signals:
    void sgClose();

protected:
    // Where subclasses put their content, under the title row.
    QVBoxLayout* contentLayout() const;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The rounded edge, in the widget's coordinates.
    QPainterPath outline() const;

    QLabel* m_title = nullptr;
    IToolButton* m_close = nullptr;
    QVBoxLayout* m_content = nullptr;
    QColor m_background{250, 250, 250};
    QColor m_border{230, 230, 230};
};
