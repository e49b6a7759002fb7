// The main window's own title bar: logo, camera choice, settings, minimise,
// maximise or restore, close, and dragging the window.
#pragma once

#include "customui/common/iitoolbutton.h"
#include "icamerainfo.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QVariant>
#include <QWidget>

class QComboBox;
class QLabel;

class IMainTitleWidget : public QWidget
{
    Q_OBJECT
public:
    enum ButtonId { Cameras = 0, Settings = 1, Minimize = 2, Maximize = 3, Restore = 4, Close = 5 };

    // `mainWindow` is the window this bar minimises, maximises, closes and drags.
    explicit IMainTitleWidget(QWidget* mainWindow, QWidget* parent = nullptr);

    QWidget* mainWindow() const;
    IIToolButton* button(int id) const;
    QComboBox* cameraComboBox() const;
    QPixmap logo() const;

    // "logo/cur_use_logo.png" in the program folder.
    static QString defaultLogoPath();
    // Shows the picture at `path`, or the built-in logo when it cannot be read.
    void setLogoFile(const QString& path);

    // Fills the camera list from the camera facade and selects the current camera.
    void refreshCameraList();
    // Hides the camera list (the main window closes every pop-up at times).
    void hideMenus();

signals:
    // Every title button's click: (checked, id).
    void sgButtonClick(bool checked, QVariant id);
    // The user chose another camera; the main window switches to it.
    void sgSwitchCamera(ICameraInfo info);
    // The window started moving under a drag.
    void sgMove();

public slots:
    void changeCameraIndex(int index);
    // A network camera found after the list was filled.
    void slAddWifiCamera(const ICameraInfo& info);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    IIToolButton* addButton(int id, const QString& text, const QString& iconName);
    void slButtonClick(bool checked, const QVariant& id);
    void toggleCameraList();
    void toggleMaximized();
    void syncMaximizeButtons();
    bool fillsScreen() const;
    void shrinkFromFullScreen();

    QPointer<QWidget> m_mainWindow;
    QLabel* m_logo = nullptr;
    QComboBox* m_cameras = nullptr;
    QList<IIToolButton*> m_buttons;
    bool m_pressed = false;
    bool m_firstMove = false;
    QPoint m_pressOffset;
};
