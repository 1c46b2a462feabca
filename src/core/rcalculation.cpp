#include "core/rcalculation.h"

#include "core/binaryio.h"
#include "core/units.h"

RField RCalculation::ExtraAsField(const QString& key) const {
    RField field;
    field.text = extras_.Value(key);
    field.unitKind = KindNumber(UnitKind::Dimensionless);
    return field;
}

void RCalculation::Read(BinaryReader& reader) {
    type_ = reader.ReadInt32();
    name_ = reader.ReadText();
    currentByte_ = reader.ReadByte();
    configuration_ = reader.ReadInt32();
    unknown_ = reader.ReadInt32();
    reserved_ = reader.ReadInt32();
    const qint32 count = reader.ReadInt32();
    fields_.clear();
    if (reader.HasError())
        return;
    if (count < 0 || count > MaxFields || count > reader.Remaining() / RField::MinRecordBytes) {
        reader.SetError();
        return;
    }
    // Grown as fields are read, never sized from the count alone.
    for (qint32 i = 0; i < count && reader.Hold(sizeof(RField)); ++i) {
        fields_.emplace_back();
        fields_.back().Read(reader);
    }
    solution_ = reader.ReadInt32();
}

void RCalculation::Write(BinaryWriter& writer) const {
    writer.WriteInt32(type_);
    writer.WriteText(name_);
    writer.WriteByte(currentByte_);
    writer.WriteInt32(configuration_);
    writer.WriteInt32(unknown_);
    writer.WriteInt32(reserved_);
    writer.WriteInt32(qint32(fields_.size()));
    for (const RField& field : fields_)
        field.Write(writer);
    writer.WriteInt32(solution_);
}

bool RCalculation::StoreSolutions(const std::vector<int>& fields,
                                  const std::vector<std::vector<Complex>>& solutions) {
    if (solutions.empty())
        return false;
    // Written into copies first, so that a refused answer changes nothing.
    std::vector<RField> written;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] < 0 || fields[i] >= FieldCount())
            return false;
        RField field = Field(fields[i]);
        if (field.solutions.size() < solutions.size())
            field.solutions.resize(solutions.size());
        for (size_t s = 0; s < solutions.size(); ++s) {
            if (!field.solutions[s].StoreResult(solutions[s].at(i)))
                return false;
        }
        if (!field.StoreResult(solutions.front().at(i)))
            return false;
        written.push_back(std::move(field));
    }
    for (size_t i = 0; i < fields.size(); ++i)
        Field(fields[i]) = std::move(written[i]);
    SetSolution(0);
    return true;
}
