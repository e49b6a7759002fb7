// The colour field of the colour panel: a band of hues from left to right,
// fading to white over its top fifth and to black over its bottom fifth.
#pragma once

#include <QWidget>

class IColorImage : public QWidget
{
    Q_OBJECT
public:
    explicit IColorImage(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
