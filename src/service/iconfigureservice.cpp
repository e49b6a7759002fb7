// The program's one store of user settings.
#include "service/iconfigureservice.h"

#include "board/iboard.h"
#include "iglobals.h"
#include "service/iboardservice.h"
#include "imessagehandler.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <QTemporaryFile>

namespace {

const char* const kBuildStamp = "2025/11/12 14:32:18";

// The ink colour is stored as its #rrggbb name, so that the file reads back
// after any run; older files may still hold a QColor variant.
QColor colorFromSetting(const QVariant& stored)
{
    if (stored.userType() == QMetaType::QColor)
        return stored.value<QColor>();
    QColor color;
    color.setNamedColor(stored.toString());
    return color;
}

// A folder pictures or recordings can go to: set, there, and taking files.
// Trying a file tells the truth where permission bits do not (root, read-only
// or special file systems).
bool usableFolder(const QString& path)
{
    if (path.trimmed().isEmpty() || !QFileInfo(path).isDir())
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".veskaroo-probe-XXXXXX")));
    return probe.open();
}

} // namespace

IConfigureService* IConfigureService::instance()
{
    static IConfigureService service;
    return &service;
}

IConfigureService::IConfigureService()
{
    resetToDefaults();
    m_langId = QStringLiteral("1033");
}

QString IConfigureService::settingsFilePath()
{
    return QDir(appDataPath("ini/")).filePath(QStringLiteral("application.ini"));
}

QString IConfigureService::versionString()
{
    QString date = QString::fromLatin1(kBuildStamp).section(' ', 0, 0);
    date.replace('/', '.');
    return QStringLiteral("V%1.%2.%3_%4").arg(2).arg(8).arg(77212).arg(date);
}

QString IConfigureService::productName()
{
    return tr("Veskaroo");
}

QString IConfigureService::organizationName()
{
    return tr("Tarnwick Technology Co., Ltd.");
}

QString IConfigureService::logoFileName()
{
    return QStringLiteral("cur_use_logo.png");
}

void IConfigureService::resetToDefaults()
{
    m_photoFormat = QStringLiteral("jpeg");
    m_videoFormat = QStringLiteral("mp4");
    m_pencilColor = QColor(Qt::red);
    m_pencilTransparency = 200;
    // Only the path here: readConfigure creates the folder when it is missing
    // and records it in the file.
    m_photoPath = appDataLocation("photo/");
    m_videoPath = appDataLocation("video/");
    m_pencilThickness = 5;
    m_eraserSize = 100;
    m_cameraResolution = QSize(1920, 1080);
    m_fileDialogFolder.clear();
    m_freeCaptureRect = QRect(0, 0, 0, 0);
    m_exposure = -1;
    m_focus = -1;
    m_ocrLanguages = QStringList{QStringLiteral("English")};
    m_photoSound = false;
    m_frameRate = 20;
}

