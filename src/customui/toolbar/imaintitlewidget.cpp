// The main window's own title bar.
#include "customui/toolbar/imaintitlewidget.h"

#include "icamera.h"
#include "iglobals.h"
#include "iprogramfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {

const char* const kIcons = ":/title/title/";
const char* const kBuiltInLogo = ":/logo/logo/veskaroo_logo.svg";

const char* const kTitleStyle =
    "IMainTitleWidget{background-color:rgb(45,45,48);}"
    "QComboBox{color:rgb(224,224,224);background-color:rgb(60,60,64);"
    "border:1px solid rgb(90,90,94);border-radius:%2px;padding:0px %2px;font-size:%1px;}"
    "QComboBox QAbstractItemView{color:rgb(224,224,224);background-color:rgb(60,60,64);"
    "selection-background-color:rgb(235,120,7);}";

} // namespace

IMainTitleWidget::IMainTitleWidget(QWidget* mainWindow, QWidget* parent)
    : QWidget(parent)
    , m_mainWindow(mainWindow)
{
    qRegisterMetaType<ICameraInfo>("ICameraInfo");
    const double s = scaleFactors().uniform;
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(kTitleStyle).arg(qRound(13 * s)).arg(qRound(4 * s)));
    setFixedHeight(qRound(44 * s));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(qRound(10 * s), 0, qRound(4 * s), 0);
    layout->setSpacing(qRound(4 * s));

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    layout->addWidget(m_logo);
    layout->addStretch(1);

    m_cameras = new QComboBox(this);
    m_cameras->setObjectName(QStringLiteral("cameraList"));
    m_cameras->setMinimumWidth(qRound(220 * s));
    m_cameras->setFixedHeight(qRound(30 * s));
    m_cameras->setFocusPolicy(Qt::NoFocus);
    m_cameras->hide();
    // Only a choice by the user switches; filling the list does not.
    connect(ICamera::instance(), &ICamera::sgNetworkCameraFound, this, &IMainTitleWidget::slAddWifiCamera);
    connect(m_cameras, QOverload<int>::of(&QComboBox::activated), this,
            &IMainTitleWidget::changeCameraIndex);
    layout->addWidget(m_cameras);

    addButton(Cameras, tr("Cameras"), QStringLiteral("cameras"));
    addButton(Settings, tr("Settings"), QStringLiteral("settings"));
    addButton(Minimize, tr("Minimize"), QStringLiteral("minimize"));
    addButton(Maximize, tr("Maximize"), QStringLiteral("maximize"));
    addButton(Restore, tr("Restore"), QStringLiteral("restore"));
    addButton(Close, tr("Close"), QStringLiteral("close"));
    for (IIToolButton* b : qAsConst(m_buttons))
        layout->addWidget(b);

    setLogoFile(defaultLogoPath());
    if (m_mainWindow)
        m_mainWindow->installEventFilter(this);
    syncMaximizeButtons();
}

QWidget* IMainTitleWidget::mainWindow() const
{
    return m_mainWindow;
}

IIToolButton* IMainTitleWidget::button(int id) const
{
    for (IIToolButton* b : m_buttons) {
        if (b->id() == id)
            return b;
    }
    return nullptr;
}

QComboBox* IMainTitleWidget::cameraComboBox() const
{
    return m_cameras;
}

QPixmap IMainTitleWidget::logo() const
{
    return m_logo->pixmap(Qt::ReturnByValue);
}

QString IMainTitleWidget::defaultLogoPath()
{
    return IProgramFiles().logo();
}

void IMainTitleWidget::setLogoFile(const QString& path)
{
    const double s = scaleFactors().uniform;
    const int height = qRound(32 * s);
    QPixmap picture;
    if (!path.isEmpty() && QFileInfo::exists(path))
        picture.load(path);
    if (picture.isNull()) {
        const QIcon builtIn(QString::fromLatin1(kBuiltInLogo));
        // The built-in logo is 200x48; drawn at the bar's height it stays sharp.
        picture = builtIn.pixmap(QSize(height * 200 / 48, height));
    } else if (picture.height() > height) {
        picture = picture.scaledToHeight(height, Qt::SmoothTransformation);
    }
    m_logo->setPixmap(picture);
}

void IMainTitleWidget::refreshCameraList()
{
    m_cameras->clear();
    const ICameraInfo& current = ICameraInfo::current();
    // Network cameras still answering join through slAddWifiCamera.
    const QList<ICameraInfo> cameras = ICamera::instance()->knownCameraInfo();
    int currentRow = -1;
    for (const ICameraInfo& info : cameras) {
        m_cameras->addItem(info.name, QVariant::fromValue(info));
        if (currentRow < 0 && current.index >= 0 && info.devicePath == current.devicePath) {
            currentRow = m_cameras->count() - 1;
            qDebug() << "current camera: " << info.name;
        }
    }
    m_cameras->setCurrentIndex(currentRow);
}

void IMainTitleWidget::slAddWifiCamera(const ICameraInfo& info)
{
    for (int i = 0; i < m_cameras->count(); ++i) {
        if (m_cameras->itemData(i).value<ICameraInfo>().devicePath == info.devicePath)
            return;
    }
    qDebug() << "add wifi camera: " << info.name << info.devicePath;
    m_cameras->addItem(info.name, QVariant::fromValue(info));
}

