// The program's only top-level window.
#include "mainframe.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "customui/toolbar/iboardtoolbar.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/imglist/iimglist.h"
#include "customui/imglist/iimglistwidget.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "customui/common/imsgbox.h"
#include "customui/toolbar/irighttoolbar.h"
#include "customui/common/itimemsgbox.h"
#include "customui/capture/itimercaptureframe.h"
#include "directshow/isignaldevicenotifier.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/iwinusbdevice.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "iapplication.h"
#include "icamera.h"
#include "icapturejob.h"
#include "iglobals.h"
#include "iimagetansformthread.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

#include <QClipboard>
#include <QCloseEvent>
#include <limits>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSound>
#include <QThread>
#include <QDebug>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent)
    , m_application(app)
{
    // The library is static: its resources are registered by hand.
    Q_INIT_RESOURCE(sounds);
    IConfigureService::instance()->readConfigure();

    m_board = new IBoard(this);
    m_board->setStyleSheet("background-color:rgb(105,105,105)");
    // A practically endless scene, so that panning never hits an edge.
    const qreal low = -qreal(1 << 30);
    const qreal high = qreal(std::numeric_limits<int>::max());
    m_board->setSceneRect(QRectF(QPointF(low, low), QPointF(high, high)));
    m_board->init();

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
    connect(m_cameraToolBar, &IToolBar::sgButtonClick, this, &MainFrame::slCameratoolbarClick);
    connect(m_title, &IMainTitleWidget::sgMove, this, [this] { slHideSecondWidget(0); });
    connect(m_title, &IMainTitleWidget::sgSwitchCamera, this, &MainFrame::onSwitchCamera);

    m_captureModeFrame = new ICaptureModeFrame(this, this);
    m_captureModeFrame->hide();
    connect(m_captureModeFrame, &ICaptureModeFrame::sgButtonClick, this,
            [](CaptureMode mode) { qDebug() << "capture mode" << int(mode); });
    m_timerCaptureFrame = new ITimerCaptureFrame(this, this);
    m_timerCaptureFrame->hide();
    m_timerCaptureFrame->setBarAnchor(m_cameraToolBar, ICameraToolBar::PhotoMode);
    connect(m_timerCaptureFrame, &ITimerCaptureFrame::sgTakePicture, this, [this] { takePicture(1); });
    m_panelByButton = {
        {{3, ICameraToolBar::PhotoMode}, m_captureModeFrame},
    };

    m_notice = new ITimeMsgBox;
    setWindowTitle(IConfigureService::productName());
    qDebug() << "Windows MainFrame used!";
}

MainFrame::~MainFrame()
{
    delete m_imageThread;
    delete m_notice;
}

IBoard* MainFrame::board() const
{
    return m_board;
}

IImageTansformThread* MainFrame::imageThread() const
{
    return m_imageThread;
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
        emit camera->sgError(1);
        return;
    }
    IBoardService::instance()->selectSelector();

    connect(camera, &ICamera::sgCameraFrame, this, &MainFrame::onCameraFrame);
    connect(camera, &ICamera::sgStillImage, this, &MainFrame::submitCapture);
    connect(camera, &ICamera::sgCaptureImage, this, &MainFrame::submitCapture);

    m_imageThread = new IImageTansformThread;
    connect(m_imageThread, &IImageTansformThread::sgCaptureImage, this, &MainFrame::slCaputerImage);
    connect(m_imageThread, &IImageTansformThread::sgSaveFilesSuccess, this,
            [this] { showTimedMessage(tr("Save Successful.")); });
    connect(m_imageThread, &IImageTansformThread::sgSaveFilesFailed, this, [this](const QStringList& failures) {
        showTimedMessage(tr("Some files could not be saved:\n%1").arg(failures.join('\n')), 3000);
    });
    connect(m_imageThread, &IImageTansformThread::sgCaptureFailed, this, [this](const QString&, const QString& error) {
        m_timerCaptureFrame->shotLost();
        showTimedMessage(tr("The picture could not be saved: %1").arg(error), 3000);
    });
    m_imageThread->start();
    connect(m_imgList->list(), &IImgList::sgExportFiles, m_imageThread, &IImageTansformThread::setExportJob);

    m_usbWatcher = new IWinUsbDevice(this);
    // The virtual camera unplugs and replugs like a USB one.
    if (const auto virtualCamera = IVideoDeviceSetup::virtualCamera()) {
        auto* relay = new ISignalDeviceNotifier;
        connect(virtualCamera.get(), &IVirtualCamera::presenceChanged, relay,
                &ISignalDeviceNotifier::slVideoDeviceChanged);
        m_usbWatcher->addNotifier(relay);
    }
    connect(m_usbWatcher, &IWinUsbDevice::connectionChanged, this, &MainFrame::onUsbDeviceChanged);
}

