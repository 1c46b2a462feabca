#include "core/rcalculation.h"

#include "core/binaryio.h"

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
    if (count < 0 || count > reader.Remaining() / RField::MinRecordBytes) {
        reader.SetError();
        return;
    }
    fields_.resize(size_t(count));
    for (RField& field : fields_) {
        field.Read(reader);
        if (reader.HasError())
            return;
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
