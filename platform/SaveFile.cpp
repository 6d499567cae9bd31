#include "platform/SaveFile.h"

#include <QSaveFile>

QString SaveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Not committed, the temporary file is discarded and the old one stays.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return file.errorString();
    return QString();
}