void IConfigureService::readConfigure()
{
    resetToDefaults();
    qDebug().noquote() << QStringLiteral("current software version: ") + versionString();

    QSettings s(settingsFilePath(), QSettings::IniFormat);
    m_photoFormat = s.value("format/photo", m_photoFormat).toString();
    m_videoFormat = s.value("format/video", m_videoFormat).toString();
    if (s.contains("pencil/color"))
        m_pencilColor = colorFromSetting(s.value("pencil/color"));
    m_pencilTransparency = s.value("pencil/transparent", m_pencilTransparency).toInt();
    m_photoPath = s.value("path/photo", m_photoPath).toString();
    m_videoPath = s.value("path/video", m_videoPath).toString();
    m_pencilThickness = s.value("pencil/thickness", m_pencilThickness).toInt();
    m_eraserSize = s.value("erase/size", m_eraserSize).toInt();
    const int height = s.value("cameraresolution/height", m_cameraResolution.height()).toInt();
    const int width = s.value("cameraresolution/width", m_cameraResolution.width()).toInt();
    m_cameraResolution = QSize(width, height);
    m_fileDialogFolder = s.value("other/filedialog", m_fileDialogFolder).toString();
    const int x = s.value("other/freecapture_x", 0).toInt();
    const int y = s.value("other/freecapture_y", 0).toInt();
    const int w = s.value("other/freecapture_w", 0).toInt();
    const int h = s.value("other/freecapture_h", 0).toInt();
    m_freeCaptureRect = QRect(x, y, w, h);
    m_exposure = s.value("other/exposure", m_exposure).toInt();
    m_focus = s.value("other/focus", m_focus).toInt();
    m_ocrLanguages = s.value("OCR/lang", m_ocrLanguages).toStringList();
    m_photoSound = s.value("photo/sound", m_photoSound).toBool();
    m_frameRate = s.value("screenRecording/frameRate", m_frameRate).toInt();

    // An empty or unusable folder would lose every capture or recording.
    if (!usableFolder(m_photoPath)) {
        if (m_photoPath != appDataLocation("photo/"))
            qDebug() << "photo folder" << m_photoPath << "cannot be used, the default is used instead";
        setPhotoPath(appDataPath("photo/"));
    }
    if (!usableFolder(m_videoPath)) {
        if (m_videoPath != appDataLocation("video/"))
            qDebug() << "video folder" << m_videoPath << "cannot be used, the default is used instead";
        setVideoPath(appDataPath("video/"));
    }
}

void IConfigureService::writeAllConfigure()
{
    QSettings s(settingsFilePath(), QSettings::IniFormat);
    s.setValue("lang/langid", m_langId);
    s.setValue("path/photo", m_photoPath);
    s.setValue("path/video", m_videoPath);
    s.setValue("format/photo", m_photoFormat);
    s.setValue("format/video", m_videoFormat);
    s.setValue("pencil/color", m_pencilColor.name());
    s.setValue("pencil/thickness", m_pencilThickness);
    s.setValue("pencil/transparent", m_pencilTransparency);
    s.setValue("erase/size", m_eraserSize);
    s.setValue("cameraresolution/width", m_cameraResolution.width());
    s.setValue("cameraresolution/height", m_cameraResolution.height());
    s.setValue("other/filedialog", m_fileDialogFolder);
    s.setValue("other/freecapture_x", m_freeCaptureRect.x());
    s.setValue("other/freecapture_y", m_freeCaptureRect.y());
    s.setValue("other/freecapture_w", m_freeCaptureRect.width());
    s.setValue("other/freecapture_h", m_freeCaptureRect.height());
    s.setValue("other/exposure", m_exposure);
    s.setValue("other/focus", m_focus);
    s.setValue("OCR/lang", m_ocrLanguages);
    s.setValue("photo/sound", m_photoSound);
    s.setValue("screenRecording/frameRate", m_frameRate);
    s.sync();
}

QString IConfigureService::langId() const { return m_langId; }
void IConfigureService::setLangId(const QString& id)
{
    m_langId = id;
    setValue("lang/langid", id);
}

QString IConfigureService::photoPath() const { return m_photoPath; }
void IConfigureService::setPhotoPath(const QString& path)
{
    m_photoPath = path;
    setValue("path/photo", path);
}

QString IConfigureService::photoFormat() const { return m_photoFormat; }
void IConfigureService::setPhotoFormat(const QString& format)
{
    m_photoFormat = format;
    setValue("format/photo", format);
}

QString IConfigureService::videoPath() const { return m_videoPath; }
void IConfigureService::setVideoPath(const QString& path)
{
    m_videoPath = path;
    setValue("path/video", path);
}

QString IConfigureService::videoFormat() const { return m_videoFormat; }
void IConfigureService::setVideoFormat(const QString& format)
{
    m_videoFormat = format;
    setValue("format/video", format);
}

QColor IConfigureService::pencilColor() const { return m_pencilColor; }
void IConfigureService::setPencilColor(const QColor& color)
{
    m_pencilColor = color;
    IBoardService::instance()->setInkColor(color);
    setValue("pencil/color", color.name());
}

