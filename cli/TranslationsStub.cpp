// Stands in for the translations loader until it lands: loads nothing, so every text is
// shown in English.
#include "translations/Translations.h"

void LoadTranslations(const QString& language)
{
    (void)language;
}
