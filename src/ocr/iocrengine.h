// Text recognition on Tesseract 5, loaded at run time through its C
// interface: one job at a time on a worker thread of its own, progress and
// errors back as queued signals.
#pragma once

#include "ocr/include/iocrlibrary.h"

#include <QMetaType>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

enum ExportFileType { ExportPdf = 0, ExportWord = 1, ExportExcel = 2, ExportText = 3 };

struct OcrParameter
{
    // Picture files in page order.
    QStringList images;
    QString outputFile;
    ExportFileType exportType = ExportPdf;
    // Engine language names joined by ",", at most two ("English,ChinesePRC").
    QString languages;
};

Q_DECLARE_METATYPE(OcrParameter)
Q_DECLARE_METATYPE(ExportFileType)

class IOcrEngine : public QObject
{
    Q_OBJECT
public:
    // The program's engine, on the library loaded at start-up.
    static IOcrEngine* instance();

    // An engine of its own on the library at `libraryPath`; starts its
    // worker thread and moves itself onto it.
    explicit IOcrEngine(const QString& libraryPath = IOcrLibrary::defaultPath());
    // Stops the worker thread, then lets the engine go.
    ~IOcrEngine() override;

    // Queues a job; any thread may call it, it only emits.
    void startOcr(const OcrParameter& parameter);
    // Any thread may ask.
    bool isInitialised() const { return m_initialised; }

signals:
    void sgOcrStart(OcrParameter parameter);
    void sgOcrStop();
    void sgOcrDestory();
    // 10, 20, 30, 40 per picture, 50, 60 per page, 70, 80, 95, 100; a job
    // that fails ends with sgOcrError instead of reaching 100.
    void sgOcrProgress(int percent);
    void sgOcrError(QString text);

public slots:
    // Worker thread only.
    void slOcrStart(OcrParameter parameter);
    // A running job cannot be cut short; kept for the window's stop request.
    void slOcrStop();
    void slOcrDestory();
    // Loads the engine; false (and sgOcrError) when it cannot be.
    bool initOCR();

public:
    // The engine's functions and handles; known to its source file only.
    struct Tesseract;

private:

    void LoadFREngine();
    void unloadEngine();
    void runJob(const OcrParameter& parameter);

    QString m_libraryPath;
    QThread* m_thread = nullptr;
    std::unique_ptr<Tesseract> m_tess;
    std::atomic_bool m_initialised{false};
};
