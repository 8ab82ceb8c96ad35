#include "shell/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/ui_text.h"

namespace kaz::app {

namespace {

// The editor's English texts, one file per library with widgets (the core's texts come with
// both languages from the core's table).
constexpr const char* kEnglishFiles[] = {"kaz_gui_en", "kaz_app_en"};

void install(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

bool speaksJapanese(const QLocale& locale) {
    return locale.language() == QLocale::Japanese || locale.language() == QLocale::C;
}

void installUiLanguage(QCoreApplication& app, const QLocale& locale) {
    gui::setUiLanguage(speaksJapanese(locale) ? kaz::Language::Japanese : kaz::Language::English);
    if (speaksJapanese(locale)) {
        // Qt's own dialogs (file chooser, colour chooser, message boxes) speak Japanese too.
        install(app, QStringLiteral("qtbase_ja"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return;
    }
    for (const char* file : kEnglishFiles) {
        install(app, QString::fromLatin1(file), QStringLiteral(":/translations"));
    }
}

kaz::SheetLanguage newSheetLanguage() { return kaz::sheetLanguageOf(gui::uiLanguage()); }

}  // namespace kaz::app
