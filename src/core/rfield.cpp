#include "core/rfield.h"

#include "core/binaryio.h"
#include "core/calc/numbertext.h"
#include "core/calc/solved.h"
#include "core/messages.h"
#include "core/units.h"

#include <cmath>

namespace {

constexpr int StoredDigits = 15;

QString FormatText(const QString& text, int precision) {
    if (text.isEmpty() || !IsNumber(text))
        return text;
    return FormatGeneral(ToNumber(text), precision, 2);
}

} // namespace

QString StoredNumberText(double value) { return FormatGeneral(value, StoredDigits, 0); }

bool RField::Validate(const QString& name, bool allowNegative) const {
    if (!IsNumber(text)) {
        ShowWarning(QStringLiteral("Error: Real value for ") + name +
                    QStringLiteral(" did not contain a valid number."));
        return false;
    }
    if (!IsNumber(imagText)) {
        ShowWarning(QStringLiteral("Error: Imaginary value for ") + name +
                    QStringLiteral(" did not contain a valid number."));
        return false;
    }
    if (!allowNegative && ToNumber(text) < 0.0) {
        ShowWarning(QStringLiteral("Error: Value for ") + name +
                    QStringLiteral(" cannot be negative."));
        return false;
    }
    return true;
}

int RField::Unit() const { return ListedUnit(unitKind, unitIndex); }

QString RField::FormatReal(int precision) const { return FormatText(text, precision); }

QString RField::FormatImag(int precision) const { return FormatText(imagText, precision); }

double RField::GetReal() const { return ToBaseUnits(ToNumber(text), unitIndex, unitKind); }

double RField::GetImag() const { return ToBaseUnits(ToNumber(imagText), unitIndex, unitKind); }

void RField::SetReal(double value, int newUnitIndex) {
    if (newUnitIndex != -1)
        unitIndex = newUnitIndex;
    text = StoredNumberText(FromBaseUnits(value, unitIndex, unitKind));
}

void RField::SetComplex(double real, double imag, int newUnitIndex) {
    if (newUnitIndex != -1)
        unitIndex = newUnitIndex;
    text = StoredNumberText(FromBaseUnits(real, unitIndex, unitKind));
    imagText = StoredNumberText(FromBaseUnits(imag, unitIndex, unitKind));
}

void RField::SetTexts(const QString& real, const QString& imag) {
    text = real;
    imagText = imag;
}

bool RField::StoreResult(const Complex& value, int newUnitIndex) {
    const int unit = newUnitIndex == -1 ? unitIndex : newUnitIndex;
    const Complex written(FromBaseUnits(value.re, unit, unitKind),
                          FromBaseUnits(value.im, unit, unitKind));
    if (!IsFinite(value) || !IsFinite(written))
        return false;
    SetComplex(value.re, value.im, newUnitIndex);
    return true;
}

bool RField::ChangeUnit(int newUnitIndex) {
    if (newUnitIndex == Unit())
        return false;
    auto converted = [this, newUnitIndex](const QString& from, double value, QString& to) {
        if (from.isEmpty() || !IsNumber(from))
            return true;
        const double inUnit = FromBaseUnits(value, newUnitIndex, unitKind);
        to = StoredNumberText(inUnit);
        return std::isfinite(inUnit);
    };
    QString real = text;
    QString imag = imagText;
    if (!converted(text, GetReal(), real) || !converted(imagText, GetImag(), imag))
        return false;
    SetTexts(real, imag);
    unitIndex = newUnitIndex;
    return true;
}

void RField::Read(BinaryReader& reader, int depth) {
    text = reader.ReadText();
    imagText = reader.ReadText();
    unitIndex = reader.ReadInt32();
    unitKind = reader.ReadInt32();
    const qint32 count = reader.ReadInt32();
    solutions.clear();
    if (reader.HasError())
        return;
    if (count < 0 || count > MaxSolutions || count > reader.Remaining() / MinRecordBytes ||
        (count > 0 && depth >= MaxSolutionDepth)) {
        reader.SetError();
        return;
    }
    // Grown as solutions are read, never sized from the count alone.
    for (qint32 i = 0; i < count && reader.Hold(sizeof(RField)); ++i) {
        solutions.emplace_back();
        solutions.back().Read(reader, depth + 1);
    }
}

void RField::Write(BinaryWriter& writer) const {
    writer.WriteText(text);
    writer.WriteText(imagText);
    writer.WriteInt32(unitIndex);
    writer.WriteInt32(unitKind);
    writer.WriteInt32(qint32(solutions.size()));
    for (const RField& solution : solutions)
        solution.Write(writer);
}
