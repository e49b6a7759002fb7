// Where the program's own files lie: its translations, its logo and the
// helper programs it starts.
#pragma once

#include <QString>

// Two layouts. The build's program folder keeps everything beside the
// executable (Lang/, logo/, ScreenRecord/ScreenRecord). An installed program
// has its executable in bin/, its helper programs in lib/veskaroo/ and its
// data (Lang/, logo/) in share/veskaroo/, found relative to bin/ so that any
// install prefix works. The installed layout is taken when its data folder
// exists beside bin/.
class IProgramFiles
{
public:
    // `executableFolder` empty: the running program's folder.
    explicit IProgramFiles(const QString& executableFolder = QString());

    bool isInstalled() const;
    // Holds Lang/ and logo/.
    QString dataFolder() const;
    // Holds the helper programs (the screen recorder, the crash reporter).
    QString helperFolder() const;

    // Lang/<id>.qm
    QString translation(int id) const;
    // logo/cur_use_logo.png
    QString logo() const;
    QString recorder() const;

    // One log line: the layout, the data folder and whether the recorder
    // is there, so that an install's log tells what the program found.
    QString describe() const;

private:
    QString m_executableFolder;
    bool m_installed = false;
};
