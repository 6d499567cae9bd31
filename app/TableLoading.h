// Filling the program's element tables from the data library.
#pragma once

void LoadShortTable();
void LoadElementTable();

// The start-up name check: one information notice "PolishName/Name" for every
// record whose shown name differs from its Polish name.
void CheckElementNames();
