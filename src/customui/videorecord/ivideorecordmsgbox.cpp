// The saved-recording dialog.
#include "customui/videorecord/ivideorecordmsgbox.h"

#include "service/iconfigureservice.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

IVideoRecordMsgBox::IVideoRecordMsgBox(QWidget* parent)
    : IMsgBox(QString(), IConfigureService::productName(), parent)
{
    m_buttons[OpenFile] = addButton(tr("Open file"));
    m_buttons[OpenDirectory] = addButton(tr("Open directory"));
    m_buttons[Close] = addButton(tr("Close"));
    m_buttons[OpenFile]->setProperty("primary", true);
    m_buttons[OpenFile]->setDefault(true);
    connect(m_buttons[OpenFile], &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(text()));
        accept();
    });
    connect(m_buttons[OpenDirectory], &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(IConfigureService::instance()->videoPath()));
        accept();
    });
    connect(m_buttons[Close], &QPushButton::clicked, this, &QDialog::reject);
}

void IVideoRecordMsgBox::showPath(const QString& path)
{
    setText(path);
    adjustSize();
    if (QWidget* over = parentWidget()) {
        QRect frame = geometry();
        frame.moveCenter(over->window()->geometry().center());
        move(frame.topLeft());
    }
    open();
}

QPushButton* IVideoRecordMsgBox::button(int id) const
{
    return id >= OpenFile && id <= Close ? m_buttons[id] : nullptr;
}

void IVideoRecordMsgBox::done(int result)
{
    m_ending = true;
    IMsgBox::done(result);
    m_ending = false;
}

void IVideoRecordMsgBox::setVisible(bool visible)
{
    if (!visible && isVisible() && !m_ending) {
        accept();
        return;
    }
    IMsgBox::setVisible(visible);
}
