#include "core/standardseriessetting.h"

#include <QSettings>

namespace {

const QString Key = QStringLiteral("Preferences/StandardValues");

// Named in full, so that the command line, which runs without the window's
// application names, reads the same file.
QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillmarsh"),
                     QStringLiteral("Kelvo"));
}

} // namespace

ESeries ReadStandardSeries() {
    ESeries series = DefaultESeries;
    if (!ESeriesFromName(UserSettings().value(Key).toString(), series))
        return DefaultESeries;
    return series;
}

void StoreStandardSeries(ESeries series) {
    UserSettings().setValue(Key, ESeriesName(series));
}
