#pragma once

#include <QString>
#include <QValidator>
#include <cstdint>

namespace kaz::gui {

// Which characters a field takes: those of CP932 alone (a colour string, stored as CP932
// bytes), or any (a bracket's text, kept as typed).
enum class FieldCharacters { Cp932Only, Any };

// Refuses, as it is typed, any text longer than `maxCharacters` characters (whatever their
// script) and, for a field of CP932 alone, any character CP932 cannot hold. U+FFFD, which stands
// for damaged bytes of a loaded text, is let through so that such a text can still be edited. A
// refusal is announced (beep and status bar) for the widget the validator belongs to, naming
// the field ("点数は 32 文字までです。").
class Cp932Validator : public QValidator {
public:
    explicit Cp932Validator(size_t maxCharacters = SIZE_MAX, QObject* parent = nullptr,
                            FieldCharacters characters = FieldCharacters::Cp932Only);
    State validate(QString& input, int& pos) const override;

    // The field's name in the user's words ("点数"), for the refusal of a text too long.
    void setFieldName(const QString& name) { m_fieldName = name; }
    const QString& fieldName() const { return m_fieldName; }

private:
    size_t m_maxCharacters;
    FieldCharacters m_characters;
    QString m_fieldName;
};

}  // namespace kaz::gui
