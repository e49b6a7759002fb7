// Loads the user-interface translation chosen in the settings.
#pragma once

#include <QString>

class IApplication;

// Reads "lang/langid", strips the old "LG_" prefix, stores the id back and
// installs Lang/<id>.qm from the program folder (empty: the executable's
// folder). A missing translation leaves the built-in English. Always true.
bool loadLanguage(IApplication* app, const QString& programFolder = QString());
