// The text of the settings dialog's information page: the program and its
// data library, where the data come from, the licence, where this user's
// files live and the keys the program answers to.
#pragma once

#include <QString>

// As rich text. Built afresh at each call: the library is asked for its
// version record and the paths are the ones in use at that moment.
QString ProgramInformationHtml();
