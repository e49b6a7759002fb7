// The program's only top-level window.
#include "mainframe.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/icolorframe.h"
#include "board/ui/ieraseframe.h"
#include "board/ui/ifigureframe.h"
#include "board/ui/ithicknessframe.h"
#include "board/ui/itransparentframe.h"
#include "capture/icapturecontroller.h"
#include "capture/itimelapsecontroller.h"
#include "customui/camera/icameraframe.h"
#include "customui/camera/ifocusframe.h"
#include "customui/camera/iparameterframe.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/common/imsgbox.h"
#include "customui/common/itimemsgbox.h"
#include "customui/imageview/imageview.h"
#include "customui/imglist/iimglist.h"
#include "customui/imglist/iimglistwidget.h"
#include "customui/ipanelhost.h"
#include "customui/magnifier/imagnifierframe.h"
#include "customui/setting/isettingframe.h"
#include "customui/smallcamera/ismallcameraframe.h"
#include "customui/toolbar/iboardtoolbar.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "customui/toolbar/irighttoolbar.h"
#include "customui/videorecord/ivideorecordframe.h"
#include "directshow/iwinusbdevice.h"
#include "ffmpeg/iffmpegapi.h"
#include "icamera.h"
#include "icameraerror.h"
#include "iglobals.h"
#include "iimagetansformthread.h"
#include "ocr/iocrengine.h"
#include "ocr/iocrframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent)
    , m_application(app)
{
    IConfigureService::instance()->readConfigure();

    m_board = new IBoard(this);
    m_board->setStyleSheet("background-color:rgb(105,105,105)");
    // A practically endless scene, so that panning never hits an edge.
    const qreal low = -qreal(1 << 30);
    const qreal high = qreal(std::numeric_limits<int>::max());
    m_board->setSceneRect(QRectF(QPointF(low, low), QPointF(high, high)));

    // Frameless top-level window with system menu, minimise and maximise.
    setWindowFlags(Qt::WindowFlags(59393));
    m_rightToolBar = new IRightToolBar(this);
    m_boardToolBar = new IBoardToolBar(this);
    m_cameraToolBar = new ICameraToolBar(this);
    m_title = new IMainTitleWidget(this);
    m_imgList = new IImgListWidget(this);
    m_boardToolBar->hide();

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_imgList);
    row->addWidget(m_board, 1);
    row->addWidget(m_rightToolBar);
    row->addWidget(m_boardToolBar);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_title);
    column->addLayout(row, 1);
    column->addWidget(m_cameraToolBar);

    connect(m_rightToolBar, &IToolBar::sgButtonClick, this, &MainFrame::slRightToolBarClick);
    connect(m_boardToolBar, &IToolBar::sgButtonClick, this, &MainFrame::slBoardToolBarClick);
    m_boardToolBar->followHistory(m_board->undoGroup());
    connect(m_cameraToolBar, &IToolBar::sgButtonClick, this, &MainFrame::slCameratoolbarClick);
    connect(m_title, &IMainTitleWidget::sgMove, this, [this] { slHideSecondWidget(AnyBar); });
    connect(m_title, &IMainTitleWidget::sgSwitchCamera, this, &MainFrame::onSwitchCamera);
    // Text editing that ends by itself leaves the board selecting again.
    connect(IBoardService::instance(), &IBoardService::sgToolSelectionCleared, m_boardToolBar,
            &IBoardToolBar::resetSelection);
    // So does typing into a new text box: the text tool places one box and
    // hands the board to the selector.
    connect(m_board, &IBoard::sgAfterModeChanged, m_boardToolBar, [this] {
        if (m_board->currentModeType() == TK_IBOARD_ENUM::SelectorMode)
            m_boardToolBar->resetSelection();
    });

    // Snap reads the mode when it is pressed.
    m_captureModeFrame = new ICaptureModeFrame(this, this);
    m_timerCaptureFrame = new ITimerCaptureFrame(this, this);
    m_timerCaptureFrame->hide();
    m_timerCaptureFrame->setBarAnchor(m_cameraToolBar, ICameraToolBar::PhotoMode);

    m_panels = new IPanelHost(this);
    m_panels->addToolBar(RightBar, m_rightToolBar);
    m_panels->addToolBar(BoardBar, m_boardToolBar);
    m_panels->addToolBar(CameraBar, m_cameraToolBar);
    m_panels->addCloser([this] { m_title->hideMenus(); });
    m_panels->addPanel(CameraBar, ICameraToolBar::PhotoMode, m_captureModeFrame);
    m_thicknessFrame = new IThicknessFrame(this);
    m_colorFrame = new IColorFrame(this);
    m_transparentFrame = new ITransparentFrame(this);
    m_figureFrame = new IFigureFrame(this);
    m_eraseFrame = new IEraseFrame(this);
    m_panels->addPanel(BoardBar, IBoardToolBar::Thickness, m_thicknessFrame, Qt::LeftEdge, 10);
    m_panels->addPanel(BoardBar, IBoardToolBar::Color, m_colorFrame, Qt::LeftEdge, 10);
    m_panels->addPanel(BoardBar, IBoardToolBar::Transparency, m_transparentFrame, Qt::LeftEdge, 10);
    m_panels->addPanel(BoardBar, IBoardToolBar::Shape, m_figureFrame, Qt::LeftEdge, 10);
    m_panels->addPanel(BoardBar, IBoardToolBar::Eraser, m_eraseFrame, Qt::LeftEdge, 10);
    m_pixRateFrame = new IPixRateFrame(this);
    m_focusFrame = new IFocusFrame(this);
    m_parameterFrame = new IParameterFrame(this);
    m_cameraFrame = new ICameraFrame(m_title, this);
    m_settingFrame = new ISettingFrame(this);
    m_panels->addPanel(CameraBar, ICameraToolBar::Resolution, m_pixRateFrame);
    m_panels->addPanel(CameraBar, ICameraToolBar::FocusExposure, m_focusFrame);
    m_panels->addPanel(CameraBar, ICameraToolBar::ColorAdjusting, m_parameterFrame);
    m_panels->addPanel(CameraBar, ICameraToolBar::Camera, m_cameraFrame, Qt::TopEdge, 10);
    m_panels->addButtonRow(TitleBar, [this](int id) {
        const QWidget* b = m_title->button(id);
        return b && b->isVisible() ? QRect(b->mapToGlobal(QPoint(0, 0)), b->size()) : QRect();
    });
    m_panels->addPanel(TitleBar, IMainTitleWidget::Settings, m_settingFrame, Qt::BottomEdge);
    connect(m_title, &IMainTitleWidget::sgButtonClick, this, [this](bool checked, QVariant id) {
        // The camera list toggles itself: closing it here would reopen it.
        if (id.toInt() != IMainTitleWidget::Cameras)
            dispatch(TitleBar, checked, id);
    });
    // A press on the board closes the pickers before it reaches the tool,
    // so the eraser already has the size just chosen.
    connect(m_board, &IBoard::sgClickOnBoard, this, [this] { slHideSecondWidget(AnyBar); });

    m_capture = new ICaptureController(this, m_board, this);
    m_capture->setTimerCapture(m_timerCaptureFrame);
    m_timelapse = new ITimelapseController(this, m_board, m_cameraToolBar, this);
    m_timelapse->setResolutionChooser([this](const QSize& size) { m_pixRateFrame->selectResolution(size); });
    // A time-lapse run keeps "Snap" off until it ends.
    connect(m_capture, &ICaptureController::sgSnapEnabled, this, [this](bool on) {
        m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, on && !m_timelapse->isRunning());
    });
    connect(m_capture, &ICaptureController::sgPictureSaved, m_imgList, &IImgListWidget::addImage);
    connect(m_capture, &ICaptureController::sgMessage, this, &MainFrame::showTimedMessage);
    connect(m_timelapse, &ITimelapseController::sgMessage, this, &MainFrame::showTimedMessage);
    connect(m_timelapse, &ITimelapseController::sgLiveNeeded, this, [this] { freeze(false); });
    connect(m_captureModeFrame, &ICaptureModeFrame::sgButtonClick, this, [this](CaptureMode mode) {
        if (mode == TimelapseCapture)
            m_timelapse->showPanel();
    });
    connect(m_captureModeFrame, &ICaptureModeFrame::sgLockOutline, m_capture, &ICaptureController::setOutlineLocked);
    connect(m_capture, &ICaptureController::sgOutlineLocked, m_captureModeFrame, &ICaptureModeFrame::setOutlineLocked);
    connect(m_capture, &ICaptureController::sgEdgeDetectionChanged, this,
            [this](bool on) { m_cameraToolBar->setButtonChecked(ICameraToolBar::AutoEdge, on); });
    m_timelapse->setOutlineLock(m_capture->outlineLock());
    IFFmpegApi::instance()->initRecorder();
    m_videoRecord = new IVideoRecordFrame(this, IFFmpegApi::instance(), [this] { return m_board->pictureGlobalRect(); });
    connect(m_videoRecord, &IVideoRecordFrame::sgMessage, this, [this](const QString& text) { showTimedMessage(text); });
    createViews();
    buildActions();

    m_notice = new ITimeMsgBox;
    setWindowTitle(IConfigureService::productName());
    qDebug() << "Windows MainFrame used!";
}

