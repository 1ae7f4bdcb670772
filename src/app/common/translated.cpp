#include "app/common/translated.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace lexorim::app {

void QtTranslations::Use(Language language) {
    // Every configuration load announces the language; the file is read only when it changes.
    if (current_ == language)
        return;
    current_ = language;
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    if (language != Language::German)
        return;
    auto translator = std::make_unique<QTranslator>();
    // Debian's qt6-translations-l10n; without it the dialogs simply stay English.
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        translator_ = std::move(translator);
    }
}

}  // namespace lexorim::app
