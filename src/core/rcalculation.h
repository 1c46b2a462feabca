#pragma once

#include "core/rextras.h"
#include "core/rfield.h"

#include <QString>

#include <vector>

class BinaryReader;
class BinaryWriter;

// One named calculation of the worksheet: its type, the choices made on its
// calculator (configuration, unknown, selected solution) and its quantities.
class RCalculation final {
public:
    int Type() const { return type_; }
    void SetType(int type) { type_ = type; }
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    // Set on the calculation of its type that is shown when the type is chosen.
    bool Current() const { return currentByte_ != 0; }
    void SetCurrent(bool current) { currentByte_ = current ? 1 : 0; }
    int Configuration() const { return configuration_; }
    void SetConfiguration(int configuration) { configuration_ = configuration; }
    int Unknown() const { return unknown_; }
    void SetUnknown(int unknown) { unknown_ = unknown; }
    // Spare; carried unchanged from file to file.
    int Reserved() const { return reserved_; }
    int Solution() const { return solution_; }
    void SetSolution(int solution) { solution_ = solution; }

    int FieldCount() const { return int(fields_.size()); }
    RField& Field(int index) { return fields_.at(size_t(index)); }
    const RField& Field(int index) const { return fields_.at(size_t(index)); }
    std::vector<RField>& Fields() { return fields_; }
    const std::vector<RField>& Fields() const { return fields_; }
    void ClearFields() { fields_.clear(); }

    // Stores the alternative answers of the fields given (by solution, a
    // value per field, in base units): each field's solution sub-fields take
    // them in order, each in its own unit, the field itself Solution 1 in
    // its unit, and Solution 1 is selected. When any value is no finite
    // number in the unit it would be written in, nothing is stored: false.
    bool StoreSolutions(const std::vector<int>& fields,
                        const std::vector<std::vector<Complex>>& solutions);

    // Settings beyond the calculation record, stored in the worksheet's
    // extension block; Read and Write leave them alone.
    RExtras& Extras() { return extras_; }
    const RExtras& Extras() const { return extras_; }
    // A setting among the extras read as a quantity: its text as typed in a
    // field without unit, so that it is checked and shown as a field is.
    RField ExtraAsField(const QString& key) const;

    void Read(BinaryReader& reader);
    void Write(BinaryWriter& writer) const;

    // The smallest calculation record: type, empty name, flag, four integers
    // and the solution.
    static constexpr int MinRecordBytes = 29;
    // The most fields a calculation may have in a file; every type has at most six.
    static constexpr int MaxFields = 16;

private:
    qint32 type_ = 0;
    QString name_;
    quint8 currentByte_ = 0; // any non-zero byte read from a file counts as set
    qint32 configuration_ = 0;
    qint32 unknown_ = 0;
    qint32 reserved_ = 0;
    std::vector<RField> fields_;
    qint32 solution_ = -1;
    RExtras extras_;
};
