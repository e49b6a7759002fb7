// Tells where a screen recording was saved, and opens the file or the video
// folder with the desktop's own programs.
#pragma once

#include "customui/common/imsgbox.h"

class IVideoRecordMsgBox : public IMsgBox
{
    Q_OBJECT
public:
    enum ButtonId { OpenFile = 0, OpenDirectory = 1, Close = 2 };

    explicit IVideoRecordMsgBox(QWidget* parent = nullptr);

    // Shows the dialog (modal, without blocking the caller) for `path`.
    void showPath(const QString& path);
    QPushButton* button(int id) const;

    void done(int result) override;
    // Hiding it from outside accepts it, so that it always ends one way.
    void setVisible(bool visible) override;

private:
    QPushButton* m_buttons[3] = {};
    bool m_ending = false;
};
