// Short-lived notice: shows a text for a given time, then fades out and closes.
#pragma once

#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QTimer;

class ITimeMsgBox : public QWidget
{
    Q_OBJECT
public:
    // Position meaning "centre on the screen under the mouse".
    static constexpr int kCentred = -1000;

    explicit ITimeMsgBox(QWidget* parent = nullptr);

    // Shows `text` fully opaque for `duration` ms with its top-left at (x, y),
    // then fades it out over a second and closes. Showing again while a notice
    // is up or fading starts over with the new text.
    void showMessage(const QString& text, int duration, int x = kCentred, int y = kCentred);

public slots:
    void slTimeout();

private:
    QWidget* m_background = nullptr;
    QLabel* m_label = nullptr;
    QTimer* m_timer = nullptr;
    QPropertyAnimation* m_fade = nullptr;
};
