// Compiled as the core is, this must fail: the core sees no widget header,
// even one spelled through Qt's include root.
#include <QtWidgets/QWidget>
