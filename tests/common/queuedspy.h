// A signal spy for signals emitted on other threads: it records them on the
// test's own thread through a queued connection. QSignalSpy records in the
// emitting thread, which races with the test reading it and with the spy's
// own destruction while a capture thread is still running.
#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

class QueuedSpy : public QObject, public QList<QList<QVariant>>
{
public:
    template <typename Sender, typename Arg>
    QueuedSpy(Sender* sender, void (Sender::*signal)(Arg))
    {
        QObject::connect(
            sender, signal, this,
            [this](Arg value) { append(QList<QVariant>{QVariant::fromValue(value)}); },
            Qt::QueuedConnection);
    }
};
