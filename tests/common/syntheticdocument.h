// A camera's view of a tilted printed page on a textured desk, with its true corners.
#pragma once

#include <opencv2/core.hpp>

#include <array>

struct SyntheticDocument
{
    // Blue-green-red, 8 bits per channel.
    cv::Mat frame;
    // The page's own top-left, top-right, bottom-right and bottom-left corners
    // in frame pixels.
    std::array<cv::Point2f, 4> corners;

    // A portrait page three quarters of the frame's height, centred on
    // `centre` (the frame's centre when negative) and turned `tiltDegrees`
    // counter-clockwise as seen on screen. The same seed gives the same frame.
    static SyntheticDocument render(cv::Size size, double tiltDegrees, unsigned seed = 1,
                                    cv::Point2f centre = cv::Point2f(-1, -1));
};
