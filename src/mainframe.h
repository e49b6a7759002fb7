// The program's only top-level window: lays out the board over the live
// picture, the toolbars and the picture list, turns toolbar clicks and keys
// into actions through one table, and reacts to the camera's errors and
// hot-plug. Capture lives in ICaptureController, pop-ups in IPanelHost.
#pragma once

#include <QImage>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <map>
#include <utility>

class IApplication;
class IBoard;
class IBoardToolBar;
class ICameraToolBar;
class ICameraFrame;
class ICaptureController;
class ICaptureFrame;
class ICaptureModeFrame;
class IColorFrame;
class IEraseFrame;
class IFigureFrame;
class IFocusFrame;
class IImageTansformThread;
class IImgListWidget;
class IMagnifierFrame;
class ImageView;
class IMainTitleWidget;
class IOcrFrame;
class IPanelHost;
class IParameterFrame;
class IPixRateFrame;
class IRightToolBar;
class ISmallCameraFrame;
class ISettingFrame;
class IThicknessFrame;
class ITimeMsgBox;
class ITimelapseController;
class ITimerCaptureFrame;
class ITransparentFrame;
class IVideoRecordFrame;
class IWinUsbDevice;
struct ICameraInfo;

class MainFrame : public QWidget
{
    Q_OBJECT
public:
    // The bar types toolbar clicks carry.
    enum BarType { AnyBar = 0, RightBar = 1, BoardBar = 2, CameraBar = 3, TitleBar = 4 };

    explicit MainFrame(IApplication* app, QWidget* parent = nullptr);
    ~MainFrame() override;

    IBoard* board() const { return m_board; }
    // The board's first slide with the camera picture under it; ends by
    // opening the camera (InitData).
    void createFirstSlide();
    // Opens the first accepted camera; run once the first slide exists.
    void InitData();
    IWinUsbDevice* usbWatcher() const { return m_usbWatcher; }
    IImageTansformThread* imageThread() const;

    // Shows a notice for durationMs, centred over the window.
    void showTimedMessage(const QString& text, int durationMs = 1000);

    IMainTitleWidget* titleWidget() const { return m_title; }
    IRightToolBar* rightToolBar() const { return m_rightToolBar; }
    IBoardToolBar* boardToolBar() const { return m_boardToolBar; }
    ICameraToolBar* cameraToolBar() const { return m_cameraToolBar; }
    IImgListWidget* imgListWidget() const { return m_imgList; }
    ICaptureModeFrame* captureModeFrame() const { return m_captureModeFrame; }
    ITimerCaptureFrame* timerCaptureFrame() const { return m_timerCaptureFrame; }
    IVideoRecordFrame* videoRecordFrame() const { return m_videoRecord; }
    ITimelapseController* timelapse() const { return m_timelapse; }
    // Null until OCR is first opened.
    IOcrFrame* ocrFrame() const { return m_ocrFrame; }
    IMagnifierFrame* magnifier() const { return m_magnifier; }
    ISmallCameraFrame* smallCameraFrame() const { return m_smallCamera; }
    ImageView* imageView() const { return m_imageView; }
    IPixRateFrame* pixRateFrame() const { return m_pixRateFrame; }
    IFocusFrame* focusFrame() const { return m_focusFrame; }
    IParameterFrame* parameterFrame() const { return m_parameterFrame; }
    ICameraFrame* cameraFrame() const { return m_cameraFrame; }
    ISettingFrame* settingFrame() const { return m_settingFrame; }
    // Null until the first partial capture.
    ICaptureFrame* captureFrame() const;

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
    using Action = std::function<void(bool checked)>;

    void buildActions();
    // The magnifier, picture-in-picture and compare view over the board.
    void createViews();
    // Closes the others, runs the button's action and toggles its panel.
    void dispatch(int barType, bool checked, const QVariant& id);
    void showBoardToolBar(bool show);
    void freeze(bool freezing);
    // Freeze, edging and resolution as the camera's source really is.
    void syncCameraButtons();
    void setPictureButtonsEnabled(bool enabled);
    void showOnOwnScreen();
    void onCameraError(int code);
    void onUsbDeviceChanged(bool connected, const QString& deviceName);
    void onSwitchCamera(const ICameraInfo& info);
    void stopSeries();
    // Opens the OCR window, with the pictures marked in the list when there are any.
    void showOcrFrame();

    bool m_firstOpen = true;
    // Logs the first camera picture once, then goes.
    QMetaObject::Connection m_firstPicture;
    // The window has had its restored size once; later opens keep it.
    bool m_placed = false;
    IBoard* m_board = nullptr;
    IApplication* m_application = nullptr;
    IWinUsbDevice* m_usbWatcher = nullptr;
    ITimeMsgBox* m_notice = nullptr;
    bool m_annotationMode = false;
    IMainTitleWidget* m_title = nullptr;
    IImgListWidget* m_imgList = nullptr;
    IRightToolBar* m_rightToolBar = nullptr;
    IBoardToolBar* m_boardToolBar = nullptr;
    ICameraToolBar* m_cameraToolBar = nullptr;
    IPanelHost* m_panels = nullptr;
    ICaptureController* m_capture = nullptr;
    ITimelapseController* m_timelapse = nullptr;
    IVideoRecordFrame* m_videoRecord = nullptr;
    ICaptureModeFrame* m_captureModeFrame = nullptr;
    ITimerCaptureFrame* m_timerCaptureFrame = nullptr;
    IOcrFrame* m_ocrFrame = nullptr;
    // The pen's pickers beside the board toolbar.
    IThicknessFrame* m_thicknessFrame = nullptr;
    IColorFrame* m_colorFrame = nullptr;
    ITransparentFrame* m_transparentFrame = nullptr;
    IFigureFrame* m_figureFrame = nullptr;
    IEraseFrame* m_eraseFrame = nullptr;
    // The views over the board.
    IMagnifierFrame* m_magnifier = nullptr;
    ISmallCameraFrame* m_smallCamera = nullptr;
    ImageView* m_imageView = nullptr;
    // The camera's and the program's settings.
    IPixRateFrame* m_pixRateFrame = nullptr;
    IFocusFrame* m_focusFrame = nullptr;
    IParameterFrame* m_parameterFrame = nullptr;
    ICameraFrame* m_cameraFrame = nullptr;
    ISettingFrame* m_settingFrame = nullptr;
    // (bar type, button id) -> what the button does.
    std::map<std::pair<int, int>, Action> m_actions;
};
