// The image save thread: composes, straightens and writes captured pictures, and exports stored ones.
#pragma once

#include <functional>

#include "icapturejob.h"
#include "ipdflayout.h"

#include <QList>
#include <QMutex>
#include <QSize>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

class IImageTansformThread : public QThread
{
    Q_OBJECT
public:
    explicit IImageTansformThread(QObject* parent = nullptr);
    // Stops the loop and waits for the job in hand to finish.
    ~IImageTansformThread() override;

    // The steps of a capture job, each on its own so they can be checked
    // without a running thread.
    // Without an overlay an opaque picture comes back as it is: the encoder
    // writes the same file from it without a copy.
    static QImage compose(const QImage& picture, const QImage& overlay);
    // Turns the outlined page upright and cuts it out; the picture comes back
    // unchanged when the outline cannot be a page in it.
    static QImage straighten(const QImage& picture, double edgeAngle, const QPolygonF& outline);
    static QImage crop(const QImage& picture, const QRect& rect);
    static QImage rotate(const QImage& picture, int degrees);
    // "yyyyMMddhhmmsszzz" plus "." and the format when there is one.
    static QString fileName(const QDateTime& when, const QString& format);

    QSize thumbnailSize() const;
    int pendingCaptureJobs() const;
    // How often the loop has woken to look for work; it sleeps until a job
    // or the stop arrives, so this grows with the jobs, not with time.
    int wakeUps() const;

public slots:
    virtual void addCaptureJob(const ICaptureJob& job);
    // Replaces an export that has not started yet; `mode` is a PdfLayout
    // for a PDF target.
    virtual void setExportJob(const QString& targetPath, const QStringList& sourceFiles, int mode);
    virtual void processCaptureJob();
    virtual void processExportJob();

signals:
    // A thumbnail and the written file, or the full picture and "" for a
    // timelapse.
    void sgCaptureImage(QImage picture, QString path);
    // A capture that left no file: `path` is where it was to go (empty when
    // there was nowhere), `error` says why, for the user.
    void sgCaptureFailed(QString path, QString error);
    // Every file of the export was written.
    void sgSaveFilesSuccess();
    // One readable line per file that could not be read or written, with
    // the file and the reason (a picture over the pixel limit included).
    void sgSaveFilesFailed(QStringList failures);

protected:
    void run() override;

private:
    static void updateSettings(std::function<void()> change);
    QStringList exportImages(const QString& targetPath, const QStringList& sourceFiles);
    QStringList exportPdf(const QString& targetPath, const QStringList& sourceFiles, int mode);
    QString uniquePath(const QString& folder, const QString& format) const;

    mutable QMutex m_mutex;
    // Signalled, under the mutex, when a job or the stop arrives.
    QWaitCondition m_work;
    int m_wakeUps = 0;
    QList<ICaptureJob> m_jobs;
    QSize m_thumbnailSize;
    QString m_exportPath;
    QStringList m_exportFiles;
    int m_exportMode = 0;
    bool m_stop = false;
};
