// The command line's choice of virtual document camera: none, the rendered page, or a file.
#pragma once

#include <QString>
#include <QStringList>

class IVirtualCameraOptions
{
public:
    enum Mode { Off, Rendered, File };

    // Reads `--virtual-camera` (the rendered page) and
    // `--virtual-camera=FILE` from the program's arguments; the last one
    // wins, and nothing after a lone `--` counts. An empty FILE means the
    // rendered page. FILE is made absolute against the current folder, and
    // a leading `~/` is the home folder.
    static IVirtualCameraOptions parse(const QStringList& arguments);

    Mode mode() const { return m_mode; }
    // `--virtual-camera-raw`: frames as ready pixels instead of MJPG.
    bool rawFrames() const { return m_rawFrames; }
    QString filePath() const { return m_filePath; }

private:
    Mode m_mode = Off;
    bool m_rawFrames = false;
    QString m_filePath;
};
