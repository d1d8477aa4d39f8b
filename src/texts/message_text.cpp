#include "texts/message_text.h"

#include <vector>

#include "radio_data/text_codes.h"

namespace m742 {

namespace {

// Two parts side by side: Concatenated folds longer runs into it.
constexpr Bilingual kTwoParts{"%1%2", "%1%2"};
constexpr Bilingual kOnePart{"%1", "%1"};

}  // namespace

std::string Quoted(std::string_view text, Lang lang) {
    return lang == Lang::English ? "\"" + std::string(text) + "\"" : "“" + std::string(text) + "”";
}

std::string Worded(const MessagePart& part, Lang lang) {
    if (const auto* text = std::get_if<std::string>(&part)) {
        return *text;
    }
    if (const auto* name = std::get_if<QuotedName>(&part)) {
        return Quoted(name->text, lang);
    }
    if (const auto* inner = std::get_if<InnerMessage>(&part)) {
        return inner->message != nullptr ? Worded(*inner->message, lang) : std::string();
    }
    const Bilingual* own = std::get<const Bilingual*>(part);
    return own != nullptr ? std::string(own->in(lang)) : std::string();
}

std::string Worded(const Message& message, Lang lang) {
    if (message.empty()) {
        return {};
    }
    std::vector<std::string> parts;
    parts.reserve(message.args.size());
    for (const MessagePart& part : message.args) {
        parts.push_back(Worded(part, lang));
    }
    const std::vector<std::string_view> values(parts.begin(), parts.end());
    return FillText(message.text->in(lang), values);
}

MessagePart Inner(Message message) {
    return InnerMessage{std::make_shared<const Message>(std::move(message))};
}

Message Text(const Bilingual& text) {
    return {&text, {}};
}

Message Concatenated(std::vector<MessagePart> parts) {
    if (parts.empty()) {
        return {};
    }
    Message joined{&kOnePart, {std::move(parts.front())}};
    for (std::size_t i = 1; i < parts.size(); ++i) {
        joined = {&kTwoParts, {Inner(std::move(joined)), std::move(parts[i])}};
    }
    return joined;
}

}  // namespace m742
