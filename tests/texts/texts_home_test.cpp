// Every user-visible text lives in src/texts/: no string literal elsewhere in src/ or tools/
// holds a Chinese character or a full-width mark, and no function of the core takes the
// interface language: the core reports messages, the texts and the front ends word them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// CJK symbols and punctuation, the unified ideographs and the full-width forms.
bool IsChineseCharacter(std::uint32_t code) {
    return (code >= 0x3000 && code <= 0x303F) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xFF00 && code <= 0xFFEF);
}

bool HoldsChinese(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if ((lead & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            const std::uint32_t code = (lead & 0x0Fu) << 12 |
                                       (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6 |
                                       (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            if (IsChineseCharacter(code)) {
                return true;
            }
        }
    }
    return false;
}

// The string literals of a C++ source, comments and character literals left out.
std::vector<std::string> StringLiterals(const std::string& source) {
    std::vector<std::string> literals;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source.compare(i, 2, "//") == 0) {
            i = source.find('\n', i);
            if (i == std::string::npos) {
                break;
            }
        } else if (source.compare(i, 2, "/*") == 0) {
            i = source.find("*/", i + 2);
            if (i == std::string::npos) {
                break;
            }
            ++i;
        } else if (source[i] == '\'' || source[i] == '"') {
            const char quote = source[i];
            std::string literal;
            for (++i; i < source.size() && source[i] != quote; ++i) {
                if (source[i] == '\\') {
                    literal += source[i++];
                }
                literal += source[i];
            }
            if (quote == '"') {
                literals.push_back(literal);
            }
        }
    }
    return literals;
}

TEST(TextsHome, NoChineseLiteralOutsideTheTexts) {
    const fs::path root = M742_SOURCE_DIR;
    std::vector<std::string> offenders;
    int files = 0;
    for (const char* top : {"src", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const fs::path& path = entry.path();
            const std::string name = path.lexically_relative(root).generic_string();
            if (!entry.is_regular_file() || name.starts_with("src/texts/") ||
                (path.extension() != ".cpp" && path.extension() != ".h")) {
                continue;
            }
            ++files;
            std::ifstream in(path, std::ios::binary);
            const std::string source{std::istreambuf_iterator<char>(in), {}};
            const auto literals = StringLiterals(source);
            if (std::any_of(literals.begin(), literals.end(), HoldsChinese)) {
                offenders.push_back(name);
            }
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(offenders.empty())
        << "Chinese text outside src/texts/: " << ::testing::PrintToString(offenders);
}

// Whether a header declares a function with a Lang parameter: "(Lang lang", ", const Lang)", or
// a parameter on a line of its own. Comments are left out; a field "Lang lang = ...;" is no
// parameter.
bool TakesLang(const std::string& source) {
    static const std::regex kAfterParenthesis(R"([(,]\s*(const\s+)?Lang(\s+\w+)?\s*[,)=])");
    static const std::regex kOwnLine(R"(^\s*(const\s+)?Lang(\s+\w+)?\s*[,)])");
    std::istringstream lines(source);
    bool inComment = false;
    for (std::string line; std::getline(lines, line);) {
        if (inComment || line.find("/*") != std::string::npos) {
            inComment = line.find("*/") == std::string::npos;
            continue;
        }
        line = line.substr(0, line.find("//"));
        if (std::regex_search(line, kAfterParenthesis) || std::regex_search(line, kOwnLine)) {
            return true;
        }
    }
    return false;
}

TEST(TextsHome, NoCoreFunctionTakesTheLanguage) {
    const fs::path root = M742_SOURCE_DIR;
    // Bilingual::in, where a text picks its language; and files still to change.
    const std::set<std::string> allowed{
        "src/radio_data/status.h",
    };
    std::vector<std::string> offenders;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root / "src")) {
        const std::string name = entry.path().lexically_relative(root).generic_string();
        const bool frontEnd = name.starts_with("src/texts/") || name.starts_with("src/cli/") ||
                              name.starts_with("src/shell/") ||
                              name.find("/qt/") != std::string::npos;
        if (!entry.is_regular_file() || frontEnd || entry.path().extension() != ".h") {
            continue;
        }
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        if (TakesLang({std::istreambuf_iterator<char>(in), {}}) != allowed.contains(name)) {
            offenders.push_back(name);
        }
    }
    EXPECT_GT(files, 30);
    EXPECT_TRUE(offenders.empty())
        << "a core header with a Lang parameter (or one in the list that no longer has any): "
        << ::testing::PrintToString(offenders);
}

}  // namespace