IWinUsbDevice* MainFrame::usbWatcher() const
{
    return m_usbWatcher;
}

QWidget* MainFrame::panelOf(int barType, int id) const
{
    const auto found = m_panelByButton.find({barType, id});
    return found == m_panelByButton.end() ? nullptr : found->second;
}

void MainFrame::slHideSecondWidget(int barType, QVariant flag)
{
    const QWidget* panel = flag.isValid() ? panelOf(barType, flag.toInt()) : nullptr;
    // The click that follows closes an open panel itself.
    if (panel && panel->isVisible())
        return;
    m_title->hideMenus();
    for (const auto& entry : m_panelByButton)
        entry.second->hide();
}

void MainFrame::toggleCaptureModeFrame()
{
    if (m_captureModeFrame->isVisible()) {
        m_captureModeFrame->hide();
        return;
    }
    const QRect button = m_cameraToolBar->buttonGlobalRect(ICameraToolBar::PhotoMode);
    const int gap = scaledPixels(6);
    m_captureModeFrame->showAbove(button.isNull() ? mapToGlobal(rect().center())
                                                  : QPoint(button.center().x(), button.top() - gap));
}

void MainFrame::slRightToolBarClick(bool checked, QVariant id)
{
    Q_UNUSED(checked)
    slHideSecondWidget(1, id);
    switch (id.toInt()) {
    case IRightToolBar::Board:
        m_rightToolBar->hide();
        m_boardToolBar->show();
        m_annotationMode = true;
        break;
    case IRightToolBar::ZoomIn: m_board->zoomBy(1.1); break;
    case IRightToolBar::ZoomOut: m_board->zoomBy(0.9); break;
    case IRightToolBar::Rotate: m_board->rotateBy(90); break;
    case IRightToolBar::SelfAdapting: m_board->resetView(); break;
    default: break;
    }
}

void MainFrame::slBoardToolBarClick(bool checked, QVariant id)
{
    Q_UNUSED(checked)
    slHideSecondWidget(2, id);
    IBoardService* service = IBoardService::instance();
    IConfigureService* config = IConfigureService::instance();
    switch (id.toInt()) {
    case IBoardToolBar::Move: service->selectSelector(); break;
    case IBoardToolBar::Pencil:
        service->selectPencil(config->pencilColor(), config->pencilThickness(), config->pencilTransparency());
        break;
    case IBoardToolBar::Text: service->selectText(); break;
    case IBoardToolBar::Eraser: service->selectPointEraser(100); break;
    case IBoardToolBar::Clear: service->clearAll(); break;
    case IBoardToolBar::Home:
        m_boardToolBar->hide();
        m_rightToolBar->show();
        m_boardToolBar->resetSelection();
        service->selectSelector();
        m_annotationMode = false;
        break;
    default: break;
    }
}

void MainFrame::slCameratoolbarClick(bool checked, QVariant id)
{
    slHideSecondWidget(3, id);
    ICamera* camera = ICamera::instance();
    switch (id.toInt()) {
    case ICameraToolBar::ZoomIn: m_board->zoomBy(1.1); break;
    case ICameraToolBar::ZoomOut: m_board->zoomBy(0.9); break;
    case ICameraToolBar::Rotate: m_board->rotateBy(90); break;
    case ICameraToolBar::SelfAdapting: m_board->resetView(); break;
    case ICameraToolBar::Freeze: {
        const bool freezing = checked;
        if (freezing && m_cameraToolBar->isButtonChecked(ICameraToolBar::AutoEdge)) {
            camera->setEdgeDetection(false);
            QThread::msleep(100);
            m_cameraToolBar->setButtonChecked(ICameraToolBar::AutoEdge, false);
        }
        camera->setLive(!freezing);
        m_cameraToolBar->setButtonEnabled(ICameraToolBar::Resolution, !freezing);
        m_cameraToolBar->setButtonEnabled(ICameraToolBar::AutoEdge, !freezing);
        break;
    }
    case ICameraToolBar::AutoEdge: camera->setEdgeDetection(checked); break;
    case ICameraToolBar::Snap: snap(); break;
    case ICameraToolBar::PhotoMode: toggleCaptureModeFrame(); break;
    case ICameraToolBar::Pdf: exportPdf(); break;
    default: break;
    }
}

void MainFrame::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (mods == (Qt::ControlModifier | Qt::AltModifier)) {
        switch (event->key()) {
        case Qt::Key_Minus:
        case Qt::Key_7: slCameratoolbarClick(true, int(ICameraToolBar::ZoomOut)); break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
        case Qt::Key_6: slCameratoolbarClick(true, int(ICameraToolBar::ZoomIn)); break;
        case Qt::Key_5: slCameratoolbarClick(true, int(ICameraToolBar::Snap)); break;
        default: break;
        }
    }
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
            slHideSecondWidget(0);
        // A series must not go on shooting a window nobody sees.
        if (state & Qt::WindowMinimized) {
            m_timerCaptureFrame->stop();
            m_timerCaptureFrame->showFrame(false);
        }
    }
    QWidget::changeEvent(event);
}

