// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace m742::testing {

// Windows removes no read-only file: each in `folder` gets its write permission back.
inline void MakeRemovable([[maybe_unused]] const std::filesystem::path& folder) {
#ifdef _WIN32
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    }
#endif
}

class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        do {
            m_path =
                std::filesystem::temp_directory_path() / ("m742-test-" + std::to_string(seed()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ignored;
        MakeRemovable(m_path);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

}  // namespace m742::testing
