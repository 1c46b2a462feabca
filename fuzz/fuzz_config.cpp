// Reads arbitrary bytes as a configuration file. A rejected file leaves the
// initial values; an accepted one writes and reads back unchanged.

#include "fuzzsupport.h"

#include "core/rconfig.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InstallQuietSink();
    QByteArray input = Bytes(data, size);
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    RConfig config;
    config.FileName = QStringLiteral("fuzz.cfg");
    if (!config.ReadFrom(buffer)) {
        const RConfig initial;
        if (config.Precision != initial.Precision || !config.RecentFiles.isEmpty() ||
            config.DefaultUnits != initial.DefaultUnits || config.Width != initial.Width)
            std::abort();
        return 0;
    }
    QByteArray first;
    QBuffer out(&first);
    out.open(QIODevice::WriteOnly);
    if (!config.WriteTo(out))
        return 0;
    QBuffer in(&first);
    in.open(QIODevice::ReadOnly);
    RConfig reread;
    if (!reread.ReadFrom(in) || reread.RecentFiles != config.RecentFiles ||
        reread.LastFolder != config.LastFolder || reread.Height != config.Height)
        std::abort();
    return 0;
}
