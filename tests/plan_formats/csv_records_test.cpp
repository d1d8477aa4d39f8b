#include "plan_formats/csv_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace m742 {
namespace {

// A record written is the record read back, quoted only where a field needs it.
TEST(CsvRecords, WrittenRecordsReadBack) {
    struct Case {
        std::vector<std::string> fields;
        const char* written;
    };
    const Case cases[] = {
        {{"1", "", "460.125000"}, "1,,460.125000\r\n"},
        {{"a, b", "say \"hi\"", "two\r\nlines"},
         "\"a, b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"},
        {{"#1", "#2"}, "\"#1\",#2\r\n"},  // a first field starting with "#" is no comment
        {{" padded ", "\""}, " padded ,\"\"\"\"\r\n"},
    };
    for (const Case& c : cases) {
        std::string text;
        AppendCsvRecord(text, c.fields);
        EXPECT_EQ(text, c.written);
        const CsvRecords read = ReadCsvRecords(text + "next\r\n", ',');
        ASSERT_EQ(read.records.size(), 2u) << text;
        EXPECT_EQ(read.unclosedQuoteLine, 0) << text;
        EXPECT_EQ(read.records[0].fields, c.fields);
        EXPECT_EQ(read.records[1].fields, std::vector<std::string>{"next"}) << text;
    }
}

}  // namespace
}  // namespace m742
