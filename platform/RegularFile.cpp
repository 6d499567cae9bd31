#include "platform/RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool IsMissingError(int error) { return error == ENOENT || error == ENOTDIR; }

RegularFileRead Failed(int error)
{
    RegularFileRead result;
    if (IsMissingError(error))
        return result;
    result.status = RegularFileRead::Status::Unreadable;
    result.reason = SystemReason(error);
    return result;
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FileKind KindOfFile(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return IsMissingError(errno) ? FileKind::Missing : FileKind::Other;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

namespace {

// Opens name for reading when it is a regular file of at most maxBytes:
// the descriptor, or -1 with why not in result.
int OpenRegular(const QByteArray& name, qint64 maxBytes, RegularFileRead& result)
{
    using Status = RegularFileRead::Status;
    // Looked at before opening: opening a named pipe for reading would wait
    // for a writer.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        result = Failed(errno);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = Status::NotRegular;
        return -1;
    }
    // Non-blocking and looked at again once open, in case the path was
    // swapped for something else in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result = Failed(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        result = Failed(errno);
    } else if (!S_ISREG(st.st_mode)) {
        result.status = Status::NotRegular;
    } else if (st.st_size > maxBytes) {
        result.status = Status::TooLarge;
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

} // namespace

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes)
{
    using Status = RegularFileRead::Status;
    RegularFileRead result;
    const Descriptor fd(OpenRegular(QFile::encodeName(path), maxBytes, result));
    if (fd.get() < 0)
        return result;
    struct stat st {};
    ::fstat(fd.get(), &st);
    // The size said may be stale (a file still being written): read up to
    // one byte past the bound, growing the buffer only as bytes come.
    QByteArray bytes(qsizetype(std::min<qint64>(st.st_size, maxBytes)) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes)
                break;
            bytes.resize(qsizetype(std::min<qint64>(2 * qint64(got), maxBytes + 1)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failed(errno);
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes) {
        result.status = Status::TooLarge;
        return result;
    }
    bytes.truncate(got);
    result.status = Status::Read;
    result.bytes = std::move(bytes);
    return result;
}

RegularFileRead::Status OpenRegularFile(const QString& path, qint64 maxBytes, QFile& file)
{
    RegularFileRead result;
    const int fd = OpenRegular(QFile::encodeName(path), maxBytes, result);
    if (fd < 0)
        return result.status;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return RegularFileRead::Status::Unreadable;
    }
    return RegularFileRead::Status::Read;
}

QString SetAside(const QString& path, const QString& aside)
{
    const QByteArray from = QFile::encodeName(path);
    const QByteArray to = QFile::encodeName(aside);
    if (::rename(from.constData(), to.constData()) == 0)
        return QString();
    const int error = errno;
    // A folder and a file do not replace each other: the older one goes
    // first (a folder only when empty; a full one is the user's to clear).
    if (error == EISDIR || error == ENOTDIR || error == ENOTEMPTY || error == EEXIST) {
        if ((::unlink(to.constData()) == 0 || ::rmdir(to.constData()) == 0)
            && ::rename(from.constData(), to.constData()) == 0)
            return QString();
    }
    return SystemReason(error);
}
