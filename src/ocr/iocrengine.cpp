// The OCR engine wrapper: Tesseract's C interface resolved from the library
// at run time, so that the program starts and runs without it.
#include "ocr/iocrengine.h"

#include "iglobals.h"
#include "ocr/include/iocrnativeloader.h"
#include "ocr/iocrdocxwriter.h"
#include "ocr/iocrlanguages.h"
#include "ocr/iocrpage.h"
#include "ocr/iocrworkerpriority.h"
#include "ocr/iocrxlsxwriter.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QThread>

#include <tesseract/capi.h>

// Every engine function the wrapper calls.
#define VESKAROO_TESSERACT_FUNCTIONS(X)                                                                          \
    X(TessBaseAPICreate) X(TessBaseAPIDelete) X(TessBaseAPIEnd) X(TessBaseAPIInit3) X(TessBaseAPISetImage)      \
    X(TessBaseAPISetSourceResolution) X(TessBaseAPISetInputName) X(TessBaseAPIRecognize) X(TessBaseAPIClear)  \
    X(TessBaseAPIGetIterator) X(TessResultIteratorDelete) X(TessResultIteratorNext)                           \
    X(TessResultIteratorGetUTF8Text) X(TessResultIteratorGetPageIteratorConst)                                \
    X(TessPageIteratorIsAtBeginningOf) X(TessPageIteratorBoundingBox) X(TessDeleteText)                       \
    X(TessPDFRendererCreate) X(TessDeleteResultRenderer) X(TessResultRendererBeginDocument)                   \
    X(TessResultRendererAddImage) X(TessResultRendererEndDocument)

struct IOcrEngine::Tesseract
{
    void* library = nullptr;
    TessBaseAPI* api = nullptr;
    // The language string the api was last initialised with.
    QString languages;
#define VESKAROO_DECLARE(name) decltype(&::name) name = nullptr;
    VESKAROO_TESSERACT_FUNCTIONS(VESKAROO_DECLARE)
#undef VESKAROO_DECLARE
};

namespace {

// An engine failure on its way to sgOcrError.
struct EngineError
{
    QString text;
};

QString loadingError()
{
    return IOcrEngine::tr("Error while loading ABBYY FineReader Engine");
}

QString unloadingError()
{
    return IOcrEngine::tr("Error while unloading ABBYY FineReader Engine");
}

QString cannotWrite(const QString& path)
{
    return IOcrEngine::tr("%1 cannot be written.").arg(QDir::toNativeSeparators(path));
}

// What one job holds while it runs; gives it all back however the job ends.
struct JobResources
{
    IOcrEngine::Tesseract* tess = nullptr;
    TessResultRenderer* renderer = nullptr;
    // The output being written, removed unless the job finished it.
    QString partFile;

    ~JobResources()
    {
        if (renderer)
            tess->TessDeleteResultRenderer(renderer);
        if (tess->api)
            tess->TessBaseAPIClear(tess->api);
        if (!partFile.isEmpty())
            QFile::remove(partFile);
    }

    // Puts the finished part file in the place of `target`.
    void finish(const QString& target)
    {
        if (QFile::exists(target) && !QFile::remove(target))
            throw EngineError{cannotWrite(target)};
        if (!QFile::rename(partFile, target))
            throw EngineError{cannotWrite(target)};
        partFile.clear();
    }
};

// The picture, checked before the engine sees it: readable and not too large.
void checkPicture(const QString& path)
{
    QImageReader reader(path);
    const QString name = QDir::toNativeSeparators(path);
    if (!reader.canRead())
        throw EngineError{IOcrEngine::tr("%1 cannot be read as a picture.").arg(name)};
    const QString tooLarge = pictureSizeProblem(reader.size());
    if (!tooLarge.isEmpty())
        throw EngineError{IOcrEngine::tr("%1 cannot be recognised: %2.").arg(name, tooLarge)};
}

IOcrPage readPage(IOcrEngine::Tesseract& t)
{
    IOcrPage page;
    TessResultIterator* it = t.TessBaseAPIGetIterator(t.api);
    if (!it)
        return page;
    const TessPageIterator* at = t.TessResultIteratorGetPageIteratorConst(it);
    bool newParagraph = true;
    bool newLine = true;
    QRect lineBox;
    do {
        newParagraph = newParagraph || t.TessPageIteratorIsAtBeginningOf(at, tesseract::RIL_PARA);
        if (t.TessPageIteratorIsAtBeginningOf(at, tesseract::RIL_TEXTLINE)) {
            newLine = true;
            const QRect previous = lineBox;
            int left = 0, top = 0, right = 0, bottom = 0;
            if (t.TessPageIteratorBoundingBox(at, tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom))
                lineBox = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
            // Tesseract tells paragraphs apart by indents; a blank line
            // between them, as most printed pages have, counts as well.
            if (!previous.isEmpty() && lineBox.top() - previous.bottom() > previous.height() * 9 / 10)
                newParagraph = true;
        }
        char* utf8 = t.TessResultIteratorGetUTF8Text(it, tesseract::RIL_WORD);
        if (!utf8)
            continue;
        IOcrWord word{QString::fromUtf8(utf8).trimmed(), QRect()};
        t.TessDeleteText(utf8);
        if (word.text.isEmpty())
            continue;
        int left = 0, top = 0, right = 0, bottom = 0;
        if (t.TessPageIteratorBoundingBox(at, tesseract::RIL_WORD, &left, &top, &right, &bottom))
            word.box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        if (newParagraph)
            page.paragraphs.append(IOcrParagraph());
        if (newParagraph || newLine)
            page.paragraphs.last().lines.append(IOcrLine{{}, lineBox});
        page.paragraphs.last().lines.last().words.append(word);
        newParagraph = false;
        newLine = false;
    } while (t.TessResultIteratorNext(it, tesseract::RIL_WORD));
    t.TessResultIteratorDelete(it);
    return page;
}

void writeText(const QString& path, const QVector<IOcrPage>& pages)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(IOcrPage::plainText(pages).toUtf8()) < 0 || !file.commit())
        throw EngineError{cannotWrite(path)};
}

} // namespace