MainFrame::~MainFrame()
{
    m_capture->stop();
    delete m_notice;
}

void MainFrame::createViews()
{
    const auto message = [this](const QString& text) { showTimedMessage(text); };
    m_magnifier = new IMagnifierFrame(m_board);
    // Either bar's button switches it; both show the state.
    connect(m_magnifier, &IMagnifierFrame::sgActiveChanged, this, [this](bool on) {
        m_rightToolBar->setButtonChecked(IRightToolBar::Magnifier, on);
        m_cameraToolBar->setButtonChecked(ICameraToolBar::Magnifier, on);
    });
    m_smallCamera = new ISmallCameraFrame(m_board);
    connect(m_smallCamera, &ISmallCameraFrame::sgActiveChanged, this,
            [this](bool on) { m_cameraToolBar->setButtonChecked(ICameraToolBar::PictureInPicture, on); });
    connect(m_smallCamera, &ISmallCameraFrame::sgMessage, this, message);
    m_imageView = new ImageView(m_board);
    connect(m_imageView, &ImageView::sgShownChanged, this,
            [this](bool on) { m_cameraToolBar->setButtonChecked(ICameraToolBar::SplitScreen, on); });
    connect(m_imageView, &ImageView::sgMessage, this, message);
}

void MainFrame::buildActions()
{
    const Action zoomIn = [this](bool) { m_board->zoomBy(1.1); };
    const Action zoomOut = [this](bool) { m_board->zoomBy(0.9); };
    const Action rotate = [this](bool) { m_board->rotateBy(90); };
    const Action fit = [this](bool) { m_board->resetView(); };
    IBoardService* service = IBoardService::instance();
    m_actions = {
        {{RightBar, IRightToolBar::Board}, [this](bool) { showBoardToolBar(true); }},
        {{RightBar, IRightToolBar::Magnifier}, [this](bool on) { m_magnifier->setActive(on); }},
        {{RightBar, IRightToolBar::ZoomIn}, zoomIn},
        {{RightBar, IRightToolBar::ZoomOut}, zoomOut},
        {{RightBar, IRightToolBar::Rotate}, rotate},
        {{RightBar, IRightToolBar::SelfAdapting}, fit},

        {{BoardBar, IBoardToolBar::Move}, [service](bool) { service->selectSelector(); }},
        {{BoardBar, IBoardToolBar::Pencil}, [service](bool) {
             const IConfigureService* config = IConfigureService::instance();
             service->selectPencil(config->pencilColor(), config->pencilThickness(), config->pencilTransparency());
         }},
        {{BoardBar, IBoardToolBar::Text}, [service](bool) { service->selectText(); }},
        {{BoardBar, IBoardToolBar::Eraser}, [service](bool) { service->selectPointEraser(100); }},
        {{BoardBar, IBoardToolBar::Undo}, [this](bool) { m_board->undo(); }},
        {{BoardBar, IBoardToolBar::Redo}, [this](bool) { m_board->redo(); }},
        {{BoardBar, IBoardToolBar::Clear}, [service](bool) { service->clearAll(); }},
        {{BoardBar, IBoardToolBar::Home}, [this](bool) { showBoardToolBar(false); }},

        {{CameraBar, ICameraToolBar::Magnifier}, [this](bool on) { m_magnifier->setActive(on); }},
        {{CameraBar, ICameraToolBar::PictureInPicture}, [this](bool on) { m_smallCamera->setActive(on); }},
        {{CameraBar, ICameraToolBar::SplitScreen},
         [this](bool on) { m_imageView->setShown(on, m_imgList->list()->selectedFiles()); }},
        {{CameraBar, ICameraToolBar::ZoomIn}, zoomIn},
        {{CameraBar, ICameraToolBar::ZoomOut}, zoomOut},
        {{CameraBar, ICameraToolBar::Rotate}, rotate},
        {{CameraBar, ICameraToolBar::SelfAdapting}, fit},
        {{CameraBar, ICameraToolBar::Freeze}, [this](bool checked) { freeze(checked); }},
        {{CameraBar, ICameraToolBar::AutoEdge}, [](bool checked) { ICamera::instance()->setEdgeDetection(checked); }},
        {{CameraBar, ICameraToolBar::Snap}, [this](bool) {
             if (m_captureModeFrame->currentMode() == TimelapseCapture)
                 m_timelapse->showPanel();
             else
                 m_capture->snap(m_captureModeFrame->currentMode());
         }},
        {{CameraBar, ICameraToolBar::VideoRecording}, [this](bool) { m_videoRecord->showFrame(); }},
        {{CameraBar, ICameraToolBar::Ocr}, [this](bool) { showOcrFrame(); }},
        {{CameraBar, ICameraToolBar::Pdf}, [this](bool) {
             if (!m_imgList->list()->exportPdf())
                 showTimedMessage(tr("请先选择左边列表文件"));
         }},
    };
}

