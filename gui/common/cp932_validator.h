#pragma once

#include <QString>
#include <QValidator>
#include <cstdint>

namespace kaz::gui {

// Refuses, as it is typed, any text whose CP932 form is longer than `maxBytes` bytes (a
// double-byte character counts 2, as does the 〓 that stands for a character CP932 cannot hold).
// A refusal is announced (beep and status bar) for the widget the validator belongs to, naming
// the field ("点数は 9 ﾊﾞｲﾄまでです。").
class Cp932Validator : public QValidator {
public:
    explicit Cp932Validator(size_t maxBytes = SIZE_MAX, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

    // The field's name in the user's words ("点数"), for the refusal of a text too long.
    void setFieldName(const QString& name) { m_fieldName = name; }
    const QString& fieldName() const { return m_fieldName; }

private:
    size_t m_maxBytes;
    QString m_fieldName;
};

}  // namespace kaz::gui
