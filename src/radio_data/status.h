// Interface language and errors as values: the core never shows a dialog or exits.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace m742 {

enum class Lang { Chinese, English };

// LanguageFlag: 0 is Chinese; every other value chooses the English texts.
constexpr Lang LanguageOf(std::int16_t languageFlag) {
    return languageFlag != 0 ? Lang::English : Lang::Chinese;
}

// One user-visible text in both interface languages.
struct Bilingual {
    std::string_view zh;
    std::string_view en;
    constexpr std::string_view in(Lang lang) const { return lang == Lang::English ? en : zh; }
};

// A name shown in the quotation marks of the interface language: "name" or “name”.
struct QuotedName {
    std::string text;
    bool operator==(const QuotedName&) const = default;
};

struct Message;

// A whole message worded in the place of a part: a refusal inside the line that names the
// field, the words of a list joined one by one.
struct InnerMessage {
    std::shared_ptr<const Message> message;
    bool operator==(const InnerMessage& other) const;
};

// One part of a message: a text as it stands (a number, a file name, the system's words), a
// name in quotation marks, one of the program's own texts, or a message of its own.
using MessagePart = std::variant<std::string, QuotedName, const Bilingual*, InnerMessage>;

// What the program has to say, not yet worded: one of the texts in src/texts, with %1, %2, ...
// to fill, and what fills them. The front ends word it in the interface language.
struct Message {
    const Bilingual* text = nullptr;
    std::vector<MessagePart> args;

    bool empty() const { return text == nullptr; }
    bool operator==(const Message&) const = default;
};

inline bool InnerMessage::operator==(const InnerMessage& other) const {
    if (message == nullptr || other.message == nullptr) {
        return message == other.message;
    }
    return *message == *other.message;
}

enum class ErrorCode {
    kNone,
    kFrequencyRefused,  // a frequency cell the encoder cannot store
    kToneRefused,       // a tone cell the encoder cannot store
    kFileMissing,
    kFileUnreadable,
    kFileTooShort,
    kNotDataFile,  // a file of 1074 bytes or more that is no data file
    kFileUnwritable,
    kNoPrinter,    // printing was asked for and no printer is installed
    kPrintFailed,  // the printer did not take the job
};

// The outcome of an operation: the code and, on failure, the message. `where` names the offending
// cell or file for front ends that can show more than the message itself (the command-line tool
// does; the window shows the message alone).
struct [[nodiscard]] Status {
    ErrorCode code = ErrorCode::kNone;
    Message message;
    std::string where;

    bool ok() const { return code == ErrorCode::kNone; }
    static Status Ok() { return {}; }
};

// A value or the status that explains why there is none. A failure is made explicitly, and
// only from a failed Status: Status::Ok() never becomes an Outcome without a value. Asking a
// failure for its value throws std::bad_optional_access.
template <typename T>
class [[nodiscard]] Outcome {
public:
    Outcome(T value) : m_value(std::move(value)) {}  // NOLINT: implicit on purpose
    explicit Outcome(Status failure) : m_status(std::move(failure)) {
        if (m_status.ok()) {
            throw std::logic_error("an Outcome without a value needs a failed Status");
        }
    }

    bool ok() const { return m_value.has_value(); }
    const T& value() const { return m_value.value(); }
    T& value() { return m_value.value(); }
    const Status& status() const { return m_status; }

private:
    std::optional<T> m_value;
    Status m_status;
};

// A failed Status on its way into an Outcome of whatever type the function returns:
// `return Failed(status);`.
struct [[nodiscard]] Failure {
    Status status;
    template <typename T>
    operator Outcome<T>() && {  // NOLINT: implicit on purpose
        return Outcome<T>(std::move(status));
    }
};
inline Failure Failed(Status status) {
    return {std::move(status)};
}

}  // namespace m742