IImageTansformThread* MainFrame::imageThread() const
{
    return m_capture->imageThread();
}

ICaptureFrame* MainFrame::captureFrame() const
{
    return m_capture->captureFrame();
}

void MainFrame::createFirstSlide()
{
    auto* slide = new ISlide(m_board);
    auto* picture = new IPixmapItem;
    picture->setTargetSize(m_board->size());
    m_board->insertSlide(slide, true);
    m_board->setPictureItem(picture);
    InitData();
}

void MainFrame::InitData()
{
    ICamera* camera = ICamera::instance();
    connect(camera, &ICamera::sgError, this, &MainFrame::onCameraError);
    if (!camera->openCurrentCamera()) {
        qDebug() << "open error---->";
        emit camera->sgError(CameraOpenFailed);
        return;
    }
    IBoardService::instance()->selectSelector();
    connect(camera, &ICamera::sgCameraFrame, m_board, &IBoard::setBackgroundImage);
    connect(m_board, &IBoard::sgPictureShownSize, camera, &ICamera::setShownSize);
    connect(camera, &ICamera::sgChangeResolutionFromOtherApp, m_pixRateFrame, &IPixRateFrame::markResolution);
    // Start-up is timed to this line (bench/startup.sh).
    m_firstPicture = connect(camera, &ICamera::sgCameraFrame, this, [this] {
        disconnect(m_firstPicture);
        qDebug() << "first camera picture shown";
    });

    m_capture->start();
    IImageTansformThread* saver = m_capture->imageThread();
    connect(saver, &IImageTansformThread::sgCaptureImage, this, &MainFrame::slCaputerImage);
    m_timelapse->setImageThread(saver);
    connect(m_imgList->list(), &IImgList::sgExportFiles, saver, &IImageTansformThread::setExportJob);

    m_usbWatcher = new IWinUsbDevice(this);
    connect(m_usbWatcher, &IWinUsbDevice::connectionChanged, this, &MainFrame::onUsbDeviceChanged);
    connect(m_usbWatcher, &IWinUsbDevice::connectionChanged, m_smallCamera, &ISmallCameraFrame::slDeviceChanged);
}

