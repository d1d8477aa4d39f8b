#include "texts/message_text.h"

#include <vector>

#include "radio_data/text_codes.h"

namespace m742 {

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

}  // namespace m742
