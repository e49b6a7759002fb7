// One recognised page as the writers need it: paragraphs of lines of words,
// each word with its place on the picture.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

struct IOcrWord
{
    QString text;
    QRect box;
};

struct IOcrLine
{
    QVector<IOcrWord> words;
    QRect box;

    QString text() const;
    // The line cut where the space between two words is wider than the
    // line is high: columns of a table become cells of their own.
    QStringList cells() const;
};

struct IOcrParagraph
{
    QVector<IOcrLine> lines;

    // The lines joined by single spaces, as the paragraph reads.
    QString text() const;
};

struct IOcrPage
{
    QVector<IOcrParagraph> paragraphs;

    // Lines as on the page, a blank line between paragraphs and a form
    // feed between pages (as Tesseract's own text output has it).
    static QString plainText(const QVector<IOcrPage>& pages);
};
