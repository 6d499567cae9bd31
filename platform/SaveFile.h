// Replacing a file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file beside path and renames it over path:
// a crash, a kill or a full disk leaves the old file or the new one. Empty
// on success, else the system's reason. (QSaveFile alone commits a file
// whose buffered tail failed to write, cut short, so every byte is written
// unbuffered and checked first.) A path that is, or leads to, something
// other than a regular file is not written.
QString SaveWhole(const QString& path, const QByteArray& bytes);
