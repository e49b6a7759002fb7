// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so
// that the recorder can finish its file before it ends.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    QSocketNotifier* m_notifier = nullptr;
};
