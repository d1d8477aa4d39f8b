// File names as the program holds them: UTF-8 text. A path made from narrow text would be read
// in the ANSI code page on Windows, where Chinese names would not survive, so names given as
// text become paths here, and environment variables that name folders are read here.
#pragma once

#include <filesystem>
#include <string_view>

namespace m742 {

// The path a UTF-8 file name stands for (on Linux: the same bytes).
std::filesystem::path FilePath(std::string_view name);

// The folder an environment variable names; empty when it is unset or empty.
std::filesystem::path EnvironmentPath(const char* variable);

}  // namespace m742
