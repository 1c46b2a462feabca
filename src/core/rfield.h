#pragma once

#include "core/calc/complexvalue.h"

#include <QString>

#include <vector>

class BinaryReader;
class BinaryWriter;

// One quantity of a calculation, kept as the texts the user typed (or a
// calculation stored) together with the chosen unit. Numbers are derived from
// the texts whenever they are needed.
class RField final {
public:
    QString text;     // real part
    QString imagText; // imaginary part; empty for quantities without one
    int unitIndex = 0;
    int unitKind = 0;
    std::vector<RField> solutions; // alternative results, owned

    // The unit the stored index stands for: the index, or the kind's first
    // unit when the kind does not list it. The stored index itself is kept.
    int Unit() const;

    // Checks the texts; on failure shows one status bar warning naming the
    // quantity and returns false.
    bool Validate(const QString& name, bool allowNegative) const;

    // Display texts at the given number of significant digits; a text that is
    // empty or not a number is returned as it stands.
    QString FormatReal(int precision) const;
    QString FormatImag(int precision) const;

    // Values in the base unit of the kind.
    double GetReal() const;
    double GetImag() const;
    Complex GetComplex() const { return Complex(GetReal(), GetImag()); }

    // Store a value given in base units, written with 15 significant digits in
    // the chosen unit; a unit index other than -1 chooses that unit first.
    void SetReal(double value, int newUnitIndex = -1);
    void SetComplex(double real, double imag, int newUnitIndex = -1);
    void SetTexts(const QString& real, const QString& imag);

    // A result in base units, stored as SetComplex does in the unit chosen
    // (-1 keeps the field's). A value that is no finite number, or one that
    // overflows in that unit (1e300 F written in pF), is refused: false, and
    // the field is left as it was.
    bool StoreResult(const Complex& value, int newUnitIndex = -1);
    // The same quantity in another unit: a text that is a number is written
    // anew in that unit, one that is empty or no number stays as it is. A
    // quantity the unit cannot hold keeps its unit. Returns whether the field
    // changed; the unit it already has changes nothing.
    bool ChangeUnit(int newUnitIndex);

    // Field records nest through their solutions; depth counts the nesting so
    // that a damaged file cannot recurse without bound.
    void Read(BinaryReader& reader, int depth = 0);
    void Write(BinaryWriter& writer) const;

    // How deep solutions may nest in a file. The program itself uses one level.
    static constexpr int MaxSolutionDepth = 16;
    // The most solutions a field may have in a file; the program gives two.
    static constexpr int MaxSolutions = 4;
    // The smallest field record: two empty texts and three integers.
    static constexpr int MinRecordBytes = 20;
};

// A stored value text: general format with 15 significant digits.
QString StoredNumberText(double value);
