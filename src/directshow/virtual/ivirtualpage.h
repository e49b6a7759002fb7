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

    explicit IVirtualPage(double tiltDegrees = defaultTilt);

    // The page's tilt in degrees, counter-clockwise as seen on screen (y
    // down): positive lifts the page's right side. IEdgeResult's angle is
    // this reduced modulo 90 into [-90, 0): -6 gives -6, 6 gives -84.
    double tilt() const;

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

    double m_tilt;
    QMutex m_mutex;
    std::map<std::pair<int, int>, cv::Mat> m_scenes;
};
