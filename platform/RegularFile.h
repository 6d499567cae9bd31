// Reading a file that the user or another program may have replaced with
// anything: a link to a device, a named pipe, a folder, something huge.
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

#include <cstdint>

enum class FileKind : uint8_t {
    Missing, // nothing there, or a link that leads nowhere
    Regular, // a regular file, after following links
    Other,   // a folder, a device, a named pipe, a socket
};

// What is at path after following links; a path that cannot be looked at
// (a folder on the way that may not be searched) counts as Other.
FileKind KindOfFile(const QString& path);

struct RegularFileRead {
    enum class Status : uint8_t { Read, Missing, NotRegular, TooLarge, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes; // the whole file when Read
    QString reason;   // the system's words when Unreadable
};

// Reads path whole when it is a regular file (after following links) of at
// most maxBytes. Never blocks and never takes more than maxBytes + 1 bytes:
// a named pipe is not opened, and a device or a file that grows meanwhile
// is caught after opening.
RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes);

// Opens path into file under the same conditions, for a reader that takes
// what it needs as it goes (a picture decoder) instead of the whole file.
// Read when file is open; the other statuses as above, without the reason.
RegularFileRead::Status OpenRegularFile(const QString& path, qint64 maxBytes, QFile& file);

// Renames whatever is at path (the link itself, not what it leads to) to
// aside, replacing what was there. Never copies, so a device or a pipe can
// be set aside too. Empty on success, else the system's reason.
QString SetAside(const QString& path, const QString& aside);
