// Reading the fake screen recorder's log.
#include "common/fakerecorderlog.h"

#include <QFile>

QStringList fakeRecorderLog(const QString& path, const QByteArray& prefix)
{
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(prefix + ' '))
            lines << QString::fromLocal8Bit(line.mid(prefix.size() + 1));
    return lines;
}
