// The annotation board: shows one slide over the camera picture, hands pointer
// input inside the picture to the current tool, and zooms, pans and rotates.
#pragma once

#include <QGraphicsView>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <QSizeF>
#include <QVector>

#include <memory>

class DeviceInput;
class IAnnotationLayer;
class ICommonElementFrame;
class IElementFrame;
class IBoardState;
class IModeManager;
class IPathRenderWidget;
class IPixmapItem;
class ISlide;
class ITimeMsgBox;
class QDropEvent;
class QGestureEvent;
class QTouchEvent;
class QUndoGroup;

class IBoard : public QGraphicsView
{
    Q_OBJECT
public:
    explicit IBoard(QWidget* parent = nullptr);
    ~IBoard() override;

    virtual void setPictureItem(IPixmapItem* item);
    virtual IPixmapItem* pictureItem() const;
    virtual QRectF pictureSceneRect() const;
    virtual QRect pictureGlobalRect() const;
    // The slide's elements over the picture's area, without the picture,
    // on a transparent image scaled by (scaleX, scaleY); a null image when
    // nothing lies over the picture.
    virtual QImage renderAnnotations(double scaleX, double scaleY);
    // Makes the drawing state, the tools and the zoom notice; the constructor
    // calls it, and later calls do nothing.
    virtual void init();

    // A null slide throws std::invalid_argument.
    void insertSlide(ISlide* slide, bool makeCurrent);
    void setCurrentSlide(ISlide* slide);
    ISlide* currentSlide() const { return m_currentSlide; }
    QList<ISlide*> slides() const { return m_slides; }
    int indexOfSlide(ISlide* slide) const;

    void setMode(int type);
    int currentModeType() const;
    IModeManager* modeManager() const { return m_modeManager.get(); }
    // Drops the gesture in progress, e.g. when its input device is lost: the
    // tool undoes what the gesture started and the next press begins afresh.
    void cancelInput();
    IBoardState* boardState() const { return m_state; }

    // Takes back, or makes again, the current slide's last change. A stroke
    // or drag under way is dropped and the selection let go first, so that
    // text being typed counts as a change of its own.
    void undo();
    void redo();
    // The slides' histories; the current slide's is the active one.
    QUndoGroup* undoGroup() const { return m_undoGroup; }

    // The current slide's selection frame, or null while it has none.
    QGraphicsItem* sceneElementFrame();
    // The frame that moves, scales and rotates selected elements; made on
    // first use.
    IElementFrame* elementFrame();
    void hideSelection();
    // Text goes to the slide's text frame, everything else to the element frame.
    void showFrameFor(const QList<QGraphicsItem*>& items);
    static bool isBoardElement(const QGraphicsItem* item);

    void zoomBy(double factor);
    void zoomToFit();
    void resetView();
    void rotateBy(int degrees);
    void panBy(double dx, double dy);
    double scaleFactor() const;
    // The largest scale zoomBy allows: the picture at ten times its own pixels.
    double maximumScale() const;
    int rotation() const { return m_rotation; }
    void toggleFullScreen();
    bool isFullScreen() const { return m_fullScreen; }

    // While a stroke holds the board, new camera pictures are dropped.
    void setBackgroundImage(const QImage& image);
    bool isHoldingBackground() const { return m_hold; }
    void setMargins(int frame, int left, int top, int right, int bottom);
    void setPictureSize(const QSizeF& size);
    QSizeF pictureSize() const { return m_pictureSize; }
    QSizeF boardSize() const { return m_boardSize; }
    void centerOnPicture();

    void setBoardCursor(const QCursor& cursor);
    // An unreadable file leaves the cursor as it is.
    void setBoardCursorFile(const QString& path);

    // The pen strokes being drawn: scene points by device number.
    QMap<int, QVector<QPointF>>& pendingStrokes() { return m_pendingStrokes; }
    // The overlay the pen draws its live strokes on; made on first use.
    IPathRenderWidget* pathRenderWidget();
    // Whether `item` is the live ink overlay; never makes one.
    bool isPathRenderWidget(const QGraphicsItem* item) const;
    // Each finger on the screen is a device of its own, never the mouse's.
    static int touchDeviceNumber(int touchPointId);

signals:
    void sgBeforeSlideChanged();
    void sgAfterSlideChanged();
    void sgBeforeModeChanged();
    void sgAfterModeChanged();
    void sgBeforeBoardClear();
    void sgAfterBoardClear();
    void sgBeforeSlideInsert(int currentIndex, int newIndex);
    void sgAfterSlideInsert(int currentIndex, int newIndex);
    void sgBeforeSlideDelete(ISlide* slide);
    void sgAfterSlideDelete(ISlide* slide);
    void sgClickOnBoard();
    void sgDropEvent(QDropEvent* event);
    void sgIsFullScreen(bool fullScreen);
    // The live picture is painted at another size, in device pixels
    // (invalid when there is none).
    void sgPictureShownSize(QSize size);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The picture is painted as it comes; every other item from the
    // annotation layer.
    void drawItems(QPainter* painter, int numItems, QGraphicsItem* items[],
                   const QStyleOptionGraphicsItem options[]) override;

private:
    void onStateChanged(int type, const QVariant& value);
    // Tells when the picture's painted size changed (zoom, resize, a
    // picture of another shape).
    void noteShownPictureSize();
    bool handleGesture(QEvent* event);
    // In the drawing tools each finger draws on its own; false where Qt's
    // own touch handling (pan and pinch) applies.
    bool handleTouch(QTouchEvent* event);
    void releaseTouch(int touchPointId, const QPointF& viewPos);
    void remember(const DeviceInput& input);
    bool pictureContains(const QPointF& viewPos) const;
    // A text element, or the slide's visible frame, lies under the view point.
    bool onTextOrItsFrame(const QPoint& viewPos);
    QSizeF fittedPictureSize() const;

    IBoardState* m_state = nullptr;
    QList<ISlide*> m_slides;
    ISlide* m_currentSlide = nullptr;
    std::unique_ptr<IModeManager> m_modeManager;
    IPixmapItem* m_pictureItem = nullptr;
    bool m_pressedInside = false;
    bool m_panBlocked = false;
    bool m_panArmed = false;
    // The button whose press began the gesture in progress; only its release ends it.
    Qt::MouseButton m_gestureButton = Qt::NoButton;
    QSizeF m_lastImageSize{0, 0};
    QSize m_shownPictureSize;
    QPoint m_lastMousePos;
    // The last record delivered inside the picture, kept so a release outside
    // it can still complete the stroke.
    QPointF m_lastInputPos;
    int m_lastInputDevice = 0;
    int m_rotation = 0;
    ITimeMsgBox* m_zoomMessage = nullptr;
    int m_margins[5] = {0, 0, 0, 0, 0};
    QSizeF m_boardSize;
    QSizeF m_pictureSize{1920, 1080};
    bool m_gestureFinished = false;
    bool m_fullScreen = false;
    double m_savedScale = 1.0;
    int m_savedRotation = 0;
    QPointF m_savedPicturePos;
    bool m_sizeTracking = true;
    ICommonElementFrame* m_elementFrame = nullptr;
    bool m_hold = false;
    IAnnotationLayer* m_annotationLayer = nullptr;
    QRegion m_paintRegion;
    // Fingers that came down on the picture and still draw: their last
    // position inside it, by touch point id.
    QHash<int, QPointF> m_touches;
    QMap<int, QVector<QPointF>> m_pendingStrokes;
    std::unique_ptr<IPathRenderWidget> m_pathRenderWidget;
    QUndoGroup* m_undoGroup = nullptr;
};
