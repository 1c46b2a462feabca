#include "ui/calculators/rf/tformfrequencylength.h"

#include "core/calctypes.h"

TFormFrequencyLength::TFormFrequencyLength(AppContext& context, int type, QObject* parent)
    : TFormTwoWay(context, type, parent) {
    BoxSpec frequency = TypeBox(0, QStringLiteral("Freq"), {}, QString(), true);
    frequency.radioNames = QStringList{QStringLiteral("RadioHz"), QStringLiteral("RadioKHz"),
                                       QStringLiteral("RadioMHz")};
    const QString lengthStem = FieldMessageName(*TypeInfo(), 1).section(u' ', 0, 0);
    BoxSpec length = TypeBox(1, lengthStem, {}, QString(), true);
    length.radioNames = QStringList{QStringLiteral("RadioFt"), QStringLiteral("RadioMeters")};
    AddBoxes(frequency, length);
}
