// Loads the OCR engine's shared library once, at start-up, for the life of
// the process.
#pragma once

#include <QString>

class IOcrLibrary
{
public:
    // Where the engine is looked for: the system's Tesseract 5.
    static QString defaultPath();

    // Tries the platform loader first, then QLibrary; logs each attempt.
    // A failure is not fatal: OCR is then unavailable.
    static bool load(const QString& path);

    // Handle of the loaded engine, null when none is loaded.
    static void* handle();
};
