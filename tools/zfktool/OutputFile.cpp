#include "tools/zfktool/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

OutputFile::~OutputFile() { Discard(); }

bool OutputFile::Open(const char* path)
{
    m_path = path;
    m_target = path;
    struct stat st {};
    const bool exists = ::lstat(path, &st) == 0;
    struct stat named {};
    if (exists && S_ISLNK(st.st_mode) && ::stat(path, &named) == 0 && S_ISREG(named.st_mode)) {
        // Renaming over the link would put a file in its place; the file it
        // names is the one the user means.
        char* real = ::realpath(path, nullptr);
        if (real == nullptr)
            return Fail(errno);
        m_target = real;
        std::free(real);
        st = named;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        // Renaming over /dev/null would replace it, not write it.
        m_fd = ::open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
        return m_fd >= 0 || Fail(errno);
    }
    m_temp = m_target + ".zfktool-XXXXXX";
    m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        m_temp.clear();
        return Fail(error);
    }
    // mkstemp makes the file private; give it the mode the old file had,
    // or that a newly created one would get.
    mode_t mode = st.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_fd, mode) != 0)
        return Fail(errno);
    return true;
}

bool OutputFile::Write(std::span<const uint8_t> data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(m_fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Fail(n < 0 ? errno : EIO);
        data = data.subspan(static_cast<size_t>(n));
    }
    return true;
}

bool OutputFile::Commit()
{
    // The new file is on the disk before it takes the old one's place, or a
    // crash just after the rename could leave an empty file under the name.
    if (!m_temp.empty() && ::fsync(m_fd) != 0)
        return Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    // Errors of delayed writes (NFS, quotas) show up at close.
    if (::close(fd) != 0)
        return Fail(errno);
    if (!m_temp.empty() && ::rename(m_temp.c_str(), m_target.c_str()) != 0)
        return Fail(errno);
    m_temp.clear();
    return true;
}

void OutputFile::Discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
}

bool OutputFile::Fail(int error)
{
    std::fprintf(stderr, "zfktool: cannot write %s: %s\n", m_path.c_str(), std::strerror(error));
    Discard();
    return false;
}
