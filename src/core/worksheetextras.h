#pragma once

#include <QString>

class BinaryReader;
class BinaryWriter;
class RWorksheet;

// The worksheet's extension block: the calculations' extras (RExtras),
// written after the worksheet's end magic "%KVE", where readers of the
// documented format stop. A worksheet whose calculations have no extras gets
// no block, so it is written byte for byte as documented; a file cut at
// "%KVE" is a complete worksheet without extras.
//
// Layout (the primitives of binaryio.h: little-endian int32, texts as an
// int32 length and that many UTF-8 bytes):
//   "%KVX"                 magic
//   int32  version         ExtrasBlockVersion
//   int32  count           number of entries
//   count × entry:
//     int32  position      index of the calculation in the worksheet's list
//     text   key           RExtras::IsValidKey
//     text   value         1 to MaxTextBytes bytes
//   "%KXE"                 end marker
// Entries come in list order of the calculations, each calculation's in the
// order of its extras; a key appears at most once per calculation.

constexpr int ExtrasBlockVersion = 1;

// Writes the block when any calculation has extras; nothing otherwise.
void WriteExtrasBlock(BinaryWriter& writer, const RWorksheet& worksheet);

enum class ExtrasOutcome {
    None,   // nothing after "%KVE", or bytes that are not this block: ignored
    Read,   // the block was read; its extras are on their calculations
    Dropped // the block was damaged, truncated or of another version
};

// Reads what follows "%KVE" into the calculations read so far (positions
// 0 to Count() - 1, before short worksheets are padded). A block that is not
// whole and sound is dropped entirely, never in part: no calculation gets an
// extra from it, and the status bar says so (ExtrasDroppedMessage). The
// calculations themselves are never touched otherwise.
//
// Nothing is allocated beyond what the file holds: the count must fit in the
// bytes that are left (MinExtrasEntryBytes an entry), and entries are kept
// only as they are read.
ExtrasOutcome ReadExtrasBlock(BinaryReader& reader, RWorksheet& worksheet);

// The smallest entry: position, a one-byte key and a one-byte value.
constexpr int MinExtrasEntryBytes = 14;

// The one status bar line shown when a block is dropped.
QString ExtrasDroppedMessage();
