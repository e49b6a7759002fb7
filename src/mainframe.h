// The program's only top-level window: the board over the live picture,
// the camera's errors and hot-plug, and the capture road.
#pragma once

#include <QImage>
#include <QWidget>

#include <QVariant>

#include <functional>
#include <map>
#include <utility>

class IApplication;
class IBoard;
class IBoardToolBar;
class ICameraToolBar;
class ICaptureFrame;
class ICaptureModeFrame;
class ITimerCaptureFrame;
class IImageTansformThread;
class IImgListWidget;
class IMainTitleWidget;
class IRightToolBar;
class ITimeMsgBox;
class IWinUsbDevice;
struct ICameraInfo;

class MainFrame : public QWidget
{
    Q_OBJECT
public:
    explicit MainFrame(IApplication* app, QWidget* parent = nullptr);
    ~MainFrame() override;

    IBoard* board() const;
    // The board's first slide with the camera picture under it; ends by
    // opening the camera (InitData).
    void createFirstSlide();
    // Opens the first accepted camera; run once the first slide exists.
    void InitData();
    IWinUsbDevice* usbWatcher() const;
    IImageTansformThread* imageThread() const;

    // Takes a picture with a filter kind (1 none, 2 grey, 3 black and white).
    void takePicture(int filterKind);
    // Shows a notice for durationMs, centred over the window.
    void showTimedMessage(const QString& text, int durationMs = 1000);

    IMainTitleWidget* titleWidget() const { return m_title; }
    IRightToolBar* rightToolBar() const { return m_rightToolBar; }
    IBoardToolBar* boardToolBar() const { return m_boardToolBar; }
    ICameraToolBar* cameraToolBar() const { return m_cameraToolBar; }
    IImgListWidget* imgListWidget() const { return m_imgList; }
    ICaptureModeFrame* captureModeFrame() const { return m_captureModeFrame; }
    ITimerCaptureFrame* timerCaptureFrame() const { return m_timerCaptureFrame; }
    // Null until the first partial capture.
    ICaptureFrame* captureFrame() const { return m_captureFrame; }

    // Answers the PDF export's save dialog instead of the user: given the
    // proposed name, returns the chosen one (empty when cancelled).
    using PdfFileChooser = std::function<QString(const QString& proposedPath)>;
    void setPdfFileChooser(PdfFileChooser chooser);

public slots:
    void slHideSecondWidget(int barType = 0, QVariant flag = QVariant());
    void slRightToolBarClick(bool checked, QVariant id);
    void slBoardToolBarClick(bool checked, QVariant id);
    void slCameratoolbarClick(bool checked, QVariant id);
    void slCaputerImage(QImage picture, QString path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onCameraError(int code);
    void onCameraFrame(const QImage& frame);
    void onUsbDeviceChanged(bool connected, const QString& deviceName);
    void onSwitchCamera(const ICameraInfo& info);
    void exportPdf();
    QString askPdfFile(const QString& proposedPath);
    // A type-1 camera at 3840x2160 takes its pictures as stills.
    bool takesStills() const;
    // Hands a camera picture to the save thread with the board's
    // annotations, scale and rotation; a null picture only frees the button.
    void submitCapture(const QImage& picture);
    // The snap button's action in the current capture mode.
    void snap();
    // The whole window as it is on screen, saved like a capture.
    void captureScreen();
    void captureScreenToClipboard();
    // Lays the zone window over the board's visible area.
    void showCaptureFrame();
    void onZoneSelected(const QRect& zone);
    // The free capture zone in the picture's pixels; null when it misses the picture.
    QRect zoneCrop(const QSize& pictureSize, double scaleX, double scaleY) const;
    void playShutterSound();
    // The panel a toolbar button toggles; null when it opens none.
    QWidget* panelOf(int barType, int id) const;
    void toggleCaptureModeFrame();

    static constexpr int kStillTimeoutMs = 5000;

    bool m_firstOpen = true;
    IBoard* m_board = nullptr;
    IApplication* m_application = nullptr;
    IWinUsbDevice* m_usbWatcher = nullptr;
    ITimeMsgBox* m_notice = nullptr;
    IImageTansformThread* m_imageThread = nullptr;
    bool m_annotationMode = false;
    IMainTitleWidget* m_title = nullptr;
    IImgListWidget* m_imgList = nullptr;
    IRightToolBar* m_rightToolBar = nullptr;
    IBoardToolBar* m_boardToolBar = nullptr;
    ICameraToolBar* m_cameraToolBar = nullptr;
    PdfFileChooser m_pdfChooser;
    ICaptureModeFrame* m_captureModeFrame = nullptr;
    ITimerCaptureFrame* m_timerCaptureFrame = nullptr;
    ICaptureFrame* m_captureFrame = nullptr;
    // (bar type, button id) -> the pop-up panel that button toggles.
    std::map<std::pair<int, int>, QWidget*> m_panelByButton;
    // While a screen grab holds the snap button, a saved picture must not free it.
    bool m_snapHeld = false;
};
