// Runs the m742-cli binary in a fresh folder and captures what it does.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace m742::cli_test {

struct CliResult {
    int status = -1;  // the exit status; -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// Each test gets its own empty working folder, removed afterwards.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs m742-cli with `args` in the working folder, `input` on its standard input.
    CliResult Run(const std::vector<std::string>& args, const std::string& input = {}) const;

    std::filesystem::path Path(std::string_view name) const { return m_work / name; }
    void Write(std::string_view name, std::string_view content) const;
    std::string Read(std::string_view name) const;  // the bytes of a file, "" if none
    std::vector<std::string> Listing() const;       // the names in the working folder, sorted

private:
    std::filesystem::path m_root;  // holds the working folder and the captured output
    std::filesystem::path m_work;
};

// The JSON form of the start-up editor.
nlohmann::json StartupJson();

// The data file of an image.
std::string DataFileOf(const std::vector<unsigned char>& image);

// Columns a terminal needs for UTF-8 text of ASCII and CJK characters.
int Columns(std::string_view utf8);

}  // namespace m742::cli_test
