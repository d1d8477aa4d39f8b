#include "radio_data/file_names.h"

#include <cstdlib>
#include <string>

namespace m742 {

std::filesystem::path FilePath(std::string_view name) {
#ifdef _WIN32
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(name.data()), name.size()));
#else
    return std::filesystem::path(name);
#endif
}

std::filesystem::path EnvironmentPath(const char* variable) {
#ifdef _WIN32
    const std::string name(variable);
    const wchar_t* value = _wgetenv(std::wstring(name.begin(), name.end()).c_str());
#else
    const char* value = std::getenv(variable);
#endif
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace m742
