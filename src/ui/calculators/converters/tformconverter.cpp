#include "ui/calculators/converters/tformconverter.h"

#include "core/calctypes.h"
#include "core/units.h"
#include "ui/calculators/converters/rsuperscript.h"

#include <QRadioButton>

namespace {

// The unit tables write a square or cubic unit with its power as a trailing
// superscript character ("in²"); the form shows the power as a picture.
struct PoweredCaption {
    QString symbol; // "in"
    int power = 1;
};

PoweredCaption SplitPower(const QString& caption) {
    if (caption.endsWith(QChar(0x00B2)))
        return {caption.chopped(1), 2};
    if (caption.endsWith(QChar(0x00B3)))
        return {caption.chopped(1), 3};
    return {caption, 1};
}

// The names of a side's controls: the stem of its box and edit ("UsLen":
// EditUsLen in BoxUsLen, captioned by LabelUsLen) and its unit radios.
struct Side {
    QString stem;
    QStringList radios; // in unit order
};

Side SideOf(int unitKind) {
    auto radios = [](const QString& prefix, const QStringList& units) {
        QStringList names;
        for (const QString& unit : units)
            names << QStringLiteral("Radio") + prefix + unit;
        return names;
    };
    const QString us = QStringLiteral("Us");
    const QString met = QStringLiteral("Met");
    switch (UnitKind(unitKind)) {
    case UnitKind::UsLength:
        return {QStringLiteral("UsLen"), radios(us, {"In", "Ft", "Yd", "Mile"})};
    case UnitKind::MetricLength:
        return {QStringLiteral("MetLen"), radios(met, {"Mm", "Cm", "M", "Km"})};
    case UnitKind::UsArea:
        return {QStringLiteral("UsArea"), radios(us, {"In2", "Ft2", "Yd2", "Acre", "Mi2"})};
    case UnitKind::MetricArea:
        return {QStringLiteral("MetArea"), radios(met, {"Mm2", "Cm2", "M2", "Hectare", "Km2"})};
    case UnitKind::UsVolume:
        return {QStringLiteral("UsVol"), radios(us, {"In3", "Ft3", "Yd3"})};
    case UnitKind::MetricVolume:
        return {QStringLiteral("MetVol"), radios(met, {"Mm3", "Cm3", "M3"})};
    case UnitKind::UsFluid:
        return {QStringLiteral("UsVol"), radios(us, {"Oz", "Quart", "Gallon"})};
    case UnitKind::MetricFluid:
        return {QStringLiteral("MetVol"), radios(met, {"Ml", "L"})};
    case UnitKind::UsWeight:
        return {QStringLiteral("UsWeight"), radios(us, {"Oz", "Lb", "Ton"})};
    case UnitKind::MetricWeight:
        return {QStringLiteral("MetWeight"), radios(met, {"G", "Kg", "Tonne"})};
    default:
        return {};
    }
}

} // namespace

TFormConverter::TFormConverter(AppContext& context, int type, QObject* parent)
    : TFormTwoWay(context, type, parent) {
    AddBoxes(SideBox(0), SideBox(1));
}

TFormProblem::BoxSpec TFormConverter::SideBox(int field) const {
    const Side side = SideOf(TypeInfo()->fields[size_t(field)].unitKind);
    BoxSpec box = TypeBox(field, side.stem, {}, QString(), true);
    box.radioNames = side.radios;
    const int kind = box.unitKind;
    box.besideRadio = [kind](int unit, QRadioButton* radio) -> QWidget* {
        const PoweredCaption caption = SplitPower(UnitCaption(kind, unit));
        if (caption.power == 1)
            return nullptr;
        radio->setText(caption.symbol);
        radio->setAccessibleName(
            (caption.power == 2 ? QStringLiteral("square ") : QStringLiteral("cubic ")) +
            caption.symbol);
        auto* picture = new RSuperscript(caption.power, radio, radio->parentWidget());
        picture->setObjectName(QStringLiteral("Image") + radio->objectName().mid(5));
        return picture;
    };
    return box;
}
