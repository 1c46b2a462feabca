// Reads arbitrary bytes as a worksheet file. Whatever reads successfully must
// write, read back and write again to the same bytes, and the extension block
// of the calculations' extras may only follow the documented bytes.

#include "fuzzsupport.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <cstdlib>

namespace {

bool WriteInto(const RWorksheet& worksheet, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return worksheet.WriteTo(buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InstallQuietSink();
    static const RConfig config;
    static const TypeCatalog catalog(config);

    QByteArray input = Bytes(data, size);
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    RWorksheet worksheet;
    worksheet.FileName = QStringLiteral("fuzz.kvw");
    if (!worksheet.ReadFrom(buffer, catalog))
        return 0;

    // Texts that were not UTF-8 may grow beyond what a file holds; the
    // writer then refuses them, which is the intended outcome.
    QByteArray first;
    if (!WriteInto(worksheet, first))
        return 0;
    QBuffer again(&first);
    again.open(QIODevice::ReadOnly);
    RWorksheet reread;
    if (!reread.ReadFrom(again, catalog))
        std::abort();
    QByteArray second;
    if (!WriteInto(reread, second) || second != first)
        std::abort();

    for (int i = 0; i < reread.Count(); ++i)
        reread.At(i)->Extras().Clear();
    QByteArray documented;
    if (!WriteInto(reread, documented) || !first.startsWith(documented) ||
        !documented.endsWith("%KVE"))
        std::abort();
    return 0;
}
