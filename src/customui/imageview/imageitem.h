// One picture of the compare view: zooms under the wheel around the
// pointer and moves when dragged, on its own, independent of its neighbours.
#pragma once

#include <QImage>
#include <QPointF>
#include <QTransform>
#include <QWidget>

class ImageItem : public QWidget
{
    Q_OBJECT
public:
    explicit ImageItem(const QString& path, QWidget* parent = nullptr);

    QString path() const { return m_path; }
    QImage picture() const { return m_picture; }
    // Empty while reading and when the picture was read.
    QString error() const { return m_error; }
    // The picture (as read) in this widget's coordinates.
    QTransform pictureToWidget() const;
    // 1: the whole picture fits the pane.
    double zoom() const { return m_zoom; }

    void setPicture(const QImage& picture, const QString& error);
    // Zooms by `factor` keeping the picture point under `at` in place.
    void zoomAt(const QPointF& at, double factor);
    void panBy(const QPointF& delta);
    // The whole picture, centred.
    void fit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Where the picture is shown: below the name strip.
    QRect viewRect() const;
    double fitScale() const;

    QString m_path;
    QImage m_picture;
    QString m_error;
    double m_zoom = 1.0;
    // The picture centre's offset from the view's centre, in pixels.
    QPointF m_offset;
    QPoint m_lastDrag;
    bool m_dragging = false;
};