void MainFrame::slHideSecondWidget(int barType, QVariant flag)
{
    m_panels->closeOthers(barType, flag);
}

void MainFrame::dispatch(int barType, bool checked, const QVariant& id)
{
    slHideSecondWidget(barType, id);
    const auto action = m_actions.find({barType, id.toInt()});
    if (action != m_actions.end())
        action->second(checked);
    m_panels->toggle(barType, id.toInt());
}

void MainFrame::slRightToolBarClick(bool checked, QVariant id)
{
    dispatch(RightBar, checked, id);
}

void MainFrame::slBoardToolBarClick(bool checked, QVariant id)
{
    dispatch(BoardBar, checked, id);
}

void MainFrame::slCameratoolbarClick(bool checked, QVariant id)
{
    dispatch(CameraBar, checked, id);
}

void MainFrame::showBoardToolBar(bool show)
{
    m_rightToolBar->setVisible(!show);
    m_boardToolBar->setVisible(show);
    m_annotationMode = show;
    if (!show) {
        m_boardToolBar->resetSelection();
        IBoardService::instance()->selectSelector();
    }
}

void MainFrame::freeze(bool freezing)
{
    ICamera* camera = ICamera::instance();
    if (freezing && m_cameraToolBar->isButtonChecked(ICameraToolBar::AutoEdge)) {
        camera->setEdgeDetection(false);
        QThread::msleep(100);
        m_cameraToolBar->setButtonChecked(ICameraToolBar::AutoEdge, false);
    }
    camera->setLive(!freezing);
    syncCameraButtons();
}

