// A camera's view of a printed page lying tilted on a textured desk.
#include "common/syntheticdocument.h"

#include <opencv2/imgproc.hpp>

#include <cmath>
#include <string>

namespace {

// Dark wood: a warm base, fine grain that wanders along the rows, blotches
// a few dozen pixels wide, uneven light across the desk.
cv::Mat renderDesk(cv::Size size, cv::RNG& rng)
{
    cv::Mat coarse(std::max(2, size.height / 40), std::max(2, size.width / 40), CV_32FC1);
    rng.fill(coarse, cv::RNG::UNIFORM, -12.0, 12.0);
    cv::Mat blotches;
    cv::resize(coarse, blotches, size, 0, 0, cv::INTER_CUBIC);

    cv::Mat desk(size, CV_8UC3);
    const double phase = rng.uniform(0.0, 6.28);
    for (int y = 0; y < size.height; ++y) {
        auto* row = desk.ptr<cv::Vec3b>(y);
        const auto* blotch = blotches.ptr<float>(y);
        for (int x = 0; x < size.width; ++x) {
            const double wander = 5.0 * std::sin(x / 97.0 + phase) + 3.0 * std::sin(x / 31.0);
            const double grain = 9.0 * std::sin(2.0 * CV_PI * (y + wander) / 7.0) + blotch[x];
            const double light = 1.0 - 0.15 * double(x) / size.width - 0.1 * double(y) / size.height;
            row[x] = cv::Vec3b(cv::saturate_cast<uchar>((60 + grain) * light),
                               cv::saturate_cast<uchar>((85 + grain) * light),
                               cv::saturate_cast<uchar>((112 + grain) * light));
        }
    }
    return desk;
}

std::string randomWord(cv::RNG& rng)
{
    std::string word;
    const int length = rng.uniform(2, 10);
    for (int i = 0; i < length; ++i)
        word += char('a' + rng.uniform(0, 26));
    return word;
}

// Off-white paper with lines of printed words inside its margins.
cv::Mat renderPage(cv::Size size, cv::RNG& rng)
{
    cv::Mat page(size, CV_8UC3, cv::Scalar(232, 236, 238));
    const int margin = size.width / 12;
    const int lineHeight = std::max(8, size.height / 36);
    const double scale = lineHeight / 40.0;
    const int thickness = std::max(1, lineHeight / 14);
    const int font = cv::FONT_HERSHEY_SIMPLEX;
    for (int baseline = margin + lineHeight; baseline < size.height - margin; baseline += lineHeight) {
        std::string line;
        for (;;) {
            const std::string longer = line.empty() ? randomWord(rng) : line + " " + randomWord(rng);
            int unused = 0;
            if (cv::getTextSize(longer, font, scale, thickness, &unused).width > size.width - 2 * margin)
                break;
            line = longer;
        }
        cv::putText(page, line, cv::Point(margin, baseline), font, scale, cv::Scalar(40, 40, 45),
                    thickness, cv::LINE_AA);
    }
    return page;
}

} // namespace

SyntheticDocument SyntheticDocument::render(cv::Size size, double tiltDegrees, unsigned seed,
                                            cv::Point2f centre)
{
    cv::RNG rng(seed);
    if (centre.x < 0 || centre.y < 0)
        centre = cv::Point2f(size.width / 2.0f, size.height / 2.0f);

    const int pageHeight = size.height * 3 / 4;
    const cv::Size pageSize(int(std::lround(pageHeight / std::sqrt(2.0))), pageHeight);
    const cv::Mat page = renderPage(pageSize, rng);

    // Page pixels to frame pixels: page centre onto `centre`, then the tilt.
    cv::Mat toFrame = cv::getRotationMatrix2D(centre, tiltDegrees, 1.0);
    toFrame.at<double>(0, 2) += toFrame.at<double>(0, 0) * (centre.x - pageSize.width / 2.0)
        + toFrame.at<double>(0, 1) * (centre.y - pageSize.height / 2.0);
    toFrame.at<double>(1, 2) += toFrame.at<double>(1, 0) * (centre.x - pageSize.width / 2.0)
        + toFrame.at<double>(1, 1) * (centre.y - pageSize.height / 2.0);

    cv::Mat warped;
    cv::Mat coverage;
    cv::warpAffine(page, warped, toFrame, size, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    cv::warpAffine(cv::Mat(pageSize, CV_32FC1, cv::Scalar(1.0)), coverage, toFrame, size,
                   cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(0.0));

    // Blend page over desk by coverage so the page's edge is antialiased.
    const cv::Mat desk = renderDesk(size, rng);
    cv::Mat frame(size, CV_8UC3);
    for (int y = 0; y < size.height; ++y) {
        const auto* d = desk.ptr<cv::Vec3b>(y);
        const auto* p = warped.ptr<cv::Vec3b>(y);
        const auto* a = coverage.ptr<float>(y);
        auto* out = frame.ptr<cv::Vec3b>(y);
        for (int x = 0; x < size.width; ++x)
            for (int k = 0; k < 3; ++k)
                out[x][k] = cv::saturate_cast<uchar>(d[x][k] + a[x] * (p[x][k] - d[x][k]));
    }

    cv::Mat noise(size, CV_16SC3);
    rng.fill(noise, cv::RNG::NORMAL, 0, 3);
    cv::Mat noisy;
    cv::add(frame, noise, noisy, cv::noArray(), CV_8UC3);
    cv::GaussianBlur(noisy, frame, cv::Size(3, 3), 0.6);

    SyntheticDocument doc;
    doc.frame = frame;
    const cv::Point2f pageCorners[4] = {
        {-0.5f, -0.5f},
        {pageSize.width - 0.5f, -0.5f},
        {pageSize.width - 0.5f, pageSize.height - 0.5f},
        {-0.5f, pageSize.height - 0.5f},
    };
    for (int i = 0; i < 4; ++i) {
        const double* m0 = toFrame.ptr<double>(0);
        const double* m1 = toFrame.ptr<double>(1);
        doc.corners[i] = cv::Point2f(float(m0[0] * pageCorners[i].x + m0[1] * pageCorners[i].y + m0[2]),
                                     float(m1[0] * pageCorners[i].x + m1[1] * pageCorners[i].y + m1[2]));
    }
    return doc;
}
