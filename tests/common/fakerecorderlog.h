// What the fake screen recorder (tests/peers/fakerecorder) wrote to its log:
// the lines that begin with `prefix` ("args", "port", "pid", "child",
// "command"), without it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

QStringList fakeRecorderLog(const QString& path, const QByteArray& prefix);
