#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

// The translators of the last call; installed ones are asked last first.
std::vector<std::unique_ptr<QTranslator>> g_installed;

void Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator.get()))
        g_installed.push_back(std::move(translator));
}

} // namespace

void LoadTranslations(const QString& language)
{
    for (const auto& translator : g_installed)
        QCoreApplication::removeTranslator(translator.get());
    g_installed.clear();
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // The English catalogue holds only the plural forms of counted texts; it is the
    // fallback of every language, so "1 file" reads right with no translation at all.
    Install(QLocale(QLocale::English), QStringLiteral("marrowick"), QStringLiteral(":/i18n"));
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(locale, QStringLiteral("marrowick"), QStringLiteral(":/i18n"));
}
