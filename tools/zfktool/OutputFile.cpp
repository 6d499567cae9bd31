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
    path_ = path;
    target_ = path;
    struct stat st {};
    const bool exists = ::lstat(path, &st) == 0;
    struct stat named {};
    if (exists && S_ISLNK(st.st_mode) && ::stat(path, &named) == 0 && S_ISREG(named.st_mode)) {
        // Renaming over the link would put a file in its place; the file it
        // names is the one the user means.
        char* real = ::realpath(path, nullptr);
        if (real == nullptr)
            return Fail(errno);
        target_ = real;
        std::free(real);
        st = named;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        // Renaming over /dev/null would replace it, not write it.
        fd_ = ::open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
        return fd_ >= 0 || Fail(errno);
    }
    temp_ = target_ + ".zfktool-XXXXXX";
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        temp_.clear();
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
    if (::fchmod(fd_, mode) != 0)
        return Fail(errno);
    return true;
}

bool OutputFile::Write(std::span<const uint8_t> data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd_, data.data(), data.size());
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
    if (!temp_.empty() && ::fsync(fd_) != 0)
        return Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    // Errors of delayed writes (NFS, quotas) show up at close.
    if (::close(fd) != 0)
        return Fail(errno);
    if (!temp_.empty() && ::rename(temp_.c_str(), target_.c_str()) != 0)
        return Fail(errno);
    temp_.clear();
    return true;
}

void OutputFile::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    temp_.clear();
}

bool OutputFile::Fail(int error)
{
    std::fprintf(stderr, "zfktool: cannot write %s: %s\n", path_.c_str(), std::strerror(error));
    Discard();
    return false;
}
