#pragma once

#include <QLocale>

#include "bracket/sheet_info.h"

class QCoreApplication;

namespace kaz::app {

// The editor speaks Japanese where the locale names Japanese or no language at all (C, POSIX,
// or nothing set), and English where it names any other language.
bool speaksJapanese(const QLocale& locale);

// Installs the translations for `locale`: Qt's own Japanese texts for its dialogs in Japanese;
// the editor's English texts (embedded in the program) otherwise. The core's texts follow
// (gui::setUiLanguage).
void installUiLanguage(QCoreApplication& app, const QLocale& locale = QLocale::system());

// The language of the sheet of a new bracket: the editor's, as installUiLanguage last chose it
// (Japanese before it has run).
kaz::SheetLanguage newSheetLanguage();

}  // namespace kaz::app
