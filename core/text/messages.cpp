#include "text/messages.h"

#include <string_view>
#include <utility>

namespace kaz {

namespace {

// `text` with every %N replaced by values[N-1], in one pass, so that a value holding "%2" stays
// as it is.
std::string filledText(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t which = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && which < values.size()) {
            out += values[which];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

MessageValue::MessageValue(std::string text) : text(std::move(text)) {}
MessageValue::MessageValue(const char* text) : text(text) {}
MessageValue::MessageValue(long long number) : text(std::to_string(number)) {}
MessageValue::MessageValue(Message message) : nested(true), messages{std::move(message)} {}
MessageValue::MessageValue(std::vector<Message> messages)
    : nested(true), messages(std::move(messages)) {}

MessageValue MessageValue::name(std::string text) {
    MessageValue value(std::move(text));
    value.quotable = true;
    return value;
}

Message::Message(MessageId id, std::vector<MessageValue> values)
    : id(id), values(std::move(values)) {}

bool needsQuotes(std::string_view name) {
    for (const std::string_view mark : {" ", ",", "\t", "　", "、", "，"}) {
        if (name.find(mark) != std::string_view::npos) return true;
    }
    return false;
}

std::string messageText(const Message& message, Language language) {
    std::vector<std::string> values;
    for (const MessageValue& value : message.values) {
        if (!value.nested) {
            values.push_back(
                value.quotable && needsQuotes(value.text)
                    ? filledText(messageTemplate(MessageId::NameQuote, language), {value.text})
                    : value.text);
            continue;
        }
        std::string joined;
        for (const Message& one : value.messages) {
            if (!joined.empty()) joined += messageTemplate(MessageId::ListSeparator, language);
            joined += messageText(one, language);
        }
        values.push_back(std::move(joined));
    }
    return filledText(messageTemplate(message.id, language), values);
}

std::string japaneseText(const Message& message) {
    return messageText(message, Language::Japanese);
}

std::string englishText(const Message& message) { return messageText(message, Language::English); }

Message fileErrorMessage(FileError cause, const std::string& path) {
    return Message(static_cast<MessageId>(cause), {path});
}

}  // namespace kaz
