#include "core/filenames.h"

namespace {

int LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

} // namespace

QString ExtractFileName(const QString& path) { return path.mid(LastSeparator(path) + 1); }

QString ExtractBaseName(const QString& path) {
    const QString name = ExtractFileName(path);
    const int dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString ExtractFilePath(const QString& path) { return path.left(LastSeparator(path) + 1); }
