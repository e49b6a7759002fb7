// Split-screen compare: the pictures marked in the picture list side by
// side over the board, each zoomed and moved on its own. Pictures are read
// on a worker thread and join their pane when read.
#pragma once

#include <QList>
#include <QStringList>
#include <QThreadPool>
#include <QWidget>

class ImageItem;
class QHBoxLayout;

class ImageView : public QWidget
{
    Q_OBJECT
public:
    // Covers `board`; hidden until shown.
    explicit ImageView(QWidget* board);
    // Waits for pictures still being read.
    ~ImageView() override;

    QList<ImageItem*> items() const { return m_items; }
    // Pictures still being read.
    int pendingCount() const { return m_pending; }

public slots:
    // On shows `files` ("Please select a picture first" and off without
    // any); off closes the view. sgShownChanged tells the outcome.
    void setShown(bool on, const QStringList& files);
    void closeView();

signals:
    void sgShownChanged(bool shown);
    void sgMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void clearItems();

    QWidget* m_board = nullptr;
    QHBoxLayout* m_row = nullptr;
    QList<ImageItem*> m_items;
    QThreadPool m_reader;
    int m_pending = 0;
    // Answers of an earlier showing are dropped.
    int m_generation = 0;
};
