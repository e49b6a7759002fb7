// Writes recognised pages as a spreadsheet (.xlsx): one row per text line,
// the line cut into cells at wide gaps, an empty row between pages.
#pragma once

#include "ocr/iocrpage.h"

class IOcrXlsxWriter
{
public:
    // Empty on success, else why the file could not be written.
    static QString write(const QString& path, const QVector<IOcrPage>& pages);
};
