// TEMPORARY: replaced by the real table in the data work.
#include "ElementRows.h"
namespace dane {
const ElementRow ElementRows[111] = {};
const VersionRow DaneVersionRow = {"1.0b", "15 kwietnia 2008", "", ""};
}
