// The three exports of the element data library. Each fills the caller's
// destination (111 records, or one version record) by assignment.
#pragma once

#include "data/DaneTypes.h"

#if defined(DANE_BUILDING)
#define DANE_EXPORT __attribute__((visibility("default")))
#else
#define DANE_EXPORT
#endif

extern "C" {
DANE_EXPORT void GetLongPierwArray(TPierwData* dest);
DANE_EXPORT void GetShortPierwArray(TShortPierwData* dest);
DANE_EXPORT void GetVersion(TDaneVersion* dest);
}
