// Messages the core reports as values, worded in the interface language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"

namespace m742 {

// A text the same in both languages (a device's name, numbers): %1 as it stands.
inline constexpr Bilingual kAsItStands{"%1", "%1"};

// A name or value in the quotation marks of the language: "name" or “name”.
std::string Quoted(std::string_view text, Lang lang);

std::string Worded(const MessagePart& part, Lang lang);

// A message as a part of another.
MessagePart Inner(Message message);
// One text of the program's own, nothing to fill.
Message Text(const Bilingual& text);
// The parts worded one after another, nothing between them.
Message Concatenated(std::vector<MessagePart> parts);

// The message's text in `lang` with its parts filled in; the empty text for no message.
std::string Worded(const Message& message, Lang lang);

}  // namespace m742
