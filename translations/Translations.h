#pragma once
#include <QString>
// Installs the program's and Qt's translations for LANGUAGE (a locale name such as "de" or
// "zh_CN"; empty: the system's UI languages). Call once, after the application object exists.
void LoadTranslations(const QString& language = QString());
