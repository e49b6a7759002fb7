// The picture list's panel on the left of the main window: the "Gallery"
// header, the select and import buttons and the list under them.
#pragma once

#include <QImage>
#include <QWidget>

class IIToolButton;
class IImgList;

class IImgListWidget : public QWidget
{
    Q_OBJECT
public:
    enum ButtonId { SelectAll = 0, Deselect = 1, ImportFile = 2 };

    explicit IImgListWidget(QWidget* parent = nullptr);

    IImgList* list() const;
    IIToolButton* button(int id) const;

    // See IImgList.
    void addImage(const QImage& picture, const QString& path);
    void load();
    QStringList selectedFiles() const;

private:
    IIToolButton* addButton(int id, const QString& text, const QString& icon);

    IImgList* m_list = nullptr;
    QList<IIToolButton*> m_buttons;
};
