#include "ui/calculators/converters/tformconverter.h"

#include "core/rcalculation.h"
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

} // namespace

TFormConverter::TFormConverter(AppContext& context, const Family& family, QObject* parent)
    : TFormTwoWay(context, family.type, parent), converter_(family.converter) {
    AddBoxes(SideBox(0, family.us), SideBox(1, family.metric));
}

TFormProblem::BoxSpec TFormConverter::SideBox(int field, const Side& side) const {
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

void TFormConverter::Convert(int from) {
    if (!ValidateFields({from}, false))
        return;
    const double value = Calculation()->Field(from).GetReal();
    Finish(1 - from, from == 0 ? UsToMetric(converter_, value) : MetricToUs(converter_, value));
}

namespace {

TFormConverter::Family Lengths() {
    return {11,
            Converter::Length,
            {QStringLiteral("UsLen"),
             {QStringLiteral("RadioUsIn"), QStringLiteral("RadioUsFt"), QStringLiteral("RadioUsYd"),
              QStringLiteral("RadioUsMile")}},
            {QStringLiteral("MetLen"),
             {QStringLiteral("RadioMetMm"), QStringLiteral("RadioMetCm"),
              QStringLiteral("RadioMetM"), QStringLiteral("RadioMetKm")}}};
}

TFormConverter::Family Areas() {
    return {
        12,
        Converter::Area,
        {QStringLiteral("UsArea"),
         {QStringLiteral("RadioUsIn2"), QStringLiteral("RadioUsFt2"), QStringLiteral("RadioUsYd2"),
          QStringLiteral("RadioUsAcre"), QStringLiteral("RadioUsMi2")}},
        {QStringLiteral("MetArea"),
         {QStringLiteral("RadioMetMm2"), QStringLiteral("RadioMetCm2"),
          QStringLiteral("RadioMetM2"), QStringLiteral("RadioMetHectare"),
          QStringLiteral("RadioMetKm2")}}};
}

TFormConverter::Family DryVolumes() {
    return {13,
            Converter::DryVolume,
            {QStringLiteral("UsVol"),
             {QStringLiteral("RadioUsIn3"), QStringLiteral("RadioUsFt3"),
              QStringLiteral("RadioUsYd3")}},
            {QStringLiteral("MetVol"),
             {QStringLiteral("RadioMetMm3"), QStringLiteral("RadioMetCm3"),
              QStringLiteral("RadioMetM3")}}};
}

TFormConverter::Family FluidVolumes() {
    return {
        14,
        Converter::FluidVolume,
        {QStringLiteral("UsVol"),
         {QStringLiteral("RadioUsOz"), QStringLiteral("RadioUsQuart"),
          QStringLiteral("RadioUsGallon")}},
        {QStringLiteral("MetVol"), {QStringLiteral("RadioMetMl"), QStringLiteral("RadioMetL")}}};
}

TFormConverter::Family Weights() {
    return {
        15,
        Converter::Weight,
        {QStringLiteral("UsWeight"),
         {QStringLiteral("RadioUsOz"), QStringLiteral("RadioUsLb"), QStringLiteral("RadioUsTon")}},
        {QStringLiteral("MetWeight"),
         {QStringLiteral("RadioMetG"), QStringLiteral("RadioMetKg"),
          QStringLiteral("RadioMetTonne")}}};
}

} // namespace

TFormConvLength::TFormConvLength(AppContext& context, QObject* parent)
    : TFormConverter(context, Lengths(), parent) {}

TFormConvArea::TFormConvArea(AppContext& context, QObject* parent)
    : TFormConverter(context, Areas(), parent) {}

TFormConvVolDry::TFormConvVolDry(AppContext& context, QObject* parent)
    : TFormConverter(context, DryVolumes(), parent) {}

TFormConvVolFluid::TFormConvVolFluid(AppContext& context, QObject* parent)
    : TFormConverter(context, FluidVolumes(), parent) {}

TFormConvWeight::TFormConvWeight(AppContext& context, QObject* parent)
    : TFormConverter(context, Weights(), parent) {}
