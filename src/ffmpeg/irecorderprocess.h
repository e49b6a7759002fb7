// The recorder program as a child process of its own process group, so that
// ending it reaches its children too and never any other process.
#pragma once

#include <QProcess>

class IRecorderProcess : public QProcess
{
    Q_OBJECT
public:
    explicit IRecorderProcess(QObject* parent = nullptr);
    ~IRecorderProcess() override;

    // Asks the process and its children to end, waits up to `graceMs`, then
    // kills whatever is left. Returns at once when nothing runs.
    void endTree(int graceMs = 1000);

protected:
    void setupChildProcess() override;

private:
    qint64 m_group = 0;
};
