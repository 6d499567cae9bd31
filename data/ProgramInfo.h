// The program's name and version, and the words of its licence: one home
// for what the splash, the information page, the report header and the
// settings file's stamp all say.
#pragma once

#include <QString>

// "Zefirak".
QString ProgramName();
// "2.5.1.FREE": the build's project version and the free edition's mark.
QString ProgramVersion();
// The licence, whole, as the splash shows it.
QString LicenceText();
// The splash's two lines under the licence: the appeal, and where to read more.
QString FreewareAppeal();
QString ReadTheInformation();
