// CSV text as records of fields, in and out.
//
// In: fields between separators (the caller's choice of "," or ";"), quoted fields as RFC 4180
// has them (a doubled quote is a quote; separators and line ends inside belong to the field),
// CR LF or LF line ends, lines starting with "#" and records of blank fields skipped.
// Out: "," between fields and CR LF after each record; a field that needs it is quoted.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace m742 {

inline constexpr std::string_view kCsvLineEnd = "\r\n";

struct CsvRecord {
    int line = 0;  // where the record starts
    std::vector<std::string> fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;  // comment lines and blank lines left out
    int unclosedQuoteLine = 0;       // the line of a quoted field that never ends, or 0
};

// The records of `text` with `separator` between their fields. Reading stops at a quoted field
// that never ends; the records before it are kept.
CsvRecords ReadCsvRecords(std::string_view text, char separator);

// `text` without the UTF-8 byte order mark at its start, if it has one.
std::string_view WithoutByteOrderMark(std::string_view text);

// A field without the blanks and tabs around it.
std::string_view TrimmedField(std::string_view field);

// The columns of a header record by lower-case name; the first of two alike wins.
using CsvColumns = std::map<std::string, std::size_t, std::less<>>;
CsvColumns ColumnsOfHeader(const CsvRecord& header);

// The field of `record` under `column` (in any case), trimmed: nothing when `columns` has no
// such column, the empty text when the record ends before it.
std::optional<std::string> FieldIn(const CsvRecord& record, const CsvColumns& columns,
                                   std::string_view column);

// Appends a record to `text`. A field holding a comma, a quote or a line end is quoted, and so
// is a first field starting with "#", which would read as a comment.
void AppendCsvRecord(std::string& text, std::span<const std::string> fields);

}  // namespace m742
