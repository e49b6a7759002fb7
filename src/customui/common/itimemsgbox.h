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
    // The same, centred over `window` while it is shown; else as above.
    void showMessageOver(const QWidget* window, const QString& text, int duration);

public slots:
    void slTimeout();

private:
    // Sizes the box for `text`.
    void layOut(const QString& text);
    void showAt(const QPoint& topLeft, int duration);

    QWidget* m_background = nullptr;
    QLabel* m_label = nullptr;
    QTimer* m_timer = nullptr;
    QPropertyAnimation* m_fade = nullptr;
};
