#include "core/rworksheet.h"

#include "core/binaryio.h"
#include "core/calctypes.h"
#include "core/filereading.h"
#include "core/filewriting.h"
#include "core/messages.h"
#include "core/worksheetextras.h"

#include <QFile>

#include <algorithm>

namespace {

const char* const WorksheetMagic = "%KVW";
const char* const EndMagic = "%KVE";

void ShowNotAWorksheet(const QString& fileName) {
    ShowError(QStringLiteral("The file '") + fileName +
              QStringLiteral("' did not contain a valid worksheet."));
}

} // namespace

void RWorksheet::Clear() {
    calculations_.clear();
    CurrentIndex = -1;
}

void RWorksheet::AppendDefault(const CalculatorCatalog& catalog, int type) {
    auto calculation = std::make_unique<RCalculation>();
    calculation->SetName(catalog.GetTypeName(type) + QStringLiteral("1"));
    catalog.InitCalculation(type, *calculation);
    calculation->SetCurrent(true);
    calculations_.push_back(std::move(calculation));
}

void RWorksheet::CreateDefault(const CalculatorCatalog& catalog) {
    Clear();
    for (int type = 1; type <= CalcTypeCount; ++type)
        AppendDefault(catalog, type);
}

bool RWorksheet::Read(const CalculatorCatalog& catalog) {
    QFile file(FileName);
    switch (OpenRegularFile(file)) {
    case OpenOutcome::Opened:
        break;
    case OpenOutcome::Unreadable:
        ShowError(QStringLiteral("Could not read the file '") + FileName + QStringLiteral("'."));
        return false;
    case OpenOutcome::NotAFile:
        ShowNotAWorksheet(FileName);
        return false;
    }
    // Read straight from the file: a foreign file is refused after its first
    // four bytes, and nothing is held that the file does not really have.
    return ReadFrom(file, catalog);
}

bool RWorksheet::ReadFrom(QIODevice& device, const CalculatorCatalog& catalog) {
    BinaryReader reader(device);
    if (!reader.CheckMagic(WorksheetMagic)) {
        ShowNotAWorksheet(FileName);
        return false;
    }
    reader.SetAllowance(MaxHeldBytes);
    const qint32 currentIndex = reader.ReadInt32();
    const qint32 count = reader.ReadInt32();
    if (count < 0 || count > MaxCalculations ||
        count > reader.Remaining() / RCalculation::MinRecordBytes)
        reader.SetError();
    // Read beside the calculations held now, which a damaged file leaves alone;
    // the list grows as records are read, never sized from the count alone.
    std::vector<std::unique_ptr<RCalculation>> read;
    // Each calculation is held on the heap and by a pointer in the list.
    for (qint32 i = 0; i < count && reader.Hold(sizeof(RCalculation) + 32); ++i) {
        read.push_back(std::make_unique<RCalculation>());
        read.back()->Read(reader);
    }
    if (!reader.CheckMagic(EndMagic) || reader.HasError()) {
        ShowError(QStringLiteral("Error reading the file '") + FileName + QStringLiteral("'."));
        return false;
    }
    calculations_ = std::move(read);
    CurrentIndex = currentIndex;
    ReadExtrasBlock(reader, *this);
    // Short worksheets gain one calculation per missing position, of the
    // type that position has in the default worksheet.
    while (Count() < CalcTypeCount)
        AppendDefault(catalog, Count() + 1);
    return true;
}

bool RWorksheet::WriteTo(QIODevice& device) const {
    // More than a reader takes would be a file that cannot be opened again.
    if (Count() > MaxCalculations)
        return false;
    BinaryWriter writer(device);
    writer.WriteMagic(WorksheetMagic);
    writer.WriteInt32(CurrentIndex);
    writer.WriteInt32(qint32(calculations_.size()));
    for (const auto& calculation : calculations_)
        calculation->Write(writer);
    writer.WriteMagic(EndMagic);
    WriteExtrasBlock(writer, *this);
    return !writer.HasError();
}

