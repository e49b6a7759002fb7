// Picture-in-picture: a small live view of a second camera in a corner of
// the board, movable by dragging. It runs a capture source of its own, so
// the main camera's source, settings and configuration are never touched.
#pragma once

#include "icamerainfo.h"

#include <QImage>
#include <QWidget>

#include <memory>

class ICameraSource;

class ISmallCameraFrame : public QWidget
{
    Q_OBJECT
public:
    // A child of `board`, hidden until switched on.
    explicit ISmallCameraFrame(QWidget* board);
    ~ISmallCameraFrame() override;

    bool isActive() const { return m_source != nullptr; }
    // The camera shown; empty while off.
    ICameraInfo camera() const { return m_camera; }
    // The latest picture of the second camera.
    QImage frame() const { return m_frame; }

    // Cameras other than the current one, USB first.
    static QList<ICameraInfo> otherCameras();

public slots:
    // On shows the first other camera, or tells "No camera device
    // available" and stays off.
    void setActive(bool on);
    // The next other camera, when there are several.
    void showNextCamera();
    // From the USB watcher: off when the camera shown is unplugged.
    void slDeviceChanged(bool connected, const QString& devicePath);
    // The main window takes this device for itself: off.
    void releaseDevice(const QString& devicePath);

signals:
    // The camera now shown (its index), -1 when off.
    void changeCameraIndex(int index);
    void sgActiveChanged(bool on);
    void sgMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Hidden until shown again; false when the source cannot even try.
    bool open(const ICameraInfo& camera);
    void stop();
    void onSourceError(int code);
    // Sized to the board, kept inside it; `corner` puts it bottom right.
    void place(bool corner);

    QWidget* m_board = nullptr;
    std::unique_ptr<ICameraSource> m_source;
    ICameraInfo m_camera;
    QImage m_frame;
    QPoint m_dragFrom;
    bool m_dragging = false;
};
