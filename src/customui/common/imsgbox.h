// The program's modal question and information dialog.
#pragma once

#include "customui/common/icustomdialog.h"

class QLabel;
class QPushButton;

class IMsgBox : public ICustomDialog
{
    Q_OBJECT
public:
    // The values of the standard message-box buttons, so that callers may
    // compare with either.
    enum Code {
        Ok = 0x400,
        Save = 0x800,
        Yes = 0x4000,
        No = 0x10000,
        Cancel = 0x400000,
    };

    // Button sets, left to right: 0 Yes No, 1 Yes No Cancel, 2 Ok Cancel,
    // 3 Cancel, 5 Yes No Save; 4 and every other value a single Ok.
    IMsgBox(const QString& text, int buttons, const QString& title,
            QWidget* parent = nullptr);

    // Runs the dialog modally and returns the code of the button that ended
    // it; closing it any other way gives Cancel.
    static int showMessage(const QString& text, int buttons, const QString& title,
                           QWidget* parent = nullptr);
    // A single Ok, with the application name as title.
    static int showInformation(const QString& text, QWidget* parent = nullptr);

    QString text() const;
    int buttonSet() const;
    // Cancel until a button stores its own code.
    int resultCode() const;

public slots:
    void onYes();
    void onOK();
    void onNo();
    void onCancel();
    void onSave();

protected:
    // The look without buttons, for dialogs with buttons of their own.
    IMsgBox(const QString& text, const QString& title, QWidget* parent);
    void setText(const QString& text);
    // Appended to the row, right of those before it.
    QPushButton* addButton(const QString& label);
    void paintEvent(QPaintEvent* event) override;

private:

    QString m_text;
    int m_buttons = 4;
    int m_result = Cancel;
    QLabel* m_label = nullptr;
    QWidget* m_buttonRow = nullptr;
};
