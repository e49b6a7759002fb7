// Timelapse pictures to an H.264 MP4: what reaches the file, in which order
// and size, and how failures and overlapping runs end.
#include "common/queuedspy.h"
#include "common/testenv.h"

#include "ffmpeg/iffmpegapi.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>

#include <memory>

#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

// The service is one object per process in the program; each test gets a
// fresh one.
class RecordingService : public IFFmpegApi
{
};

IFFmpegApi* asApi(RecordingService& service)
{
    return &service;
}

constexpr int kIndexBits = 8;

// Picture i: its index as black/white stripes across the top half, and red
// (even i) or blue (odd i) below, so that order and channel order show in
// the decoded video whatever its scale.
QImage numberedPicture(int index, const QSize& size, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(size, format);
    QPainter painter(&picture);
    const int stripe = size.width() / kIndexBits;
    for (int bit = 0; bit < kIndexBits; ++bit)
        painter.fillRect(bit * stripe, 0, stripe, size.height() / 2, (index >> bit) & 1 ? Qt::white : Qt::black);
    painter.fillRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2,
                     index % 2 ? QColor(30, 30, 220) : QColor(220, 30, 30));
    return picture;
}

QColor meanColour(const QImage& frame, const QRect& area)
{
    qint64 r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = frame.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
    const qint64 n = qint64(area.width()) * area.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

// The index a decoded frame shows; -1 when a stripe is neither black nor white.
int shownIndex(const QImage& frame)
{
    const int stripe = frame.width() / kIndexBits;
    int index = 0;
    for (int bit = 0; bit < kIndexBits; ++bit) {
        const QRect middle(bit * stripe + stripe / 4, frame.height() / 8, stripe / 2, frame.height() / 4);
        const int grey = meanColour(frame, middle).green();
        if (grey > 200)
            index |= 1 << bit;
        else if (grey > 55)
            return -1;
    }
    return index;
}

bool isShownRed(const QImage& frame)
{
    const QColor c = meanColour(frame, QRect(0, frame.height() * 5 / 8, frame.width(), frame.height() / 4));
    return c.red() > 180 && c.blue() < 70 && c.green() < 70;
}

bool isShownBlue(const QImage& frame)
{
    const QColor c = meanColour(frame, QRect(0, frame.height() * 5 / 8, frame.width(), frame.height() / 4));
    return c.blue() > 180 && c.red() < 70 && c.green() < 70;
}

struct DecodedVideo
{
    bool opened = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int streams = 0;
    QVector<QImage> frames; // RGB32, in presentation order
};

void keepFrame(const AVFrame* frame, SwsContext*& converter, DecodedVideo& video)
{
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    converter = sws_getCachedContext(converter, frame->width, frame->height, AVPixelFormat(frame->format),
                                     frame->width, frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr,
                                     nullptr, nullptr);
    uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(converter, frame->data, frame->linesize, 0, frame->height, planes, strides);
    video.frames.append(image);
}

// Decodes the whole file with libavformat/libavcodec.
DecodedVideo decode(const QString& path)
{
    DecodedVideo video;
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return video;
    // A video without frames has nothing to probe; its header still tells.
    avformat_find_stream_info(input, nullptr);
    if (input->nb_streams < 1) {
        avformat_close_input(&input);
        return video;
    }
    video.opened = true;
    video.streams = int(input->nb_streams);
    const AVCodecParameters* parameters = input->streams[0]->codecpar;
    video.codec = parameters->codec_id;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    AVCodecContext* context = avcodec_alloc_context3(decoder);
    avcodec_parameters_to_context(context, parameters);
    SwsContext* converter = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (decoder && avcodec_open2(context, decoder, nullptr) >= 0) {
        auto drain = [&] {
            while (avcodec_receive_frame(context, frame) >= 0) {
                keepFrame(frame, converter, video);
                av_frame_unref(frame);
            }
        };
        while (av_read_frame(input, packet) >= 0) {
            if (packet->stream_index == 0 && avcodec_send_packet(context, packet) >= 0)
                drain();
            av_packet_unref(packet);
        }
        avcodec_send_packet(context, nullptr);
        drain();
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    sws_freeContext(converter);
    avcodec_free_context(&context);
    avformat_close_input(&input);
    return video;
}

QStringList videosIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

// Frames 0..count-1 each show their own picture, in order.
void verifyOrder(const DecodedVideo& video, int count)
{
    QCOMPARE(video.frames.size(), count);
    for (int i = 0; i < count; ++i) {
        const QImage& frame = video.frames.at(i);
        QCOMPARE(shownIndex(frame), i % (1 << kIndexBits));
        QVERIFY2(i % 2 ? isShownBlue(frame) : isShownRed(frame), qPrintable(QString::number(i)));
    }
}

} // namespace

class TestPictureVideo : public QObject
{
    Q_OBJECT
private slots:
    void picturesBecomeFramesInOrder();
    void fileNameIsTheStartTimeInTheFolder();
    void finishWithoutPicturesMakesNoVideo();
    void picturesOfAnotherSizeAreScaled();
    void reusedPictureKeepsWhatWasAdded();
    void unusableFolderFailsAndKeepsNothing();
    void failureFoundWhileOpeningIsReported();
    void newStartLetsThePreviousRunComplete();
    void leavingWaitsForQueuedPictures();
};

void TestPictureVideo::picturesBecomeFramesInOrder()
{
    // 90 pictures at 30 fps is three seconds; 100 still three, and the ten
    // the encoder holds at the end must reach the file as well.
    for (const int count : {90, 100}) {
        QTemporaryDir folder;
        RecordingService service;
        QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
        QueuedSpy failed(asApi(service), &IFFmpegApi::sgPictureVideoFailed);
        const QSize size(320, 240);
        service.startPictureVideo(folder.path(), size, 30);
        QVERIFY(service.pictureVideoRunning());
        for (int i = 0; i < count; ++i)
            service.addPictureVideoFrame(numberedPicture(i, size));
        int seconds = -1;
        QString error;
        const QString path = service.finishPictureVideo(&seconds, &error);
        QCOMPARE(seconds, 3);
        QVERIFY(!path.isEmpty());
        QVERIFY(error.isEmpty());
        QVERIFY(!service.pictureVideoRunning());

        QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 60000);
        QCOMPARE(written.first().first().toString(), path);
        QVERIFY(failed.isEmpty());
        const DecodedVideo video = decode(path);
        QVERIFY(video.opened);
        QCOMPARE(video.codec, AV_CODEC_ID_H264);
        verifyOrder(video, count);
        QCOMPARE(video.frames.first().size(), size);
    }
}

