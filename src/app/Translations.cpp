#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator.get()))
        installed().push_back(std::move(translator));
}

} // namespace

void InstallTranslations(const QString& language) {
    RemoveTranslations();
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // The program's texts are English: an English desktop must not pick up a second language it also lists.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    install(locale, QStringLiteral("quill"), QStringLiteral(":/i18n"));
    if (installed().empty())
        return; // a language the program does not speak stays wholly English, its dialogs too
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void RemoveTranslations() {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}
