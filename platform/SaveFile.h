// Replacing a file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file beside path and renames it over path:
// a crash, a kill or a full disk leaves the old file or the new one. Empty
// on success, else the system's reason. (QSaveFile alone commits a file
// whose buffered tail failed to write, cut short, so the tail is flushed
// and checked first.)
QString SaveWhole(const QString& path, const QByteArray& bytes);
