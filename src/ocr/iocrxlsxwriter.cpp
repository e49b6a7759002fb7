// The .xlsx writer on libxlsxwriter.
#include "ocr/iocrxlsxwriter.h"

#include <QFile>

#include <xlsxwriter.h>

QString IOcrXlsxWriter::write(const QString& path, const QVector<IOcrPage>& pages)
{
    lxw_workbook* workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook)
        return QStringLiteral("cannot create the workbook");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_error result = sheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_row_t row = 0;
    for (int i = 0; i < pages.size() && result == LXW_NO_ERROR; ++i) {
        if (i > 0)
            ++row;
        for (const IOcrParagraph& paragraph : pages[i].paragraphs) {
            for (const IOcrLine& line : paragraph.lines) {
                const QStringList cells = line.cells();
                for (int column = 0; column < cells.size() && result == LXW_NO_ERROR; ++column)
                    result = worksheet_write_string(sheet, row, lxw_col_t(column),
                                                    cells[column].toUtf8().constData(), nullptr);
                ++row;
            }
        }
    }
    // Frees the workbook whatever happened before.
    const lxw_error closed = workbook_close(workbook);
    if (result == LXW_NO_ERROR)
        result = closed;
    return result == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(result));
}
