// Stands in for the translation loader until it is built.
#include "translations/Translations.h"

void LoadTranslations(const QString&)
{
}
