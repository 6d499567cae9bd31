// TEMPORARY: replaced by the skin work.
#include "Skin.h"
