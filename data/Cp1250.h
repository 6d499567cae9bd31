// The Windows-1250 (Central European) code page, in which the program's
// texts leave it as files, against which typed search text is filtered, and
// in which settings exported on a Polish Windows come.
#pragma once

#include <QByteArray>
#include <QString>

// The code of c in Windows-1250, or -1 when the code page has no such character.
int Cp1250Code(QChar c);

// Encodes text; characters the code page lacks become '?'.
QByteArray ToCp1250(const QString& text);

// Decodes bytes; the five unassigned codes become U+FFFD.
QString FromCp1250(const QByteArray& bytes);
