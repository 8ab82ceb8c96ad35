#pragma once

#include <QLocale>

class QCoreApplication;

namespace kaz::app {

// The editor speaks Japanese where the locale names Japanese or no language at all (C, POSIX,
// or nothing set), and English where it names any other language.
bool speaksJapanese(const QLocale& locale);

// Installs the translations for `locale`: Qt's own Japanese texts for its dialogs in Japanese;
// the editor's English texts (embedded in the program) otherwise.
void installUiLanguage(QCoreApplication& app, const QLocale& locale = QLocale::system());

}  // namespace kaz::app