int IConfigureService::pencilThickness() const { return m_pencilThickness; }
void IConfigureService::setPencilThickness(const int& thickness)
{
    m_pencilThickness = thickness;
    IBoardService::instance()->setInkThickness(thickness);
    setValue("pencil/thickness", thickness);
}

int IConfigureService::pencilTransparency() const { return m_pencilTransparency; }
void IConfigureService::setPencilTransparency(const int& alpha)
{
    m_pencilTransparency = alpha;
    IBoardService::instance()->setInkOpacity(alpha);
    setValue("pencil/transparent", alpha);
}

int IConfigureService::eraserSize() const { return m_eraserSize; }
void IConfigureService::setEraserSize(const int& size)
{
    m_eraserSize = size;
    IBoardService::instance()->setEraserSize(size);
    setValue("erase/size", size);
}

QSize IConfigureService::cameraResolution() const { return m_cameraResolution; }
void IConfigureService::setCameraResolution(const QSize& size)
{
    m_cameraResolution = size;
    if (IBoard* board = m_board)
        board->setPictureSize(QSizeF(size));
    setValue("cameraresolution/width", size.width());
    setValue("cameraresolution/height", size.height());
}

int IConfigureService::exposure() const { return m_exposure; }
void IConfigureService::setExposure(const int& exposure)
{
    m_exposure = exposure;
    setValue("other/exposure", exposure);
}

int IConfigureService::focus() const { return m_focus; }
void IConfigureService::setFocus(const int& focus)
{
    m_focus = focus;
    setValue("other/focus", focus);
}

QString IConfigureService::fileDialogFolder() const { return m_fileDialogFolder; }
void IConfigureService::setFileDialogFolder(const QString& folder)
{
    m_fileDialogFolder = folder;
    setValue("other/filedialog", folder);
}

QRect IConfigureService::freeCaptureRect() const { return m_freeCaptureRect; }
void IConfigureService::setFreeCaptureRect(const QRect& rect)
{
    m_freeCaptureRect = rect;
    setValue("other/freecapture_x", rect.x());
    setValue("other/freecapture_y", rect.y());
    setValue("other/freecapture_w", rect.width());
    setValue("other/freecapture_h", rect.height());
}

QStringList IConfigureService::ocrLanguages() const { return m_ocrLanguages; }
void IConfigureService::setOcrLanguages(const QStringList& languages)
{
    m_ocrLanguages = languages;
    setValue("OCR/lang", languages);
}

bool IConfigureService::photoSound() const { return m_photoSound; }
void IConfigureService::setPhotoSound(const bool& on)
{
    m_photoSound = on;
    setValue("photo/sound", on);
}

int IConfigureService::screenRecordingFrameRate() const { return m_frameRate; }
void IConfigureService::setScreenRecordingFrameRate(const int& rate)
{
    m_frameRate = rate;
    setValue("screenRecording/frameRate", rate);
}

bool IConfigureService::setValue(const QString& key, const QVariant& value)
{
    QSettings s(settingsFilePath(), QSettings::IniFormat);
    s.setValue(key, value);
    s.sync();
    return s.status() == QSettings::NoError;
}

QVariant IConfigureService::value(const QString& key)
{
    QSettings s(settingsFilePath(), QSettings::IniFormat);
    return s.value(key, QStringLiteral("null"));
}

bool IConfigureService::removeValue(const QString& key)
{
    QSettings s(settingsFilePath(), QSettings::IniFormat);
    s.remove(key);
    s.sync();
    return s.status() == QSettings::NoError;
}

void IConfigureService::writeLog(const QString& text)
{
    qDebug().noquote() << QStringLiteral("custom log info: ") + text;
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const QDateTime now = QDateTime::currentDateTime();
    const QString line = QStringLiteral("%1 %2").arg(now.toString("yyyy-MM-dd hh:mm:ss zzz"), text);
    IMessageHandler::appendLine(IMessageHandler::logFilePath(now.date()), line);
}
