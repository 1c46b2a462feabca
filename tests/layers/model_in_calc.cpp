// Compiled as the arithmetic is, this must fail: it sees nothing of the model.
#include "core/rworksheet.h"
