#include "common/ui_text.h"

#include <atomic>

namespace kaz::gui {

namespace {

// Atomic, so that a text made off the window's thread reads it safely.
std::atomic<kaz::Language> editorLanguage{kaz::Language::Japanese};

}  // namespace

void setUiLanguage(kaz::Language language) { editorLanguage = language; }

kaz::Language uiLanguage() { return editorLanguage; }

QString uiText(kaz::MessageId id) {
    return QString::fromUtf8(kaz::messageTemplate(id, uiLanguage()));
}

QString uiText(const kaz::Message& message) {
    return QString::fromStdString(kaz::messageText(message, uiLanguage()));
}

}  // namespace kaz::gui
