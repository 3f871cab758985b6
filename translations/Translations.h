#pragma once
#include <QString>
// Installs the program's and Qt's translations for LANGUAGE (a locale name such as "de" or
// "zh_CN"; empty: the system's UI languages), after the application object exists. A later
// call replaces what an earlier one installed.
void LoadTranslations(const QString& language = QString());
