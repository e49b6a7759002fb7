// Text of recognised pages.
#include "ocr/iocrpage.h"

QString IOcrLine::text() const
{
    QStringList texts;
    for (const IOcrWord& word : words)
        texts << word.text;
    return texts.join(QLatin1Char(' '));
}

QStringList IOcrLine::cells() const
{
    QStringList cells;
    QStringList current;
    // A word gap is about a third of the line height; a whole line height
    // is a column gap.
    const int wide = qMax(1, box.height());
    for (int i = 0; i < words.size(); ++i) {
        if (i > 0 && words[i].box.left() - words[i - 1].box.right() > wide) {
            cells << current.join(QLatin1Char(' '));
            current.clear();
        }
        current << words[i].text;
    }
    if (!current.isEmpty())
        cells << current.join(QLatin1Char(' '));
    return cells;
}

QString IOcrParagraph::text() const
{
    QStringList texts;
    for (const IOcrLine& line : lines)
        texts << line.text();
    return texts.join(QLatin1Char(' '));
}

QString IOcrPage::plainText(const QVector<IOcrPage>& pages)
{
    QStringList pageTexts;
    for (const IOcrPage& page : pages) {
        QStringList paragraphs;
        for (const IOcrParagraph& paragraph : page.paragraphs) {
            QStringList lines;
            for (const IOcrLine& line : paragraph.lines)
                lines << line.text();
            paragraphs << lines.join(QLatin1Char('\n'));
        }
        pageTexts << paragraphs.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
    }
    return pageTexts.join(QLatin1Char('\f'));
}
