// What the virtual document camera looks at: a printed page lying tilted on a wooden desk under a lamp.
#pragma once

#include <opencv2/core.hpp>

#include <QMutex>
#include <QPolygonF>
#include <QStringList>

#include <map>
#include <utility>

class IVirtualPage
{
public:
    // Counter-clockwise degrees as seen on screen: the page lies turned six
    // degrees clockwise, as a sheet put down in a hurry does.
    static constexpr double defaultTilt = -6.0;

    // `keystone` is how obliquely the camera looks at the page, from its
    // lower right: the top edge then looks that share shorter than the
    // bottom one and the left edge that share shorter than the right one.
    // 0, a lens straight above the page, keeps the page a rectangle.
    explicit IVirtualPage(double tiltDegrees = defaultTilt, double keystone = 0.0);

    // Lays the page down anew; frames rendered before are dropped. Any
    // thread may call it, but a device already streaming keeps the frame it
    // rendered for its size.
    void setLie(double tiltDegrees, double keystone);

    // The page's tilt in degrees, counter-clockwise as seen on screen (y
    // down): positive lifts the page's right side. IEdgeResult's angle is
    // this reduced modulo 90 into [-90, 0): -6 gives -6, 6 gives -84.
    double tilt() const;
    double keystone() const;

    // The sheet's own top-left, top-right, bottom-right and bottom-left
    // corners in a frame of `size`, in pixels with pixel centres on whole
    // numbers (as OpenCV and the edge detector count).
    QPolygonF corners(cv::Size size) const;

    // The scene as the lens sees it, 8-bit BGR, without sensor noise:
    // rendered once per size and then shared, so callers copy before
    // writing. Any thread may ask; the fonts need a QGuiApplication.
    cv::Mat scene(cv::Size size);

    // The printed words, in reading order: the heading, then each paragraph.
    static QString heading();
    static QStringList paragraphs();

private:
    cv::Mat render(cv::Size size) const;

    // Guards the lie; taken after m_mutex where both are needed.
    mutable QMutex m_lieMutex;
    double m_tilt;
    double m_keystone;
    QMutex m_mutex;
    std::map<std::pair<int, int>, cv::Mat> m_scenes;
};
