// Which figure class draws each figure kind, and the cursor its tool shows.
#pragma once

#include <QString>

class IFigureElement;

class IFigureCatalog
{
public:
    // A new, empty figure of `kind`, or null for a kind without a figure.
    static IFigureElement* create(int kind);
    // The resource path of the kind's cursor picture; empty when it has none.
    static QString cursorFile(int kind);
};
