#pragma once

#include <QString>

#include <utility>
#include <vector>

// Settings of a calculation that the worksheet's documented record has no
// place for (a network's design frequency, a loaded Q): an ordered list of
// key → value texts. They live on the calculation, so they follow it through
// insertion, removal, renaming and reordering, and they are stored in the
// worksheet's extension block after its end magic (see worksheetextras.h).
//
// Keys are short ASCII names; values are texts like the fields' texts, kept
// exactly as given and at most MaxTextBytes bytes in UTF-8. Keys this version
// of the program does not use are kept and written back unchanged.
class RExtras final {
public:
    static constexpr int MaxKeyBytes = 32;

    // 1 to MaxKeyBytes ASCII letters, digits, '_', '.' or '-'.
    static bool IsValidKey(const QString& key);

    bool IsEmpty() const { return entries_.empty(); }
    int Count() const { return int(entries_.size()); }
    const QString& KeyAt(int index) const { return entries_.at(size_t(index)).first; }
    const QString& ValueAt(int index) const { return entries_.at(size_t(index)).second; }

    bool Has(const QString& key) const;
    // The value of the key; empty when there is none.
    QString Value(const QString& key) const;
    // Replaces the value of a key in its place, or appends the key. An empty
    // value removes the key. An invalid key or a value longer than the file
    // holds is refused: nothing changes and the result is false.
    bool Set(const QString& key, const QString& value);
    void Remove(const QString& key);
    void Clear() { entries_.clear(); }

    friend bool operator==(const RExtras& a, const RExtras& b) { return a.entries_ == b.entries_; }
    friend bool operator!=(const RExtras& a, const RExtras& b) { return !(a == b); }

private:
    std::vector<std::pair<QString, QString>> entries_;
};

// The keys the program itself sets.
namespace ExtraKeys {
// A network's design frequency as typed in its box, and the index of the
// box's frequency unit (Hz 0, KHz 1, MHz 2) as decimal digits.
inline const QString DesignFrequency = QStringLiteral("DesignFrequency");
inline const QString DesignFrequencyUnit = QStringLiteral("DesignFrequencyUnit");
// The loaded Q of a Pi or T network design, as typed.
inline const QString Q = QStringLiteral("Q");
} // namespace ExtraKeys
