#include "cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace m742::cli_test {

namespace fs = std::filesystem;

void CliTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "m742-cli-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_root = pattern;
    m_work = m_root / "work";
    fs::create_directory(m_work);
}

void CliTest::TearDown() {
    std::error_code ec;
    fs::remove_all(m_root, ec);
}

CliResult CliTest::Run(const std::vector<std::string>& args, const std::string& input) const {
    const fs::path in = m_root / "stdin";
    const fs::path out = m_root / "stdout";
    const fs::path err = m_root / "stderr";
    std::ofstream(in, std::ios::binary) << input;

    std::vector<std::string> argv{M742_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) {
        pointers.push_back(arg.data());
    }
    pointers.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int fdIn = ::open(in.c_str(), O_RDONLY);
        const int fdOut = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int fdErr = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fdIn < 0 || fdOut < 0 || fdErr < 0 || ::chdir(m_work.c_str()) != 0 ||
            ::dup2(fdIn, 0) < 0 || ::dup2(fdOut, 1) < 0 || ::dup2(fdErr, 2) < 0) {
            ::_exit(127);
        }
        ::alarm(60);  // a tool that hangs is killed: the test fails instead of hanging
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }
    CliResult result;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    auto slurp = [](const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    result.out = slurp(out);
    result.err = slurp(err);
    return result;
}

void CliTest::Write(std::string_view name, std::string_view content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
}

std::string CliTest::Read(std::string_view name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> CliTest::Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_work)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

nlohmann::json StartupJson() {
    nlohmann::json json;
    json["memory"] = nlohmann::json::array();
    json["CellListIndex"] = nlohmann::json::array();
    json["debug"] = nlohmann::json::array();
    const char* const factory[8][2] = {{"460.10000", "460.00000"}, {"450.10000", "450.00000"},
                                       {"469.90000", "469.97500"}, {"460.30000", "460.30000"},
                                       {"460.35000", "460.35000"}, {"460.40000", "460.40000"},
                                       {"460.35000", "460.35000"}, {"460.45000", "460.45000"}};
    for (int row = 0; row < 16; ++row) {
        json["memory"].push_back(std::vector<std::string>(8, ""));
        json["CellListIndex"].push_back({0, 0, 0, 0});
        json["debug"].push_back(row < 8 ? nlohmann::json{factory[row][0], factory[row][1]}
                                        : nlohmann::json{"", ""});
    }
    json["Text2"] = "";
    json["Text3"] = "";
    json["settings"] = {{"Combo1", 0},  {"Combo2", 1},  {"Combo3", 2},  {"Combo4", 5},
                        {"Combo6", 1},  {"Combo7", 0},  {"Combo9", 1},  {"Combo10", 0},
                        {"Combo11", 0}, {"Combo12", 0}, {"Combo13", 0}, {"Combo14", 0}};
    json["globals"] = {{"SideKeyPf1Short", 1}, {"SideKeyPf1Long", 7}, {"SideKeyPf2Short", 4},
                       {"SideKeyPf2Long", 2},  {"DtmfFirstDelay", 0}, {"DtmfInterval", 2},
                       {"DtmfDelay", 2},       {"PowerLow", 92},      {"PowerHigh", 208}};
    return json;
}

std::string DataFileOf(const std::vector<unsigned char>& image) {
    std::string file = "ZMR47C\xFF\xFF\xFF\xFFV0100";
    file.resize(50, '\xFF');
    file.append(image.begin(), image.end());
    return file;
}

int Columns(std::string_view utf8) {
    int columns = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            columns += 1;
        } else if (byte >= 0xE0) {
            columns += 2;  // the lead byte of a CJK character
        } else if (byte >= 0xC0) {
            columns += 1;
        }
    }
    return columns;
}

}  // namespace m742::cli_test
