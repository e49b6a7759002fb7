// Loads the user-interface translation chosen in the settings.
#pragma once

#include <QString>

class IApplication;

// Reads "lang/langid", strips the old "LG_" prefix, stores the id back and
// installs Lang/<id>.qm from the program's data folder (programFolder: the
// executable's folder, empty: the running program's; see IProgramFiles).
// A missing translation leaves the built-in English. Always true.
bool loadLanguage(IApplication* app, const QString& programFolder = QString());
