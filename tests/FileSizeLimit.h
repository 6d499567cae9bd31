// Limits the size of files this process writes, for one scope; a write
// beyond the limit fails instead of raising SIGXFSZ. How the tests make a
// disk fill up part way through a write.
#pragma once

#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        applied = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Applied() const { return applied; }

private:
    rlimit saved{};
    bool applied = false;
    void (*savedHandler)(int) = nullptr;
};