void MainFrame::syncCameraButtons()
{
    const ICamera* camera = ICamera::instance();
    m_cameraToolBar->setButtonChecked(ICameraToolBar::Freeze, !camera->isLive());
    m_cameraToolBar->setButtonChecked(ICameraToolBar::AutoEdge, camera->isEdgeDetectionOn());
    m_cameraToolBar->setButtonEnabled(ICameraToolBar::Resolution, camera->isLive());
    m_cameraToolBar->setButtonEnabled(ICameraToolBar::AutoEdge, camera->isLive());
}

void MainFrame::setPictureButtonsEnabled(bool enabled)
{
    for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
        m_cameraToolBar->setButtonEnabled(id, enabled);
}

void MainFrame::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Alt and these keys click camera toolbar buttons.
    static const std::map<int, int> clicks = {
        {Qt::Key_Minus, ICameraToolBar::ZoomOut}, {Qt::Key_7, ICameraToolBar::ZoomOut},
        {Qt::Key_Plus, ICameraToolBar::ZoomIn},   {Qt::Key_Equal, ICameraToolBar::ZoomIn},
        {Qt::Key_6, ICameraToolBar::ZoomIn},      {Qt::Key_5, ICameraToolBar::Snap},
    };
    const auto click = clicks.find(event->key());
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (mods == (Qt::ControlModifier | Qt::AltModifier) && click != clicks.end())
        slCameratoolbarClick(true, click->second);
    QWidget::keyPressEvent(event);
}

void MainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = windowState();
        if (state & Qt::WindowMaximized) {
            // Relayout the bar for the new width.
            m_cameraToolBar->hide();
            m_cameraToolBar->show();
        }
        if (state & (Qt::WindowMaximized | Qt::WindowMinimized))
            m_panels->hideAll();
        m_timelapse->windowStateChanged();
        // A series must not go on shooting a window nobody sees.
        if (state & Qt::WindowMinimized)
            stopSeries();
    }
    QWidget::changeEvent(event);
}

void MainFrame::stopSeries()
{
    m_timerCaptureFrame->stop();
    m_timerCaptureFrame->showFrame(false);
}

