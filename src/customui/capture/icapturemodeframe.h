// Pop-up list of what the "Snap" button does, shown above "Photo-mode".
#pragma once

#include "customui/common/icustomwidget.h"

#include <QMap>
#include <QMetaType>

class QPushButton;

// Carried by the mode buttons' "flag" property; PhotoSound is a switch, not a mode.
enum CaptureMode {
    PhotoSound = -1,
    DefaultCapture = 0,
    ScreenCapture = 1,
    PartialCapture = 2,
    TimingCapture = 3,
    TimelapseCapture = 4,
    ClipboardCapture = 5,
    BlackWhiteCapture = 6,
    GrayCapture = 7,
};
Q_DECLARE_METATYPE(CaptureMode)

class ICaptureModeFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit ICaptureModeFrame(QWidget* mainWindow, QWidget* parent = nullptr);

    int currentMode() const;
    // Null for an unknown value.
    QPushButton* button(int mode) const;
    // "Lock outline": a switch beside the modes, for every later capture.
    QPushButton* lockOutlineButton() const { return m_lockOutline; }

signals:
    void sgButtonClick(CaptureMode mode);
    // "Lock outline" was clicked: whether the outline is to be locked. The
    // mark follows setOutlineLocked, as locking may fail.
    void sgLockOutline(bool lock);

public slots:
    void slButtonClick(bool checked);
    void setOutlineLocked(bool locked);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addModeButton(int mode, const QString& text);
    void refreshMarks();

    QWidget* m_mainWindow = nullptr;
    QMap<int, QPushButton*> m_buttons;
    int m_currentMode = DefaultCapture;
    QPushButton* m_lockOutline = nullptr;
    bool m_outlineLocked = false;
};