IOcrEngine* IOcrEngine::instance()
{
    static IOcrEngine engine;
    return &engine;
}

IOcrEngine::IOcrEngine(const QString& libraryPath)
    : m_libraryPath(libraryPath)
    , m_thread(new QThread)
    , m_tess(new Tesseract)
{
    qRegisterMetaType<OcrParameter>("OcrParameter");
    qRegisterMetaType<ExportFileType>("ExportFileType");
    m_thread->setObjectName(QStringLiteral("ocr"));
    moveToThread(m_thread);
    connect(m_thread, &QThread::started, this, &IOcrWorkerPriority::lowerCurrentThread, Qt::DirectConnection);
    connect(this, &IOcrEngine::sgOcrStop, this, &IOcrEngine::slOcrStop);
    connect(this, &IOcrEngine::sgOcrDestory, this, &IOcrEngine::slOcrDestory);
    connect(this, &IOcrEngine::sgOcrStart, this, &IOcrEngine::slOcrStart);
    m_thread->start();
}

IOcrEngine::~IOcrEngine()
{
    m_thread->quit();
    m_thread->wait();
    // The worker has stopped: the engine is ours to let go here.
    try {
        unloadEngine();
    } catch (const EngineError& error) {
        qDebug().noquote() << error.text;
    }
    delete m_thread;
}

void IOcrEngine::startOcr(const OcrParameter& parameter)
{
    emit sgOcrStart(parameter);
}

