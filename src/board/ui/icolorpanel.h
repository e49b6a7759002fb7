// Pop-up with a large colour field: a click takes the colour under the
// cursor and reports it.
#pragma once

#include "board/ui/ibasewidget.h"

#include <QColor>
#include <QImage>
#include <QPoint>

class IToolButton;

class IColorPanel : public IBaseWidget
{
    Q_OBJECT
public:
    explicit IColorPanel(QWidget* parent = nullptr);

    IToolButton* fieldButton() const;
    // The field's colour at a point of the field button.
    QColor colorAt(const QPoint& buttonPos) const;

    // The colour field as a picture, rendered once for the whole program.
    static QImage fieldPicture();

signals:
    void sgChangeColor(QColor col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IToolButton* m_field = nullptr;
    QPoint m_lastRelease;
};
