// A window on the X display whose colour and counter change every 20 ms, so
// that a screen recording of it never has two equal frames.
//   screenpainter <left> <top> <width> <height>
// Prints "shown" once the window is on screen.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class Painter : public QWidget
{
public:
    Painter()
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            ++m_count;
            update();
        });
        m_timer.start(20);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor::fromHsv(int(m_count * 37 % 360), 255, 128 + int(m_count * 13 % 128)));
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(qMax(12, height() / 4));
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignCenter, QString::number(m_count));
        if (!m_announced) {
            m_announced = true;
            std::printf("shown\n");
            std::fflush(stdout);
        }
    }

private:
    QTimer m_timer;
    long m_count = 0;
    bool m_announced = false;
};

} // namespace

int main(int argc, char** argv)
{
    // Draws on the real X display even where tests run offscreen.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: screenpainter <left> <top> <width> <height>\n");
        return 2;
    }
    Painter window;
    window.setGeometry(args[1].toInt(), args[2].toInt(), args[3].toInt(), args[4].toInt());
    window.show();
    return app.exec();
}
