#pragma once

#include "core/rcalculation.h"

#include <QString>

#include <memory>
#include <vector>

class CalculatorCatalog;
class QIODevice;

// Everything the user works on at one time: an ordered list of named
// calculations, the file they belong to, the calculation that was current
// and whether there are unsaved changes.
class RWorksheet final {
public:
    QString FileName;
    int CurrentIndex = -1;
    bool Modified = false;

    int Count() const { return int(calculations_.size()); }
    RCalculation* At(int index) const { return calculations_.at(size_t(index)).get(); }

    // Destroys every calculation; CurrentIndex becomes -1.
    void Clear();
    // One calculation of each type, named after its type word with "1", all current.
    void CreateDefault(const CalculatorCatalog& catalog);
    // Reads FileName; on failure the reader has shown its message and the
    // calculations held before are left as they were.
    bool Read(const CalculatorCatalog& catalog);
    // Writes FileName, replacing it only once the new file is complete (in
    // place where the folder allows no new file); on failure the writer has
    // shown its message. Modified is left alone.
    bool Write() const;

    // The same on any device; messages name FileName. The calculations'
    // extras follow "%KVE" in the extension block of worksheetextras.h.
    bool ReadFrom(QIODevice& device, const CalculatorCatalog& catalog);
    bool WriteTo(QIODevice& device) const;

    // What a file may hold. A worksheet of 20,000 calculations, far more than
    // anyone builds by hand, reads well within both; reading a file that
    // claims more ends at once, and no file can make the reader hold more.
    static constexpr int MaxCalculations = 50000;
    static constexpr qint64 MaxHeldBytes = qint64(64) << 20;

    // Lookups compare names exactly and return the first match, or -1.
    int FindByName(const QString& name) const;
    int FindByTypeAndName(int type, const QString& name) const;
    int FindSelected(int type) const;
    int CountOfType(int type) const;
    int IndexOf(const RCalculation* calculation) const;
    // The stem followed by the smallest number from 1 up that no calculation has as its name.
    QString ProposeName(const QString& stem) const;

    // The worksheet owns what is inserted; Remove hands ownership back.
    void Insert(int position, std::unique_ptr<RCalculation> calculation);
    std::unique_ptr<RCalculation> Remove(int position);

    // What the user does to the calculations of a type. Of the calculations
    // of one type exactly one is current: the one shown when the type is
    // chosen.
    // Adds a calculation directly after `current`, whose type it has, and
    // makes it the current one of the type in its place. Marks the change.
    RCalculation* AddAfter(RCalculation* current, std::unique_ptr<RCalculation> calculation);
    // Destroys the calculation. Its neighbour of the same type takes its
    // place as the current one and becomes CurrentIndex: the one before it,
    // else the one now standing in its place, else (in a worksheet read from
    // a file that does not keep a type together) the first of the type;
    // nullptr when none is left. Marks the change.
    RCalculation* RemoveAndSelectNeighbour(RCalculation* calculation);
    // Makes the calculation the current one of its type and CurrentIndex.
    void Select(RCalculation* calculation);
    // Exactly one current calculation per type: the first flagged one, else
    // the first of the type. Returns whether any flag changed.
    bool KeepOneCurrentPerType();

private:
    void AppendDefault(const CalculatorCatalog& catalog, int type);

    std::vector<std::unique_ptr<RCalculation>> calculations_;
};
