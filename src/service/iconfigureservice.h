// The program's one store of user settings: read once, held in memory,
// written back key by key whenever a setter changes a value.
#pragma once

#include "service/iservice.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariant>

class IConfigureService : public IService
{
    Q_OBJECT
public:
    static IConfigureService* instance();

    // The settings file, ini format, under the data folder.
    static QString settingsFilePath();
    static QString versionString();
    static QString productName();
    static QString organizationName();
    static QString logoFileName();

    virtual void readConfigure();
    virtual void writeAllConfigure();

    virtual QString langId() const;
    virtual void setLangId(const QString& id);
    virtual QString photoPath() const;
    virtual void setPhotoPath(const QString& path);
    virtual QString photoFormat() const;
    virtual void setPhotoFormat(const QString& format);
    virtual QString videoPath() const;
    virtual void setVideoPath(const QString& path);
    virtual QString videoFormat() const;
    virtual void setVideoFormat(const QString& format);
    virtual QColor pencilColor() const;
    virtual void setPencilColor(const QColor& color);
    virtual int pencilThickness() const;
    virtual void setPencilThickness(const int& thickness);
    virtual int pencilTransparency() const;
    virtual void setPencilTransparency(const int& alpha);
    virtual int eraserSize() const;
    virtual void setEraserSize(const int& size);
    virtual QSize cameraResolution() const;
    virtual void setCameraResolution(const QSize& size);
    virtual int exposure() const;
    virtual void setExposure(const int& exposure);
    virtual int focus() const;
    virtual void setFocus(const int& focus);

    // Writes one key at once; true when the file took it.
    virtual bool setValue(const QString& key, const QVariant& value);
    // The key's value from the file, or the text "null" when it is absent.
    virtual QVariant value(const QString& key);
    // Removes a key, or a whole group with every key under it, at once.
    bool removeValue(const QString& key);
    // Appends a custom line to the daily log. Thread-safe: own mutex.
    virtual void writeLog(const QString& text);

    // Values without a getter of their own in the original table; they are
    // written at once like every other setting.
    QString fileDialogFolder() const;
    void setFileDialogFolder(const QString& folder);
    QRect freeCaptureRect() const;
    void setFreeCaptureRect(const QRect& rect);
    QStringList ocrLanguages() const;
    void setOcrLanguages(const QStringList& languages);
    bool photoSound() const;
    void setPhotoSound(const bool& on);
    int screenRecordingFrameRate() const;
    void setScreenRecordingFrameRate(const int& rate);

private:
    IConfigureService();
    void resetToDefaults();

    QString m_langId;
    QString m_photoFormat;
    QString m_videoFormat;
    QColor m_pencilColor;
    int m_pencilTransparency = 0;
    QString m_photoPath;
    QString m_videoPath;
    int m_pencilThickness = 0;
    int m_eraserSize = 0;
    QSize m_cameraResolution;
    QString m_fileDialogFolder;
    QRect m_freeCaptureRect;
    int m_exposure = 0;
    int m_focus = 0;
    QStringList m_ocrLanguages;
    bool m_photoSound = false;
    int m_frameRate = 0;
};