void TestPictureVideo::fileNameIsTheStartTimeInTheFolder()
{
    QTemporaryDir folder;
    RecordingService service;
    QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-1000);
    service.startPictureVideo(folder.path() + "/", QSize(64, 48), 10);
    const QDateTime after = QDateTime::currentDateTime();
    service.addPictureVideoFrame(numberedPicture(0, QSize(64, 48)));
    int seconds = -1;
    const QString path = service.finishPictureVideo(&seconds);

    const QRegularExpression form(QRegularExpression::escape(folder.path()) + "/(\\d{14})\\.mp4");
    const QRegularExpressionMatch match = form.match(path);
    QVERIFY2(match.hasMatch() && match.capturedLength() == path.size(), qPrintable(path));
    const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyyMMddhhmmss");
    QVERIFY(stamp >= before && stamp <= after);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 30000);
    QCOMPARE(videosIn(folder.path()), QStringList{QFileInfo(path).fileName()});
}

void TestPictureVideo::finishWithoutPicturesMakesNoVideo()
{
    // An MP4 without frames plays nowhere: no file, and finish says why
    // instead of naming one.
    QTemporaryDir folder;
    auto service = std::make_unique<RecordingService>();
    QueuedSpy written(asApi(*service), &IFFmpegApi::sgPictureVideoWritten);
    QueuedSpy failed(asApi(*service), &IFFmpegApi::sgPictureVideoFailed);
    service->startPictureVideo(folder.path(), QSize(320, 240), 30);
    int seconds = -1;
    QString error;
    QVERIFY(service->finishPictureVideo(&seconds, &error).isEmpty());
    QCOMPARE(seconds, 0);
    QVERIFY(!error.isEmpty());
    QVERIFY(!service->pictureVideoRunning());

    // The run is over: later pictures go nowhere.
    service->addPictureVideoFrame(numberedPicture(0, QSize(320, 240)));
    error.clear();
    QVERIFY(service->finishPictureVideo(&seconds, &error).isEmpty());
    QCOMPARE(seconds, 0);
    QVERIFY(!error.isEmpty());

    service.reset(); // waits for the encoder thread
    QCoreApplication::processEvents();
    QVERIFY(videosIn(folder.path()).isEmpty());
    QVERIFY(written.isEmpty());
    QVERIFY(failed.isEmpty());
}

