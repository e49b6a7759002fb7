// A camera frame kept compressed until a capture needs it in full.
#include "opencv/icompressedpicture.h"

#include "opencv/iopencvapi.h"

#include <opencv2/imgcodecs.hpp>

cv::Mat ICompressedPicture::decodeMat(const QByteArray& jpeg, int reduction)
{
    if (jpeg.isEmpty())
        return cv::Mat();
    int flags = cv::IMREAD_COLOR;
    switch (reduction) {
    case 2: flags = cv::IMREAD_REDUCED_COLOR_2; break;
    case 4: flags = cv::IMREAD_REDUCED_COLOR_4; break;
    case 8: flags = cv::IMREAD_REDUCED_COLOR_8; break;
    default: break;
    }
    const cv::Mat bytes(1, jpeg.size(), CV_8UC1, const_cast<char*>(jpeg.constData()));
    try {
        return cv::imdecode(bytes, flags);
    } catch (const cv::Exception&) {
        return cv::Mat(); // damaged data may throw rather than fail
    }
}

QImage ICompressedPicture::decode(int filterKind) const
{
    cv::Mat bgr = decodeMat(jpeg);
    if (bgr.empty() || bgr.cols != size.width() || bgr.rows != size.height())
        return QImage();
    IOpencvApi::cvDrawOutline(bgr, outline);
    if (filterKind != FilterNone)
        bgr = IOpencvApi::cvFilter(bgr, filterKind);
    return IOpencvApi::cvMat2Image(bgr);
}