void MainFrame::onSwitchCamera(const ICameraInfo& info)
{
    setEnabled(false);
    // The series belongs to the camera it was started on.
    stopSeries();
    m_timelapse->stop();
    m_videoRecord->stopRecording();
    // One device cannot stream to two sources.
    m_smallCamera->releaseDevice(info.devicePath);
    ICamera::instance()->switchCamera(info);
    m_firstOpen = true;
    IBoardService::instance()->clearAll();
    syncCameraButtons();
}

void MainFrame::showTimedMessage(const QString& text, int durationMs)
{
    m_notice->showMessageOver(this, text, durationMs);
}

void MainFrame::showOnOwnScreen()
{
    // The restored size is set once, on the window's own screen; a
    // reconnect only maximises again.
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* own = screen()) {
            const QRect area = own->availableGeometry();
            QRect normal(QPoint(0, 0), area.size() * 4 / 5);
            normal.moveCenter(area.center());
            setGeometry(normal);
        }
    }
    showMaximized();
}

void MainFrame::onCameraError(int code)
{
    qDebug() << "camera error code:" << code;
    if (code == CameraOpened) {
        syncCameraButtons();
        if (m_firstOpen) {
            m_firstOpen = false;
            m_parameterFrame->refresh();
            m_pixRateFrame->refresh();
            m_focusFrame->refresh();
            setPictureButtonsEnabled(true);
            showOnOwnScreen();
            QTimer::singleShot(200, m_board, [this] { m_board->resetView(); });
            m_imgList->load();
        }
    }
    setEnabled(true);
    switch (code) {
    case CameraOpenFailed:
        IMsgBox::showMessage(tr("No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not "
                                "connected properly. 2. Driver program is not installed successfully. 3. The device "
                                "is damaged."),
                             4, IConfigureService::productName(), isVisible() ? this : nullptr);
        ICameraInfo::current().index = -1;
        break;
    case ResolutionFailed: showTimedMessage(tr("Resolution settings failed, please re-select.")); break;
    case CameraLost:
        showTimedMessage(tr("The camera is not available, or it is caused by power failure, poor contact and being "
                            "pulled out. Please check the equipment."));
        break;
    default: break;
    }
}

void MainFrame::onUsbDeviceChanged(bool connected, const QString& deviceName)
{
    ICamera* camera = ICamera::instance();
    const QString current = ICameraInfo::current().devicePath;
    qDebug() << "usb device change " << connected << deviceName << current;
    if (!connected && deviceName.compare(current, Qt::CaseInsensitive) == 0) {
        m_panels->hideAll();
        m_smallCamera->setActive(false);
        stopSeries();
        m_timelapse->close();
        // No stroke is left half-drawn over a picture that is gone.
        m_board->cancelInput();
        m_board->setBackgroundImage(QImage());
        camera->closeUsbSource();
        setPictureButtonsEnabled(false);
        emit camera->sgError(CameraLost);
    } else if (connected && !camera->hasSource()) {
        if (camera->openCurrentCamera())
            m_firstOpen = true;
    }
}

void MainFrame::slCaputerImage(QImage picture, QString path)
{
    m_capture->pictureSaved(picture, path);
}

void MainFrame::showOcrFrame()
{
    if (!m_ocrFrame)
        m_ocrFrame = new IOcrFrame(IOcrEngine::instance(), this);
    m_ocrFrame->setImages(m_imgList->list()->selectedFiles());
    m_ocrFrame->open();
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    m_magnifier->setActive(false);
    m_panels->hideAll();
    IConfigureService::instance()->writeAllConfigure();
    // The engine is only there once OCR was used.
    if (m_ocrFrame) {
        m_ocrFrame->close();
        emit IOcrEngine::instance()->sgOcrDestory();
    }
    // Before the save thread goes: the video gets what was taken.
    m_timelapse->close();
    // A recording still going is saved before the recorder is ended; the
    // window that is going away does not show where.
    disconnect(IFFmpegApi::instance(), nullptr, m_videoRecord, nullptr);
    IFFmpegApi::instance()->releaseRecorder();
    m_capture->stop();
    stopSeries();
    ICamera::instance()->closeAllSources();
    m_smallCamera->setActive(false);
    processEventsFor(200);
    QWidget::closeEvent(event);
}
