// The .docx writer on libzip.
#include "ocr/iocrdocxwriter.h"

#include <QFile>
#include <QXmlStreamWriter>

#include <zip.h>

#include <memory>

namespace {
const char* const kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

const char* const kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char* const kRelationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "</Relationships>";

void writeRun(QXmlStreamWriter& xml, const QString& text)
{
    xml.writeStartElement("w:p");
    xml.writeStartElement("w:r");
    xml.writeStartElement("w:t");
    xml.writeAttribute("xml:space", "preserve");
    xml.writeCharacters(text);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void writePageBreak(QXmlStreamWriter& xml)
{
    xml.writeStartElement("w:p");
    xml.writeStartElement("w:r");
    xml.writeEmptyElement("w:br");
    xml.writeAttribute("w:type", "page");
    xml.writeEndElement();
    xml.writeEndElement();
}

// Adds a copy of `data` to the archive as `name`.
bool addFile(zip_t* archive, const char* name, const QByteArray& data)
{
    // libzip reads the buffer at zip_close: hand it a copy it frees itself.
    void* copy = ::malloc(size_t(data.size()));
    if (!copy && data.size() > 0)
        return false;
    ::memcpy(copy, data.constData(), size_t(data.size()));
    zip_source_t* source = zip_source_buffer(archive, copy, zip_uint64_t(data.size()), 1);
    if (!source) {
        ::free(copy);
        return false;
    }
    if (zip_file_add(archive, name, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}
} // namespace

QByteArray IOcrDocxWriter::documentXml(const QVector<IOcrPage>& pages)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement("w:document");
    xml.writeNamespace(kWordNs, "w");
    xml.writeStartElement("w:body");
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writePageBreak(xml);
        for (const IOcrParagraph& paragraph : pages[i].paragraphs)
            writeRun(xml, paragraph.text());
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QString IOcrDocxWriter::write(const QString& path, const QVector<IOcrPage>& pages)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        return text;
    }
    const bool added = addFile(archive, "[Content_Types].xml", kContentTypes)
                       && addFile(archive, "_rels/.rels", kRelationships)
                       && addFile(archive, "word/document.xml", documentXml(pages));
    if (!added) {
        const QString text = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        return text;
    }
    if (zip_close(archive) != 0) {
        const QString text = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        return text;
    }
    return QString();
}
