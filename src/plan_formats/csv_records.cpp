#include "plan_formats/csv_records.h"

#include <algorithm>

#include "radio_data/text_codes.h"

namespace m742 {

CsvRecords ReadCsvRecords(std::string_view text, char separator) {
    CsvRecords parsed;
    std::size_t i = 0;
    int line = 1;
    // Steps over the line end at `i`, if there is one; true when there was.
    auto lineEnd = [&text, &i, &line] {
        if (i < text.size() && (text[i] == '\r' || text[i] == '\n')) {
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            ++line;
            return true;
        }
        return false;
    };
    while (i < text.size()) {
        if (text[i] == '#') {
            while (i < text.size() && !lineEnd()) {
                ++i;
            }
            continue;
        }
        CsvRecord record{line, {}};
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        parsed.unclosedQuoteLine = opened;
                        return parsed;
                    }
                    if (text[i] == '"') {
                        ++i;
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (text[i] == '\r' || text[i] == '\n') {
                        const std::size_t from = i;
                        lineEnd();
                        field += text.substr(from, i - from);
                        continue;
                    }
                    field += text[i++];
                }
            }
            // Unquoted text, or whatever follows a closing quote up to the separator.
            while (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == separator) {
                ++i;
                continue;
            }
            lineEnd();
            break;
        }
        const bool blank =
            std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string& f) { return TrimmedField(f).empty(); });
        if (!blank) {
            parsed.records.push_back(std::move(record));
        }
    }
    return parsed;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

std::string_view TrimmedField(std::string_view field) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.empty() && blank(field.front())) {
        field.remove_prefix(1);
    }
    while (!field.empty() && blank(field.back())) {
        field.remove_suffix(1);
    }
    return field;
}

CsvColumns ColumnsOfHeader(const CsvRecord& header) {
    CsvColumns columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        columns.emplace(AsciiLower(TrimmedField(header.fields[i])), i);
    }
    return columns;
}

std::optional<std::string> FieldIn(const CsvRecord& record, const CsvColumns& columns,
                                   std::string_view column) {
    const auto found = columns.find(AsciiLower(column));
    if (found == columns.end()) {
        return std::nullopt;
    }
    if (found->second >= record.fields.size()) {
        return std::string();
    }
    return std::string(TrimmedField(record.fields[found->second]));
}

void AppendCsvRecord(std::string& text, std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        const bool quoted = field.find_first_of(",\"\r\n") != std::string::npos ||
                            (i == 0 && field.starts_with('#'));
        if (quoted) {
            text += '"';
            for (const char c : field) {
                text += c;
                if (c == '"') {
                    text += '"';
                }
            }
            text += '"';
        } else {
            text += field;
        }
        text += i + 1 < fields.size() ? std::string_view(",") : kCsvLineEnd;
    }
}

}  // namespace m742
