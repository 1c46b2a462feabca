#include "core/worksheetextras.h"

#include "core/binaryio.h"
#include "core/messages.h"
#include "core/rworksheet.h"

#include <QPair>
#include <QSet>

#include <vector>

namespace {

const char* const BlockMagic = "%KVX";
const char* const BlockEndMagic = "%KXE";
constexpr int MagicBytes = 4;

// Reads the entries of a block after its magic into one RExtras per
// calculation; false when anything about it is wrong.
bool ReadEntries(BinaryReader& reader, int calculationCount, std::vector<RExtras>& extras) {
    if (reader.ReadInt32() != ExtrasBlockVersion || reader.HasError())
        return false;
    const qint32 count = reader.ReadInt32();
    if (reader.HasError() || count < 0 ||
        count > (reader.Remaining() - MagicBytes) / MinExtrasEntryBytes)
        return false;
    QSet<QPair<qint32, QString>> seen;
    for (qint32 i = 0; i < count; ++i) {
        const qint32 position = reader.ReadInt32();
        const QString key = reader.ReadText();
        const QString value = reader.ReadText();
        if (reader.HasError() || position < 0 || position >= calculationCount ||
            !RExtras::IsValidKey(key) || value.isEmpty() || seen.contains({position, key}))
            return false;
        seen.insert({position, key});
        // A value that is not UTF-8 may grow past what a file holds when
        // decoded; it is damage, and Set refuses it.
        if (!extras[size_t(position)].Set(key, value))
            return false;
    }
    return reader.CheckMagic(BlockEndMagic) && !reader.HasError();
}

} // namespace

QString ExtrasDroppedMessage() {
    return QStringLiteral("Warning: The worksheet's extra settings could not be read and were "
                          "dropped.");
}

void WriteExtrasBlock(BinaryWriter& writer, const RWorksheet& worksheet) {
    qint32 count = 0;
    for (int i = 0; i < worksheet.Count(); ++i)
        count += worksheet.At(i)->Extras().Count();
    if (count == 0)
        return;
    writer.WriteMagic(BlockMagic);
    writer.WriteInt32(ExtrasBlockVersion);
    writer.WriteInt32(count);
    for (int i = 0; i < worksheet.Count(); ++i) {
        const RExtras& extras = worksheet.At(i)->Extras();
        for (int k = 0; k < extras.Count(); ++k) {
            writer.WriteInt32(i);
            writer.WriteText(extras.KeyAt(k));
            writer.WriteText(extras.ValueAt(k));
        }
    }
    writer.WriteMagic(BlockEndMagic);
}

ExtrasOutcome ReadExtrasBlock(BinaryReader& reader, RWorksheet& worksheet) {
    // Fewer bytes than a magic, or other bytes, are no block of ours.
    if (reader.Remaining() < MagicBytes || !reader.CheckMagic(BlockMagic) || reader.HasError())
        return ExtrasOutcome::None;
    std::vector<RExtras> extras(size_t(worksheet.Count()));
    if (!ReadEntries(reader, worksheet.Count(), extras)) {
        ShowWarning(ExtrasDroppedMessage());
        return ExtrasOutcome::Dropped;
    }
    for (int i = 0; i < worksheet.Count(); ++i)
        worksheet.At(i)->Extras() = extras[size_t(i)];
    return ExtrasOutcome::Read;
}
