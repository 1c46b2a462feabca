// Found ahead of Qt's own header while src/core is compiled. Every header of
// Qt Widgets, and of every module built on it, includes this one first.
#error "src/core links Qt Core only: a Qt GUI or widget header is included here"