void MainFrame::setPdfFileChooser(PdfFileChooser chooser)
{
    m_pdfChooser = std::move(chooser);
}

void MainFrame::exportPdf()
{
    const QStringList selected = m_imgList->selectedFiles();
    if (selected.isEmpty()) {
        showTimedMessage(QStringLiteral("请先选择左边列表文件"));
        return;
    }
    const QString proposed = IImgList::proposedExportPath();
    QString name = m_pdfChooser ? m_pdfChooser(proposed) : askPdfFile(proposed);
    if (name.isEmpty() || !m_imageThread)
        return;
    if (!name.endsWith(QLatin1String(".pdf")))
        name += QLatin1String(".pdf");
    m_imageThread->setExportJob(name, selected, PdfFittedOnA4);
}

QString MainFrame::askPdfFile(const QString& proposedPath)
{
    return QFileDialog::getSaveFileName(this, tr("Save"), proposedPath, QStringLiteral("PDF File (*.pdf)"));
}

void MainFrame::onSwitchCamera(const ICameraInfo& info)
{
    setEnabled(false);
    ICamera::instance()->switchCamera(info);
    m_firstOpen = true;
    IBoardService::instance()->clearAll();
    m_cameraToolBar->setButtonChecked(ICameraToolBar::Freeze, false);
    m_cameraToolBar->setButtonChecked(ICameraToolBar::AutoEdge, false);
}

void MainFrame::onCameraFrame(const QImage& frame)
{
    m_board->setBackgroundImage(frame);
}

void MainFrame::showTimedMessage(const QString& text, int durationMs)
{
    m_notice->showMessage(text, durationMs);
}

void MainFrame::onCameraError(int code)
{
    qDebug() << "camera error code:" << code;
    if (m_firstOpen && code == 0) {
        m_firstOpen = false;
        for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
            m_cameraToolBar->setButtonEnabled(id, true);
        // Without a window manager "maximised" means nothing: fill the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        showMaximized();
        QTimer::singleShot(200, m_board, [this] { m_board->resetView(); });
        m_imgList->load();
    }
    setEnabled(true);
    switch (code) {
    case 1:
        IMsgBox::showMessage(tr("No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not "
                                "connected properly. 2. Driver program is not installed successfully. 3. The device "
                                "is damaged."),
                             4, IConfigureService::productName(), isVisible() ? this : nullptr);
        ICameraInfo::current().index = -1;
        break;
    case 2:
        showTimedMessage(tr("Resolution settings failed, please re-select."));
        break;
    case 3:
        showTimedMessage(tr("The camera is not available, or it is caused by power failure, poor contact and being "
                            "pulled out. Please check the equipment."));
        break;
    default:
        break;
    }
}

void MainFrame::onUsbDeviceChanged(bool connected, const QString& deviceName)
{
    ICamera* camera = ICamera::instance();
    const QString current = ICameraInfo::current().devicePath;
    qDebug() << "usb device change " << connected << deviceName << current;
    if (!connected && deviceName.compare(current, Qt::CaseInsensitive) == 0) {
        m_board->setBackgroundImage(QImage());
        camera->closeUsbSource();
        for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
            m_cameraToolBar->setButtonEnabled(id, false);
        emit camera->sgError(3);
    } else if (connected && !camera->hasSource()) {
        if (camera->openCurrentCamera())
            m_firstOpen = true;
    }
}

void MainFrame::takePicture(int filterKind)
{
    if (!m_imageThread)
        return;
    m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, false);
    ICamera* camera = ICamera::instance();
    if (takesStills()) {
        // The still arrives through sgStillImage; a camera that never sends
        // it must not leave the snap button dead.
        camera->triggerStill();
        QTimer::singleShot(kStillTimeoutMs, m_cameraToolBar,
                           [this] { m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, true); });
        return;
    }
    submitCapture(camera->picture(filterKind));
}

void MainFrame::snap()
{
    switch (m_captureModeFrame->currentMode()) {
    case DefaultCapture: takePicture(1); break;
    case ScreenCapture: captureScreen(); break;
    case PartialCapture: showCaptureFrame(); break;
    case TimingCapture: m_timerCaptureFrame->showFrame(true); break;
    case ClipboardCapture: captureScreenToClipboard(); break;
    case BlackWhiteCapture: takePicture(3); break;
    case GrayCapture: takePicture(2); break;
    default: break;
    }
}

void MainFrame::playShutterSound()
{
    if (IConfigureService::instance()->photoSound())
        QSound::play(QStringLiteral(":/root/root/photoSound.wav"));
}