void IMainTitleWidget::hideMenus()
{
    m_cameras->hidePopup();
    m_cameras->hide();
}

void IMainTitleWidget::changeCameraIndex(int index)
{
    m_cameras->hide();
    const QVariant data = index >= 0 && index < m_cameras->count() ? m_cameras->itemData(index)
                                                                    : QVariant();
    const ICameraInfo info = data.canConvert<ICameraInfo>() ? data.value<ICameraInfo>()
                                                            : ICameraInfo();
    qDebug() << "chose camera: " << info.name << info.devicePath;
    if (info.index < 0)
        return;
    // Picking the camera already in use only closes the list: a switch
    // would restart the picture and clear the board for nothing.
    const ICameraInfo& current = ICameraInfo::current();
    if (current.index >= 0 && current.devicePath == info.devicePath)
        return;
    emit sgSwitchCamera(info);
}

IIToolButton* IMainTitleWidget::addButton(int id, const QString& text, const QString& iconName)
{
    const double s = scaleFactors().uniform;
    const QString base = QString::fromLatin1(kIcons) + iconName;
    auto* b = new IIToolButton(id, base + QStringLiteral("_normal.svg"),
                               base + QStringLiteral("_click.svg"), this);
    b->setObjectName(text);
    b->setToolTip(text);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(qRound(22 * s), qRound(22 * s)));
    b->setFixedSize(qRound(40 * s), qRound(36 * s));
    b->setHoverColor(id == Close ? QColor(200, 40, 40) : QColor(255, 255, 255, 28));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &IIToolButton::sgButtonClick, this, &IMainTitleWidget::slButtonClick);
    m_buttons << b;
    return b;
}

void IMainTitleWidget::slButtonClick(bool checked, const QVariant& id)
{
    emit sgButtonClick(checked, id);
    switch (id.toInt()) {
    case Cameras:
        toggleCameraList();
        break;
    case Minimize:
        if (m_mainWindow)
            m_mainWindow->showMinimized();
        break;
    case Maximize:
    case Restore:
        toggleMaximized();
        break;
    case Close:
        if (m_mainWindow)
            m_mainWindow->close();
        break;
    default:
        // Settings: the main window owns the settings panel.
        break;
    }
}

void IMainTitleWidget::toggleCameraList()
{
    if (m_cameras->isVisible()) {
        hideMenus();
        return;
    }
    refreshCameraList();
    m_cameras->show();
    if (m_cameras->count() > 0 && isVisible())
        m_cameras->showPopup();
}

void IMainTitleWidget::toggleMaximized()
{
    if (!m_mainWindow)
        return;
    if (m_mainWindow->isMaximized() || m_mainWindow->isFullScreen())
        m_mainWindow->showNormal();
    else
        m_mainWindow->showMaximized();
    syncMaximizeButtons();
}

void IMainTitleWidget::syncMaximizeButtons()
{
    const bool maximized = m_mainWindow && (m_mainWindow->isMaximized() || m_mainWindow->isFullScreen());
    button(Maximize)->setVisible(!maximized);
    button(Restore)->setVisible(maximized);
}

bool IMainTitleWidget::eventFilter(QObject* watched, QEvent* event)
{
    // However the window changes state (buttons, double-click, the system),
    // the button pair follows.
    if (watched == m_mainWindow && event->type() == QEvent::WindowStateChange)
        syncMaximizeButtons();
    return QWidget::eventFilter(watched, event);
}

bool IMainTitleWidget::fillsScreen() const
{
    if (m_mainWindow->isMaximized() || m_mainWindow->isFullScreen())
        return true;
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = m_mainWindow->screen();
    if (!screen)
        return false;
    const QRect frame = m_mainWindow->geometry();
    return frame == screen->geometry() || frame == screen->availableGeometry();
}

void IMainTitleWidget::shrinkFromFullScreen()
{
    const double s = scaleFactors().uniform;
    QScreen* screen = QGuiApplication::screenAt(m_mainWindow->geometry().center());
    if (!screen)
        screen = m_mainWindow->screen();
    const QRect full = m_mainWindow->geometry();
    const int oldWidth = qMax(1, full.width());
    const QRect area = screen ? screen->availableGeometry() : full;
    const QRect shrunk = area.adjusted(qRound(150 * s), qRound(100 * s), -qRound(150 * s),
                                       -qRound(100 * s));
    m_mainWindow->setWindowState(m_mainWindow->windowState()
                                 & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    m_mainWindow->setGeometry(shrunk);
    // Keep the grip at the same relative place along the narrower bar, so
    // the cursor stays on the title bar.
    m_pressOffset.setX(m_pressOffset.x() * shrunk.width() / oldWidth);
    syncMaximizeButtons();
}

void IMainTitleWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_mainWindow) {
        m_pressed = true;
        m_firstMove = true;
        m_pressOffset = event->globalPos() - m_mainWindow->frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void IMainTitleWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton) || !m_mainWindow) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (m_firstMove) {
        m_firstMove = false;
        emit sgMove();
        if (fillsScreen())
            shrinkFromFullScreen();
    }
    m_mainWindow->move(event->globalPos() - m_pressOffset);
    event->accept();
}

void IMainTitleWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QWidget::mouseReleaseEvent(event);
}

void IMainTitleWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        toggleMaximized();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
