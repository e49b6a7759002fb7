// A Video4Linux2 camera streaming MJPG through mmap buffers.
#pragma once

#include "directshow/ivideodevice.h"

#include <QString>
#include <vector>

class IV4l2Device : public IVideoDevice
{
public:
    explicit IV4l2Device(const QString& devicePath);
    ~IV4l2Device() override;

    bool isOpen() const;
    // True for nodes that capture video (not metadata or output nodes).
    static bool isCaptureNode(const QString& devNode);

    QList<QSize> frameSizes() const override;
    bool setFormat(const QSize& size) override;
    QSize format() const override;
    bool startStreaming() override;
    ReadResult read(IVideoFrame& frame, int timeoutMs) override;
    void stopStreaming() override;
    IControlRange control(Control control) const override;
    bool setControl(Control control, int value) override;

private:
    struct Buffer
    {
        void* start = nullptr;
        size_t length = 0;
    };

    int xioctl(unsigned long request, void* arg) const;
    void unmapBuffers();

    int m_fd = -1;
    QSize m_format;
    std::vector<Buffer> m_buffers;
    bool m_streaming = false;
};
