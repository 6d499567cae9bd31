// The settings store: one key, "Software\Morvane\Zefirak", kept in a file of
// the user's in the registry editor's export text (RegistryText). ReadReg
// reads it once at start-up into the print settings and the process-wide
// values; WriteReg writes them back once at shutdown.
#pragma once

#include "data/PrintSettings.h"
#include "settings/RegistryText.h"

#include <QString>
#include <QStringList>

class MainWindowLink;

// The registry's name of the key; the bracket line of the file.
extern const QString SettingsKeyName;
// The stamp that tells this version's key from another's.
extern const QString SettingsVersion;

// Failure-tolerant reads: a missing value or one of the other type gives
// -1, an empty text or false. A boolean is any non-zero integer.
int ReadRegInteger(const RegistryText& key, const QString& name);
QString ReadRegString(const RegistryText& key, const QString& name);
bool ReadRegBool(const RegistryText& key, const QString& name);

// True when "Wersja" is a string other than this version's stamp.
bool IsOtherVersion(const RegistryText& key);

// The information field's lines as stored: "Układ_Pole_LinesCount" + 1 of
// them, a missing one empty. At most MaxFieldLines, so that a hand-edited
// count of two thousand million cannot fill the memory.
constexpr int MaxFieldLines = 1000;
QStringList ReadFieldLines(const RegistryText& key);
// Stores lines and deletes the line values after them while they exist.
void WriteFieldLines(RegistryText& key, const QStringList& lines);

// The store's file as found on disk.
struct SettingsFile {
    QString path;
    RegistryText key{SettingsKeyName};
    bool keyExists = false;
    // The text could not be read whole, is too large or is not a regular
    // file: its readable values are in key, and the original is kept as
    // path + ".bad" before it is replaced (copied, or moved when it is not a
    // regular file).
    bool damaged = false;
    // The file exists but could not be read; it is never replaced.
    QString unreadable;
};

// Files larger than this are not settings; they are treated as damaged, as
// are a folder, a device or a named pipe in the file's place.
constexpr qint64 MaxSettingsFileSize = 1 << 20;

SettingsFile OpenSettingsFile(const QString& path);
// Replaces the file with file.key atomically, the folder made if needed:
// all of the new text or none of it. Empty on success, else why not.
QString CommitSettingsFile(const SettingsFile& file);

// Applies the defaults to the print settings and values (not LatinNames
// nor SkinEditor) and reloads the default skin.
void SetDefaults(PrintSettings& print, MainWindowLink& window);
// Reads the store at path into the print settings and values, or the
// defaults (no key, or another version's). A damaged file's readable values
// go over the defaults. Ends with window.SetLatin(LatinNames) on every path.
void ReadReg(const QString& path, PrintSettings& print, MainWindowLink& window);
// Writes the print settings and values into the store at path and the
// colour scheme into the skin's colour file. Empty when both were saved,
// else one line of why for each that was not.
QStringList WriteReg(const QString& path, const PrintSettings& print);
