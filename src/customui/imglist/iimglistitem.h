// One entry of the picture list: its number, the thumbnail and the
// selection mark.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;

class IImgListItem : public QWidget
{
    Q_OBJECT
public:
    IImgListItem(const QString& path, int number, const QImage& thumbnail, QWidget* parent = nullptr);

    // The room an entry takes in the list, and the box its thumbnail fits in.
    static QSize entrySize();
    static QSize thumbnailBox();

    QString path() const;
    int number() const;
    void setNumber(int number);
    // The selection mark.
    bool isChecked() const;
    void setChecked(bool checked);
    // The list's current entry shows its number highlighted.
    void setCurrent(bool current);
    // The picture as shown, fitted into the thumbnail box.
    QPixmap thumbnail() const;
    // Marks a picture over the pixel limit: a note in place of the
    // thumbnail, `why` in the tooltip.
    void setTooLarge(const QString& why);
    bool isTooLarge() const;

private:
    QString m_path;
    bool m_tooLarge = false;
    int m_number = 0;
    QLabel* m_numberLabel = nullptr;
    QLabel* m_pictureLabel = nullptr;
    QLabel* m_mark = nullptr;
};
