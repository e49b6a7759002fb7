// Writes recognised pages as a Word document (.docx): a zip of
// WordprocessingML, one paragraph per recognised paragraph, each page
// after the first on a new page.
#pragma once

#include "ocr/iocrpage.h"

class IOcrDocxWriter
{
public:
    // Empty on success, else why the file could not be written.
    static QString write(const QString& path, const QVector<IOcrPage>& pages);

    // The body, word/document.xml.
    static QByteArray documentXml(const QVector<IOcrPage>& pages);
};