void TestPictureVideo::picturesOfAnotherSizeAreScaled()
{
    QTemporaryDir folder;
    RecordingService service;
    QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
    const QSize size(320, 240);
    // The camera changes resolution mid-run, also to other pixel formats.
    const QList<QPair<QSize, QImage::Format>> pictures = {
        {size, QImage::Format_RGB32},           {QSize(640, 360), QImage::Format_RGB32},
        {QSize(640, 360), QImage::Format_ARGB32}, {QSize(160, 100), QImage::Format_RGB888},
        {size, QImage::Format_RGB32},           {QSize(1280, 960), QImage::Format_Grayscale8},
    };
    service.startPictureVideo(folder.path(), size, 30);
    for (int i = 0; i < pictures.size(); ++i)
        service.addPictureVideoFrame(numberedPicture(i, pictures[i].first, pictures[i].second));
    int seconds = -1;
    const QString path = service.finishPictureVideo(&seconds);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 30000);

    const DecodedVideo video = decode(path);
    QCOMPARE(video.frames.size(), pictures.size());
    for (int i = 0; i < pictures.size(); ++i) {
        QCOMPARE(video.frames[i].size(), size);
        QCOMPARE(shownIndex(video.frames[i]), i);
    }
    QVERIFY(isShownRed(video.frames[2]));
    QVERIFY(isShownBlue(video.frames[3]));
}

void TestPictureVideo::reusedPictureKeepsWhatWasAdded()
{
    // A caller that paints its next picture into the same image must not
    // change the frames it already handed in.
    QTemporaryDir folder;
    RecordingService service;
    QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
    const QSize size(320, 240);
    QImage reused = numberedPicture(0, size);
    service.startPictureVideo(folder.path(), size, 30);
    for (int i = 0; i < 20; ++i) {
        QPainter(&reused).drawImage(0, 0, numberedPicture(i, size));
        service.addPictureVideoFrame(reused);
    }
    int seconds = -1;
    const QString path = service.finishPictureVideo(&seconds);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 30000);
    verifyOrder(decode(path), 20);
}