void IOcrEngine::LoadFREngine()
{
    Tesseract& t = *m_tess;
    if (t.api)
        return;
    if (!t.library) {
        t.library = IOcrNativeLoader::open(m_libraryPath);
        if (!t.library) {
            qDebug().noquote() << QStringLiteral("LoadLibraryEx error;") + m_libraryPath
                               << IOcrNativeLoader::lastError();
            throw EngineError{loadingError()};
        }
    }
    bool complete = true;
#define VESKAROO_RESOLVE(name)                                                                   \
    t.name = reinterpret_cast<decltype(&::name)>(IOcrNativeLoader::resolve(t.library, #name)); \
    complete = complete && t.name;
    VESKAROO_TESSERACT_FUNCTIONS(VESKAROO_RESOLVE)
#undef VESKAROO_RESOLVE
    if (!complete) {
        try {
            unloadEngine();
        } catch (const EngineError&) {
        }
        qDebug().noquote() << "get InitializeEngineFunc error;";
        throw EngineError{loadingError()};
    }
    t.api = t.TessBaseAPICreate();
    if (!t.api) {
        QString text = IOcrNativeLoader::lastError();
        if (text.isEmpty())
            text = loadingError();
        qDebug().noquote() << text;
        try {
            unloadEngine();
        } catch (const EngineError&) {
        }
        throw EngineError{text};
    }
}

void IOcrEngine::unloadEngine()
{
    Tesseract& t = *m_tess;
    if (!t.library)
        return;
    if (t.api) {
        t.TessBaseAPIEnd(t.api);
        t.TessBaseAPIDelete(t.api);
    }
    void* library = t.library;
    t = Tesseract();
    if (!IOcrNativeLoader::close(library))
        throw EngineError{unloadingError()};
}

bool IOcrEngine::initOCR()
{
    try {
        LoadFREngine();
    } catch (const EngineError& error) {
        qDebug().noquote() << error.text;
        emit sgOcrError(error.text);
        return false;
    }
    m_initialised = true;
    qDebug().noquote() << "ocr Engine init success.";
    return true;
}

void IOcrEngine::slOcrStop()
{
}

void IOcrEngine::slOcrDestory()
{
    try {
        unloadEngine();
    } catch (const EngineError& error) {
        qDebug().noquote() << error.text;
        emit sgOcrError(error.text);
        return;
    }
    m_initialised = false;
    qDebug().noquote() << "ocr Engine destory success.";
}

void IOcrEngine::slOcrStart(OcrParameter parameter)
{
    if (!m_initialised && !initOCR())
        return;
    try {
        runJob(parameter);
    } catch (const EngineError& error) {
        // A failed job ends with its error alone: no 100 after it, or the
        // window would call it a success.
        qDebug().noquote() << error.text;
        emit sgOcrError(error.text);
    }
}

void IOcrEngine::runJob(const OcrParameter& p)
{
    Tesseract& t = *m_tess;
    JobResources job;
    job.tess = &t;
    const QString tessdata = IOcrLanguages::tessdataFolder();

    emit sgOcrProgress(10);
    const QString missing = IOcrLanguages::missingPackProblem(p.languages, tessdata);
    if (!missing.isEmpty())
        throw EngineError{missing};
    const QString languages = IOcrLanguages::tesseractLanguages(p.languages);
    if (languages.isEmpty())
        throw EngineError{tr("No recognition language is chosen.")};
    if (languages != t.languages) {
        t.languages.clear();
        if (t.TessBaseAPIInit3(t.api, QFile::encodeName(tessdata).constData(), languages.toUtf8().constData()) != 0)
            throw EngineError{tr("The recognition languages %1 cannot be loaded.").arg(languages)};
        t.languages = languages;
    }

    emit sgOcrProgress(20);
    const QString target = p.outputFile;
    const bool pdf = p.exportType == ExportPdf;
    if (pdf) {
        // Tesseract adds ".pdf" to the name it is given.
        job.partFile = target + QStringLiteral(".part.pdf");
        job.renderer = t.TessPDFRendererCreate(QFile::encodeName(target + QStringLiteral(".part")).constData(),
                                               QFile::encodeName(tessdata).constData(), false);
        if (!job.renderer || !t.TessResultRendererBeginDocument(job.renderer, ""))
            throw EngineError{cannotWrite(target)};
    } else {
        job.partFile = target + QStringLiteral(".part");
    }

    emit sgOcrProgress(30);
    for (const QString& image : p.images) {
        checkPicture(image);
        emit sgOcrProgress(40);
    }

    emit sgOcrProgress(50);
    if (p.images.isEmpty())
        qDebug().noquote() << "no images";
    QVector<IOcrPage> pages;
    for (const QString& image : p.images) {
        emit sgOcrProgress(60);
        QImageReader reader(image);
        QImage picture = reader.read();
        if (picture.isNull())
            throw EngineError{tr("%1 cannot be read as a picture.").arg(QDir::toNativeSeparators(image))};
        picture = picture.convertToFormat(picture.isGrayscale() ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        t.TessBaseAPISetImage(t.api, picture.constBits(), picture.width(), picture.height(),
                              picture.depth() / 8, int(picture.bytesPerLine()));
        // Below 70 dpi Tesseract guesses anyway; the page size of the PDF
        // follows the picture's own resolution, as the command line does.
        t.TessBaseAPISetSourceResolution(t.api, qMax(70, qRound(picture.dotsPerMeterY() * 0.0254)));
        // The PDF takes a JPEG file as it is, unchanged, from this name.
        t.TessBaseAPISetInputName(t.api, QFile::encodeName(image).constData());
        if (t.TessBaseAPIRecognize(t.api, nullptr) != 0)
            throw EngineError{tr("Unknown error")};
        if (pdf) {
            if (!t.TessResultRendererAddImage(job.renderer, t.api))
                throw EngineError{cannotWrite(target)};
        } else {
            pages.append(readPage(t));
        }
        t.TessBaseAPIClear(t.api);
    }

    emit sgOcrProgress(70);
    const ExportFileType type = p.exportType >= ExportPdf && p.exportType <= ExportText ? p.exportType : ExportWord;

    emit sgOcrProgress(80);
    QString problem;
    switch (type) {
    case ExportPdf:
        if (!t.TessResultRendererEndDocument(job.renderer))
            throw EngineError{cannotWrite(target)};
        // Closes the file.
        t.TessDeleteResultRenderer(job.renderer);
        job.renderer = nullptr;
        break;
    case ExportWord:
        problem = IOcrDocxWriter::write(job.partFile, pages);
        break;
    case ExportExcel:
        problem = IOcrXlsxWriter::write(job.partFile, pages);
        break;
    case ExportText:
        writeText(job.partFile, pages);
        break;
    }
    if (!problem.isEmpty()) {
        qDebug().noquote() << problem;
        throw EngineError{cannotWrite(target)};
    }
    job.finish(target);

    emit sgOcrProgress(95);
    pages.clear();

    emit sgOcrProgress(100);
}
