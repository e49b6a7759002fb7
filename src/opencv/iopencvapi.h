// Picture/matrix conversions, picture filters and the document edge detector that capture sources run.
#pragma once

#include "opencv/iedgeresult.h"
#include "opencv/ifilterkind.h"

#include <QImage>

#include <opencv2/core/mat.hpp>

// Free functions without state: each runs on the calling capture thread and
// touches nothing but its arguments, so any thread may call them at once.
namespace IOpencvApi {

// CV_8UC1 -> Format_Indexed8 with a 256-entry grey colour table,
// CV_8UC3 (blue, green, red) -> Format_RGB888, CV_8UC4 -> Format_RGB32.
// The picture owns its pixels. Any other type gives a null picture and a
// log line.
QImage cvMat2Image(cv::Mat mat);

// Format_Indexed8 -> CV_8UC1; Format_RGB32, Format_ARGB32 and
// Format_ARGB32_Premultiplied -> CV_8UC4; Format_RGB888 -> CV_8UC3 holding
// blue, green, red. Any other format gives an empty matrix. The matrix never
// shares pixels with the picture.
cv::Mat cvImage2Mat(const QImage& image);

// Each filter takes an 8-bit matrix of 1, 3 or 4 channels and returns a new
// one-channel matrix; an empty or unsupported input gives an empty matrix.
// Three- and four-channel inputs are turned grey with the red weight on the
// first byte.
cv::Mat cvGray(const cv::Mat& frame);
// Grey above 100 becomes 255, everything else 0.
cv::Mat cvBlackWhite(const cv::Mat& frame);
cv::Mat cvSharpen(const cv::Mat& frame);
// White paper with the strong edges in black.
cv::Mat cvSketch(const cv::Mat& frame);
// Embossed grey; the one-pixel border, which has no neighbours to compare,
// is the neutral 128.
cv::Mat cvRelief(const cv::Mat& frame);

// Applies the filter of the given kind; FilterNone and unknown kinds give the
// frame back unchanged.
cv::Mat cvFilter(const cv::Mat& frame, int kind);

// The black-and-white picture whose outlines the edge detector traces: grey,
// mean adaptive threshold over 27x27 pixels, 3x3 median, two erosions and
// one dilation. Empty for frames the detector does not accept.
cv::Mat cvDocumentMask(const cv::Mat& frame);

// Finds the sheet of paper in a blue-green-red(-alpha) 8-bit frame, draws its
// outline in red into the frame and returns the tilt and corners (see
// IEdgeResult). When nothing is found, or the frame is empty or of another
// type, the frame is left alone and the answer is angle 0 with the corners
// (0, 0), (0, W), (H, W), (H, 0): each written as (first, second) exactly so,
// W being the frame's width and H its height.
// `lineWidth` is the outline's width in the frame's pixels.
IEdgeResult cvEdgeDetect(cv::Mat& frame, int lineWidth = 4);

// The outline found in a frame decoded at reduced size, in the pixels of
// the full frame: pixel centres map onto pixel centres, and what the
// detector does in whole pixels (its one-pixel erosion, the row it moves a
// corner down) counts one full pixel, as in a full-size detection.
IEdgeResult cvEdgeToFullSize(const IEdgeResult& edge, const cv::Size& reduced, const cv::Size& full);

// Draws a detected outline (not the blank-frame answer) into the frame as
// the edge detector does.
void cvDrawOutline(cv::Mat& frame, const IEdgeResult& edge, int lineWidth = 4);

// The true corners of the sheet of paper in an 8-bit frame of 1, 3 (blue,
// green, red) or 4 channels, also when the camera sees it at a slant: the
// outline of the largest bright region, reduced to four corners. Top-left,
// top-right, bottom-right, bottom-left as seen, in frame pixels with pixel
// centres on whole numbers; empty when no region covers a twentieth of the
// frame or its outline has no four clear corners. Leaves the frame alone.
QPolygonF cvPageCorners(const cv::Mat& frame);

} // namespace IOpencvApi
