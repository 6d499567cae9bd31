#include "platform/SaveFile.h"

#include "platform/RegularFile.h"

#include <QSaveFile>

namespace {

// The toolkit leaves its error unset when the system took only part of a
// write (a disk filling up): then there is no reason to give yet.
QString Reason(const QSaveFile& file)
{
    return file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("zapis przerwany");
}

} // namespace

QString SaveWhole(const QString& path, const QByteArray& bytes)
{
    // The save follows a link and replaces what it leads to: never a device,
    // a pipe or a folder.
    if (KindOfFile(path) == FileKind::Other)
        return QStringLiteral("to nie jest zwykły plik");
    QSaveFile file(path);
    // Unbuffered: each write reaches the system, which tells why it failed
    // at the write that fails (a part-way write is followed by one more,
    // which gives the system's reason).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        // Not committed, the temporary file is discarded and the old one stays.
        if (n <= 0)
            return Reason(file);
        done += n;
    }
    if (!file.commit())
        return Reason(file);
    return QString();
}
