#pragma once

#include "core/calc/standardvalues.h"

// The "Standard values" preference: the E series the standard parts come
// from. Kelvo.cfg has no place for it, so it is kept with QSettings in the
// user's configuration folder (on Linux ~/.config/Quillmarsh/Kelvo.conf,
// beside the settings of the program's windows), where the window and the
// command-line report both read it.

// The stored series; DefaultESeries when none is stored or the stored name
// is none of the series.
ESeries ReadStandardSeries();
void StoreStandardSeries(ESeries series);