bool RWorksheet::Write() const {
    return WriteFileOrSay(FileName, [this](QIODevice& device) { return WriteTo(device); },
                          QStringLiteral(" The disk could be full."));
}

int RWorksheet::FindByName(const QString& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (calculations_[size_t(i)]->Name() == name)
            return i;
    }
    return -1;
}

int RWorksheet::FindByTypeAndName(int type, const QString& name) const {
    for (int i = 0; i < Count(); ++i) {
        const RCalculation& calculation = *calculations_[size_t(i)];
        if (calculation.Type() == type && calculation.Name() == name)
            return i;
    }
    return -1;
}

int RWorksheet::FindSelected(int type) const {
    for (int i = 0; i < Count(); ++i) {
        const RCalculation& calculation = *calculations_[size_t(i)];
        if (calculation.Type() == type && calculation.Current())
            return i;
    }
    return -1;
}

int RWorksheet::CountOfType(int type) const {
    int count = 0;
    for (const auto& calculation : calculations_)
        count += calculation->Type() == type ? 1 : 0;
    return count;
}

int RWorksheet::IndexOf(const RCalculation* calculation) const {
    for (int i = 0; i < Count(); ++i) {
        if (calculations_[size_t(i)].get() == calculation)
            return i;
    }
    return -1;
}

QString RWorksheet::ProposeName(const QString& stem) const {
    for (int n = 1;; ++n) {
        const QString name = stem + QString::number(n);
        if (FindByName(name) < 0)
            return name;
    }
}

void RWorksheet::Insert(int position, std::unique_ptr<RCalculation> calculation) {
    position = std::clamp(position, 0, Count());
    calculations_.insert(calculations_.begin() + position, std::move(calculation));
}

std::unique_ptr<RCalculation> RWorksheet::Remove(int position) {
    auto calculation = std::move(calculations_.at(size_t(position)));
    calculations_.erase(calculations_.begin() + position);
    return calculation;
}

RCalculation* RWorksheet::AddAfter(RCalculation* current,
                                   std::unique_ptr<RCalculation> calculation) {
    RCalculation* added = calculation.get();
    Insert(IndexOf(current) + 1, std::move(calculation));
    if (current)
        current->SetCurrent(false);
    added->SetCurrent(true);
    Modified = true;
    return added;
}

RCalculation* RWorksheet::RemoveAndSelectNeighbour(RCalculation* calculation) {
    const int index = IndexOf(calculation);
    if (index < 0)
        return nullptr;
    const int type = calculation->Type();
    Remove(index);
    Modified = true;
    auto ofType = [this, type](int i) {
        return i >= 0 && i < Count() && calculations_[size_t(i)]->Type() == type;
    };
    int next = ofType(index - 1) ? index - 1 : index;
    if (!ofType(next)) {
        next = 0;
        while (next < Count() && !ofType(next))
            ++next;
        if (next == Count())
            return nullptr;
    }
    RCalculation* neighbour = At(next);
    neighbour->SetCurrent(true);
    CurrentIndex = next;
    return neighbour;
}

void RWorksheet::Select(RCalculation* calculation) {
    for (const auto& other : calculations_) {
        if (other->Type() == calculation->Type() && other.get() != calculation)
            other->SetCurrent(false);
    }
    calculation->SetCurrent(true);
    CurrentIndex = IndexOf(calculation);
}

bool RWorksheet::KeepOneCurrentPerType() {
    bool changed = false;
    for (int type = 1; type <= CalcTypeCount; ++type) {
        int keep = FindSelected(type);
        for (int i = 0; i < Count(); ++i) {
            RCalculation& calculation = *At(i);
            if (calculation.Type() != type)
                continue;
            if (keep < 0)
                keep = i;
            if (calculation.Current() != (i == keep)) {
                calculation.SetCurrent(i == keep);
                changed = true;
            }
        }
    }
    return changed;
}
