// The OCR window: pictures to recognise (imported, or the ones marked in the
// picture list), a preview to page through, up to two recognition languages,
// the output format, and the start of a job on the engine.
#pragma once

#include "customui/common/icustomdialog.h"
#include "ocr/iocrengine.h"
#include "ocr/iocrprogressbar.h"

#include <QList>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QLabel;
class QPushButton;

class IOcrFrame : public ICustomDialog
{
    Q_OBJECT
public:
    // Stand-ins for the file dialogs and the message box, so that callers
    // without a user can answer them; an empty answer means cancelled.
    using OpenFilesChooser = std::function<QStringList()>;
    using SaveFileChooser = std::function<QString(const QString& filter)>;
    using MessageShower = std::function<void(const QString& text)>;

    explicit IOcrFrame(IOcrEngine* engine, QWidget* parent = nullptr);

    // Replaces the pictures as an import does; an empty list changes nothing.
    void setImages(const QStringList& files);
    QStringList images() const { return m_images; }
    int currentIndex() const { return m_index; }
    QString counterText() const;
    // Engine names of the checked languages joined by ",".
    QString selectedLanguages() const { return m_languages; }
    ExportFileType exportType() const { return m_exportType; }

    // In the order shown.
    QList<QAbstractButton*> languageButtons() const { return m_languageButtons; }
    QAbstractButton* formatButton(ExportFileType type) const;
    QAbstractButton* importButton() const;
    QAbstractButton* lastButton() const;
    QAbstractButton* nextButton() const;
    QAbstractButton* startButton() const;
    // Null until the first job.
    IOcrProgressBar* progressBar() const { return m_progress; }

    void setOpenFilesChooser(OpenFilesChooser chooser) { m_openChooser = std::move(chooser); }
    void setSaveFileChooser(SaveFileChooser chooser) { m_saveChooser = std::move(chooser); }
    void setMessageShower(MessageShower shower) { m_messageShower = std::move(shower); }

public slots:
    void slButtonClick();
    void slOcrImageError(QString text);
    void slOcrImageProgress(int percent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* makeButton(const QString& text, QWidget* parent, bool checkable = false);
    void importFiles();
    void showPage(int index);
    void preview();
    void chooseLanguage(QAbstractButton* button);
    void start();
    void showMessage(const QString& text);

    IOcrEngine* m_engine = nullptr;
    QStringList m_images;
    int m_index = 0;
    QString m_languages;
    ExportFileType m_exportType = ExportPdf;
    // Jobs started here that have not ended yet: each ends with 100 or an
    // error, and only those are the window's to report.
    int m_jobs = 0;

    QLabel* m_preview = nullptr;
    QLabel* m_counter = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_last = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_start = nullptr;
    QList<QAbstractButton*> m_languageButtons;
    QList<QAbstractButton*> m_formatButtons;
    QPointer<IOcrProgressBar> m_progress;

    OpenFilesChooser m_openChooser;
    SaveFileChooser m_saveChooser;
    MessageShower m_messageShower;
};
