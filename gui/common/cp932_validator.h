#pragma once

#include <QValidator>
#include <cstdint>

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
