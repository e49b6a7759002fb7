// The capture road: what "Snap" does in each capture mode, taking the
// camera's picture (or a still), cutting it to the chosen zone, grabbing the
// window, the shutter sound, and what comes back from the save thread.
#pragma once

#include "icapturejob.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class IBoard;
class ICaptureFrame;
class IImageTansformThread;
class IOutlineLock;
class IOutlineOverlay;
class ITimerCaptureFrame;
class QWidget;

class ICaptureController : public QObject
{
    Q_OBJECT
public:
    // `window` is grabbed by the screen captures and parents the zone
    // window; `board` gives the annotations, scale and turn of a picture.
    ICaptureController(QWidget* window, IBoard* board, QObject* parent = nullptr);
    ~ICaptureController() override;

    // Creates and starts the save thread; nothing is captured before.
    void start();
    // Stops and deletes the save thread (its destructor waits).
    void stop();
    IImageTansformThread* imageThread() const { return m_imageThread; }

    // Told of every shot it asked for, so that a series never stalls.
    void setTimerCapture(ITimerCaptureFrame* series);

    // "Snap" in a capture mode (the mode panel's values).
    void snap(int mode);
    // A camera picture through a filter kind (1 none, 2 grey, 3 black and
    // white), saved into the photo folder; with `cutToZone` cut to the
    // partial-capture zone.
    void takePicture(int filterKind, bool cutToZone = false);
    // The save thread's answer: a thumbnail and the file written.
    void pictureSaved(const QImage& picture, const QString& path);

    // Null until the first partial capture.
    ICaptureFrame* captureFrame() const { return m_captureFrame; }

    // "Lock outline": the kept page outline (also the timelapse's) and its
    // corners on the board.
    IOutlineLock* outlineLock() const { return m_outlineLock; }
    IOutlineOverlay* outlineOverlay() const { return m_outlineOverlay; }
    // Locks onto the page the camera shows now, or unlocks; answers with
    // sgOutlineLocked either way.
    void setOutlineLocked(bool locked);

signals:
    // Whether the outline is locked now.
    void sgOutlineLocked(bool locked);
    // Locking switched the camera's automatic edging off, unlocking back on.
    void sgEdgeDetectionChanged(bool on);
    // Whether "Snap" may be pressed.
    void sgSnapEnabled(bool enabled);
    // A saved picture with its file, for the picture list.
    void sgPictureSaved(QImage picture, QString path);
    void sgMessage(QString text, int durationMs);

private:
    void submit(const QImage& picture);
    // `compressed` stands in for a null picture: the save thread decodes it
    // in full through the filter kind, off the GUI thread.
    void submitFrame(const QImage& picture, const ICompressedPicture& compressed, int filterKind);
    // Frees "Snap", tells the series and the user.
    void shotFailed(const QString& message);
    void captureScreen();
    void captureScreenToClipboard();
    void showCaptureFrame();
    // The free capture zone in the picture's pixels; null when it misses it.
    QRect zoneCrop(const QSize& pictureSize, double scaleX, double scaleY) const;
    void playShutterSound();

    QWidget* m_window = nullptr;
    IBoard* m_board = nullptr;
    IImageTansformThread* m_imageThread = nullptr;
    QPointer<ITimerCaptureFrame> m_series;
    ICaptureFrame* m_captureFrame = nullptr;
    // The picture on its way (a still, or a network camera's own picture)
    // is cut to the zone.
    bool m_cutToZone = false;
    // A still asked for and not yet arrived; the number tells time-outs of
    // earlier stills apart.
    bool m_stillPending = false;
    quint64 m_stillShot = 0;
    // While a screen grab holds "Snap", a saved picture must not free it.
    bool m_snapHeld = false;
    IOutlineLock* m_outlineLock = nullptr;
    IOutlineOverlay* m_outlineOverlay = nullptr;
    // Automatic edging was on when the outline was locked.
    bool m_edgeBeforeLock = false;
};
