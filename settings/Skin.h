// TEMPORARY: replaced by the skin work.
#pragma once