void MainFrame::captureScreen()
{
    if (!m_imageThread)
        return;
    m_snapHeld = true;
    m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, false);
    QTimer::singleShot(1000, this, [this] {
        m_snapHeld = false;
        m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, true);
    });
    // Saved like a camera picture, so that it joins the list with a file
    // that can be viewed, exported and deleted; the shutter sounds when it
    // is saved. The grab already shows the annotations, turned as on screen.
    ICaptureJob job;
    job.picture = grab().toImage();
    job.targetFolder = IConfigureService::instance()->photoPath();
    m_imageThread->addCaptureJob(job);
}

void MainFrame::captureScreenToClipboard()
{
    playShutterSound();
    QGuiApplication::clipboard()->setImage(grab().toImage());
    showTimedMessage(tr("Succeed!"));
}

void MainFrame::showCaptureFrame()
{
    if (!m_imageThread)
        return;
    m_board->zoomToFit();
    if (!m_captureFrame) {
        m_captureFrame = new ICaptureFrame(this);
        connect(m_captureFrame, &ICaptureFrame::sgSelect, this, &MainFrame::onZoneSelected);
    }
    QWidget* viewport = m_board->viewport();
    const QRect area(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    m_captureFrame->showOver(area, viewport->grab(), IConfigureService::instance()->freeCaptureRect());
}

void MainFrame::onZoneSelected(const QRect& zone)
{
    IConfigureService::instance()->setFreeCaptureRect(zone);
    takePicture(1);
}

QRect MainFrame::zoneCrop(const QSize& pictureSize, double scaleX, double scaleY) const
{
    const QRect zone = IConfigureService::instance()->freeCaptureRect();
    const QWidget* viewport = m_board->viewport();
    const QRect onBoard(viewport->mapFromGlobal(zone.topLeft()), zone.size());
    // A turned view maps the zone to a turned square: take what it covers.
    const QRectF picture = m_board->pictureSceneRect();
    const QRectF inScene = m_board->mapToScene(onBoard).boundingRect().intersected(picture);
    if (inScene.isEmpty())
        return QRect();
    const QRectF inPicture = inScene.translated(-picture.topLeft());
    const QRect crop = QRectF(inPicture.x() * scaleX, inPicture.y() * scaleY, inPicture.width() * scaleX,
                              inPicture.height() * scaleY)
                           .toAlignedRect()
                           .intersected(QRect(QPoint(0, 0), pictureSize));
    return crop;
}

bool MainFrame::takesStills() const
{
    return ICameraInfo::current().type == 1
        && IConfigureService::instance()->cameraResolution() == QSize(3840, 2160);
}

void MainFrame::submitCapture(const QImage& picture)
{
    if (picture.isNull() || !m_imageThread) {
        m_timerCaptureFrame->shotLost();
        m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, true);
        return;
    }
    ICaptureJob job;
    job.picture = picture;
    const QSizeF shown = m_board->pictureSceneRect().size();
    job.scaleX = shown.width() > 0 ? picture.width() / shown.width() : 1.0;
    job.scaleY = shown.height() > 0 ? picture.height() / shown.height() : 1.0;
    job.rotation = m_board->rotation();
    job.overlay = m_board->renderAnnotations(job.scaleX, job.scaleY);
    job.targetFolder = IConfigureService::instance()->photoPath();
    if (m_captureModeFrame->currentMode() == PartialCapture) {
        // The zone is what the user chose; straightening would move it.
        job.cropRect = zoneCrop(picture.size(), job.scaleX, job.scaleY);
        if (job.cropRect.isNull()) {
            showTimedMessage(tr("The chosen area does not cover the picture."));
            m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, true);
            return;
        }
    } else if (m_cameraToolBar->isButtonChecked(ICameraToolBar::AutoEdge)) {
        // The camera keeps its last outline after automatic edging is
        // switched off; only a picture taken while it is on is cut to it.
        const IEdgeResult edge = ICamera::instance()->edgeResult();
        job.edgeAngle = edge.angle;
        job.edgePolygon = edge.corners;
    }
    m_imageThread->addCaptureJob(job);
}

void MainFrame::slCaputerImage(QImage picture, QString path)
{
    if (!path.isEmpty()) {
        qDebug() << "picture saved:" << path;
        playShutterSound();
        m_imgList->addImage(picture, path);
        if (m_timerCaptureFrame->isRunning())
            m_timerCaptureFrame->shotSaved();
    }
    if (!m_snapHeld)
        m_cameraToolBar->setButtonEnabled(ICameraToolBar::Snap, true);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    slHideSecondWidget(0);
    IConfigureService::instance()->writeAllConfigure();
    delete m_imageThread;
    m_imageThread = nullptr;
    m_timerCaptureFrame->stop();
    ICamera::instance()->closeAllSources();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QWidget::closeEvent(event);
}
