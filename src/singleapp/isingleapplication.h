// A widgets application of which one copy runs per user and data folder;
// later copies can hand the running one a message.
#pragma once

#include <QApplication>
#include <QScopedPointer>

class QLocalServer;
class QLockFile;

class ISingleApplication : public QApplication
{
    Q_OBJECT
public:
    ISingleApplication(const QString& id, int& argc, char** argv);
    ~ISingleApplication() override;

    // True when another copy with the same id, still alive, holds the
    // instance lock.
    bool isRunning() const;
    // Why the lock could not be taken when it was not for another copy
    // (this copy then runs unguarded); empty otherwise. Worth a log line.
    QString lockProblem() const;

    // Sends text to the running copy; true once it confirmed receipt
    // within timeoutMs.
    bool sendMessage(const QString& text, int timeoutMs = 5000);

    QString id() const;

signals:
    void messageReceived(const QString& text);

private:
    bool takeLock();
    bool holderKnown() const;
    QString describeLockFailure() const;
    void listen();
    void readConnection();

    QString m_id;
    QString m_serverName;
    QScopedPointer<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    bool m_running = false;
    QString m_lockProblem;
};
