#include "data/SettingsValues.h"

QString SkinName;
QString SkinEditor;
bool Warn1 = true;
bool Warn2 = true;
bool LatinNames = false;
