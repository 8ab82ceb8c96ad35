#pragma once

#include <QString>
#include <QValidator>
#include <cstdint>
#include <optional>
#include <string>

// The widget edge of the document's text: QString on screen, CP932 bytes in the bracket.

// CP932 bytes as a QString (bytes that are not CP932 show as U+FFFD).
QString fromCp932(const std::string& cp932);

// A QString as CP932 bytes, or nothing when a character cannot be held in CP932.
std::optional<std::string> toCp932(const QString& text);

// Like toCp932, but U+FFFD (shown for damaged bytes of a loaded name) becomes "?".
std::string toCp932Lenient(const QString& text);

// Refuses, as it is typed, any character that CP932 cannot hold and any text longer than
// `maxBytes` CP932 bytes (a double-byte character counts 2). U+FFFD, which stands for damaged
// bytes of a loaded text, is let through so that such a text can still be edited. A refusal is
// announced (beep and status bar) for the widget the validator belongs to.
class Cp932Validator : public QValidator {
public:
    explicit Cp932Validator(size_t maxBytes = SIZE_MAX, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    size_t m_maxBytes;
};
