// Reading a printed PDF back with poppler's tools (package poppler-utils, installed by
// scripts/deps): its text as pdftotext lays it out, and where each word stands on the page.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace m742::testing {

// Runs `tool options 'pdf' output` and returns what it prints. A missing tool is a test
// failure, never a skipped check.
inline std::string PopplerOutput(const std::string& tool, const std::string& options,
                                 const std::filesystem::path& pdf, const std::string& output = "") {
    if (std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) != 0) {
        ADD_FAILURE() << tool << " is missing: run scripts/deps (it installs poppler-utils)";
        return {};
    }
    const std::string command =
        tool + " " + options + " '" + pdf.string() + "' " + output + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string printed;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        printed.append(buffer, n);
    }
    EXPECT_EQ(::pclose(pipe), 0) << command << ":\n" << printed;
    return printed;
}

// The text of every page, laid out in lines as on paper; pages are separated by form feeds.
inline std::string PdfText(const std::filesystem::path& pdf) {
    return PopplerOutput("pdftotext", "-layout -enc UTF-8", pdf, "-");
}

// One word on paper: its page (from 0), the left end of its box and the top, in points.
struct PdfWord {
    int page = 0;
    double left = 0;
    double top = 0;
    std::string text;
};

// The words of the PDF line by line, each line from left to right. (pdftotext's own order
// follows columns it believes to see, not the lines.)
inline std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf) {
    const std::string html = PopplerOutput("pdftotext", "-bbox -enc UTF-8", pdf, "-");
    const std::regex element(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), element);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& match = *it;
        if (!match[1].matched) {
            ++page;
            continue;
        }
        std::string text = match[3];
        for (const auto& [escaped, plain] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
            for (std::size_t at; (at = text.find(escaped)) != std::string::npos;) {
                text.replace(at, std::string_view(escaped).size(), plain);
            }
        }
        words.push_back({page, std::stod(match[1]), std::stod(match[2]), text});
    }
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::tie(a.page, a.top, a.left) < std::tie(b.page, b.top, b.left);
    });
    return words;
}

}  // namespace m742::testing
