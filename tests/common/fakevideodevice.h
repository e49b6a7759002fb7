// A scripted video device and its provider, standing in for a camera: MJPG
// frames at the chosen size, refused sizes, controls, odd samples and
// unplugging, with every property write recorded.
#pragma once

#include "directshow/ivideodeviceprovider.h"

#include <QMap>
#include <QMutex>
#include <atomic>

struct FakeCameraState
{
    QMutex mutex;
    QList<QSize> sizes{{640, 480}, {1280, 720}, {1920, 1080}};
    QList<QSize> refused;          // listed, yet refused by setFormat
    QSize format{640, 480};
    QMap<int, IControlRange> controls;
    QList<QPair<int, int>> writes; // (control, value) as set
    QList<QSize> formatsAsked;
    int opens = 0;
    int oddSampleEvery = 0;        // every n-th frame comes at a wrong size
    bool present = true;
    bool rawFrames = false;        // deliver decoded BGR instead of MJPG
    bool damagedFrames = false;    // MJPG bytes that decode to nothing
    int framesDelivered = 0;
    // While set, reads wait inside the device, as a camera's read waits for
    // the next frame; readsWaiting tells that one is waiting.
    std::atomic<bool> holdReads{false};
    std::atomic<int> readsWaiting{0};

    FakeCameraState();
};

class FakeVideoDevice : public IVideoDevice
{
public:
    explicit FakeVideoDevice(std::shared_ptr<FakeCameraState> state);

    QList<QSize> frameSizes() const override;
    bool setFormat(const QSize& size) override;
    QSize format() const override;
    bool startStreaming() override;
    ReadResult read(IVideoFrame& frame, int timeoutMs) override;
    void stopStreaming() override;
    IControlRange control(Control control) const override;
    bool setControl(Control control, int value) override;

private:
    std::shared_ptr<FakeCameraState> m_state;
    bool m_streaming = false;
};

class FakeVideoProvider : public IVideoDeviceProvider
{
public:
    FakeVideoProvider(const QString& name, const QString& path, const QString& vid, const QString& pid);

    QList<IVideoDeviceInfo> devices() override;
    std::unique_ptr<IVideoDevice> open(const QString& devicePath) override;

    std::shared_ptr<FakeCameraState> state() const { return m_state; }
    IVideoDeviceInfo info() const { return m_info; }

private:
    IVideoDeviceInfo m_info;
    std::shared_ptr<FakeCameraState> m_state;
};
