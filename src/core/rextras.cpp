#include "core/rextras.h"

#include "core/binaryio.h"

#include <algorithm>

namespace {

bool IsKeyCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'.' || c == u'-';
}

} // namespace

bool RExtras::IsValidKey(const QString& key) {
    return !key.isEmpty() && key.size() <= MaxKeyBytes &&
           std::all_of(key.begin(), key.end(), IsKeyCharacter);
}

bool RExtras::Has(const QString& key) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const auto& entry) { return entry.first == key; });
}

QString RExtras::Value(const QString& key) const {
    for (const auto& entry : entries_) {
        if (entry.first == key)
            return entry.second;
    }
    return QString();
}

bool RExtras::Set(const QString& key, const QString& value) {
    if (!IsValidKey(key) || value.toUtf8().size() > MaxTextBytes)
        return false;
    if (value.isEmpty()) {
        Remove(key);
        return true;
    }
    for (auto& entry : entries_) {
        if (entry.first == key) {
            entry.second = value;
            return true;
        }
    }
    entries_.emplace_back(key, value);
    return true;
}

void RExtras::Remove(const QString& key) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const auto& entry) { return entry.first == key; }),
                   entries_.end());
}
