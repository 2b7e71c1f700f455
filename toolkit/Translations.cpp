// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool speaksEnglish(const QLocale &locale)
{
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

} // namespace

Translations::Translations(const QLocale &locale, const QString &catalogueFolder,
                           const QString &catalogueName)
{
    if (!speaksEnglish(locale)) {
        install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        ownCatalogue = install(locale, catalogueName, catalogueFolder);
    }
    // The English texts are the sources themselves, but for their plural forms.
    if (!ownCatalogue)
        install(QLocale(QLocale::English), catalogueName, catalogueFolder);
}

Translations::~Translations()
{
    for (const auto &translator : installed)
        QCoreApplication::removeTranslator(translator.get());
}

bool Translations::install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed.push_back(std::move(translator));
    return true;
}
