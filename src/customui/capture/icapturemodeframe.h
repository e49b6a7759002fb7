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

signals:
    void sgButtonClick(CaptureMode mode);

public slots:
    void slButtonClick(bool checked);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addModeButton(int mode, const QString& text);
    void refreshMarks();

    QWidget* m_mainWindow = nullptr;
    QMap<int, QPushButton*> m_buttons;
    int m_currentMode = DefaultCapture;
};
