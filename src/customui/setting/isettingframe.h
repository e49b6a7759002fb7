// Pop-up panel of the title bar's "Settings": picture and video formats,
// the folders they are saved in, the program's version and its language
// (which takes effect at the next start).
#pragma once

#include "customui/common/icustomwidget.h"

#include <QList>

#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QUrl;

class ISettingFrame : public ICustomWidget
{
    Q_OBJECT
public:
    // What the combo box offers: the shown name and the language id stored.
    struct Language
    {
        const char* text;
        const char* id;
    };
    static const QList<Language>& languages();

    // Asks for a folder under `title`, starting at `current`; empty when
    // cancelled.
    using FolderChooser = std::function<QString(const QString& title, const QString& current)>;
    // Shows a folder in the desktop's file browser.
    using FolderOpener = std::function<bool(const QUrl& folder)>;

    explicit ISettingFrame(QWidget* parent = nullptr);

    // Both default to the desktop's own dialogs and file browser.
    void setFolderChooser(FolderChooser chooser);
    void setFolderOpener(FolderOpener opener);

    QComboBox* languageBox() const { return m_languages; }
    // Null for an unknown text.
    QPushButton* button(const QString& text) const;
    // 0 picture, 1 video.
    QList<QRadioButton*> formatButtons(int index) const;

public slots:
    void slCurrentIndexChanged(int index);
    void slRadioButtonClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum Kind { PictureKind = 0, VideoKind = 1 };

    void addFormatRow(QWidget* page, int kind, const QStringList& formats);
    void addFolderRow(QWidget* page, int kind);
    void viewFolder(int kind);
    void chooseFolder(int kind);
    // The settings as stored now: checked format, folders, language.
    void syncFromSettings();

    FolderChooser m_chooseFolder;
    FolderOpener m_openFolder;
    QComboBox* m_languages = nullptr;
    QButtonGroup* m_formats[2] = {nullptr, nullptr};
    QLabel* m_folders[2] = {nullptr, nullptr};
    QList<QPushButton*> m_buttons;
};