void TestPictureVideo::unusableFolderFailsAndKeepsNothing()
{
    QTemporaryDir parent;
    QFile plainFile(parent.filePath("notafolder"));
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    QStringList folders = {plainFile.fileName(), parent.filePath("gone")};
    if (geteuid() != 0) {
        // Root writes anywhere, so a read-only folder only fails for others.
        QDir(parent.path()).mkdir("readonly");
        QFile::setPermissions(parent.filePath("readonly"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        folders << parent.filePath("readonly");
    }
    for (const QString& folder : folders) {
        RecordingService service;
        QueuedSpy failed(asApi(service), &IFFmpegApi::sgPictureVideoFailed);
        QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
        service.startPictureVideo(folder, QSize(320, 240), 30);
        QVERIFY(!service.pictureVideoRunning());
        for (int i = 0; i < 30; ++i)
            service.addPictureVideoFrame(numberedPicture(i, QSize(320, 240)));
        int seconds = -1;
        QString error;
        QVERIFY(service.finishPictureVideo(&seconds, &error).isEmpty());
        QCOMPARE(seconds, 0);
        QVERIFY2(error.contains(folder), qPrintable(error));

        QTRY_COMPARE(failed.size(), 1);
        const QString reason = failed.first().first().toString();
        QVERIFY2(reason.startsWith("The video could not be written to " + folder + "/"), qPrintable(reason));
        QVERIFY(reason.contains(": "));
        QCOMPARE(error, reason);
        QVERIFY(written.isEmpty());
    }
    QCOMPARE(videosIn(parent.path()), QStringList{"notafolder"});
    QVERIFY(!QFileInfo::exists(parent.filePath("gone")));
}

void TestPictureVideo::failureFoundWhileOpeningIsReported()
{
    // The folder looks fine, the encoder refuses: x264 takes no picture
    // wider than 16384.
    QTemporaryDir folder;
    RecordingService service;
    QueuedSpy failed(asApi(service), &IFFmpegApi::sgPictureVideoFailed);
    QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
    service.startPictureVideo(folder.path(), QSize(32768, 16), 30);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 30000);
    QVERIFY2(failed.first().first().toString().startsWith("The video could not be made: "),
             qPrintable(failed.first().first().toString()));
    QVERIFY(!service.pictureVideoRunning());

    service.addPictureVideoFrame(numberedPicture(0, QSize(64, 16)));
    int seconds = -1;
    QString error;
    QVERIFY(service.finishPictureVideo(&seconds, &error).isEmpty());
    QCOMPARE(seconds, 0);
    QCOMPARE(error, failed.first().first().toString());
    QVERIFY(written.isEmpty());
    QVERIFY(videosIn(folder.path()).isEmpty());
}

void TestPictureVideo::newStartLetsThePreviousRunComplete()
{
    QTemporaryDir folder;
    RecordingService service;
    QueuedSpy written(asApi(service), &IFFmpegApi::sgPictureVideoWritten);
    const QSize first(640, 480), second(320, 240);
    QVector<QImage> firstPictures, secondPictures;
    for (int i = 0; i < 60; ++i)
        firstPictures << numberedPicture(i, first);
    for (int i = 0; i < 30; ++i)
        secondPictures << numberedPicture(i, second);
    service.startPictureVideo(folder.path(), first, 30);
    for (const QImage& picture : firstPictures)
        service.addPictureVideoFrame(picture);
    // Still encoding the sixty; the same second gives a name of its own.
    service.startPictureVideo(folder.path(), second, 30);
    for (const QImage& picture : secondPictures)
        service.addPictureVideoFrame(picture);
    int seconds = -1;
    const QString secondPath = service.finishPictureVideo(&seconds);
    QCOMPARE(seconds, 1);

    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 2, 60000);
    QStringList paths = {written[0].first().toString(), written[1].first().toString()};
    QVERIFY(paths.contains(secondPath));
    paths.removeOne(secondPath);
    const QString firstPath = paths.first();
    QVERIFY(firstPath != secondPath);

    const DecodedVideo firstVideo = decode(firstPath);
    verifyOrder(firstVideo, 60);
    QCOMPARE(firstVideo.frames.first().size(), first);
    const DecodedVideo secondVideo = decode(secondPath);
    verifyOrder(secondVideo, 30);
    QCOMPARE(secondVideo.frames.first().size(), second);
}

void TestPictureVideo::leavingWaitsForQueuedPictures()
{
    QTemporaryDir folder;
    QString path;
    {
        RecordingService service;
        service.startPictureVideo(folder.path(), QSize(640, 480), 30);
        for (int i = 0; i < 60; ++i)
            service.addPictureVideoFrame(numberedPicture(i, QSize(640, 480)));
        int seconds = -1;
        path = service.finishPictureVideo(&seconds);
    }
    verifyOrder(decode(path), 60);
}

VESKAROO_TEST_MAIN(TestPictureVideo)
#include "tst_picturevideo.moc"
