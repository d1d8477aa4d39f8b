// Files that are closed when their owner goes, on every way out: a stdio stream and a POSIX
// file descriptor (the C runtime's on Windows).
#pragma once

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <memory>

namespace m742 {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Closes the file now, where the result matters (a write is complete only once fclose has
// succeeded): 0, or EOF with errno set.
inline int CloseNow(UniqueFile& file) {
    return std::fclose(file.release());
}

inline void CloseDescriptor(int fd) {
#ifdef _WIN32
    ::_close(fd);
#else
    ::close(fd);
#endif
}

class UniqueDescriptor {
public:
    explicit UniqueDescriptor(int fd) : m_fd(fd) {}
    ~UniqueDescriptor() {
        if (m_fd >= 0) {
            CloseDescriptor(m_fd);
        }
    }
    UniqueDescriptor(const UniqueDescriptor&) = delete;
    UniqueDescriptor& operator=(const UniqueDescriptor&) = delete;

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

}  // namespace m742
