#include "ui/calculators/rf/tformswrcalc.h"

#include "core/calc/numbertext.h"
#include "core/calc/swr.h"
#include "core/rcalculation.h"
#include "core/text/readingtexts.h"
#include "ui/framework/rschematic.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace {

// Fields: 0 the load Zant, 1 the line Ro, 2 the SWR.
constexpr int SwrField = 2;
constexpr int SwrEditWidth = 180;

// A layout keeps the sizes of its items until told otherwise, and a changed
// edit tells only the outermost layout of its box.
void InvalidateLayouts(QLayout* layout) {
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i)
        InvalidateLayouts(layout->itemAt(i)->layout());
    layout->invalidate();
}

// The reading in as many lines as its width needs (two at the highest
// precisions), broken only between its parts, never inside "Return loss".
QString BrokenBetweenParts(const QString& text, const QFontMetrics& metrics, int width) {
    const QString separator = QStringLiteral("  ");
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QStringList lines;
    QString line;
    for (const QString& part : text.split(separator)) {
        const QString longer = line.isEmpty() ? part : line + separator + part;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = part;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(u'\n');
}

} // namespace

TFormSWRCalc::TFormSWRCalc(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    BuildLayout();
}

void TFormSWRCalc::BuildLayout() {
    QWidget* load = AddBox(TypeBox(0, QStringLiteral("Zant"), {}, QStringLiteral("ImageOhm2")));
    QWidget* line = AddBox(TypeBox(1, QStringLiteral("Ro"), {}, QStringLiteral("ImageOhm3")));
    QWidget* swr = AddBox(TypeBox(SwrField, QStringLiteral("SWR"), {}, QString(), true));
    // The SWR box holds one wide edit.
    if (auto* edit = qobject_cast<QLineEdit*>(GetControl(SwrField * 10 + 1))) {
        edit->setFixedWidth(SwrEditWidth);
        InvalidateLayouts(swr->layout());
        swr->adjustSize();
    }

    // The line from the transmitter side (Ro, bottom left) to the antenna
    // (Zant, bottom right, clear of the buttons); the SWR at the top right
    // with its reading below, which may use the whole width.
    const int left = 16;
    const int gap = 52;
    const int loadX = left + line->width() + gap;
    const int width = loadX + load->width() + 112;
    const int right = width - 8; // in line with the buttons
    const int swrY = 28;
    MoveBox(QStringLiteral("BoxSWR"), right - swr->width(), swrY);

    reading_ = new QLabel(PanelMain());
    reading_->setObjectName(QStringLiteral("LabelReflection"));
    reading_->setAccessibleName(QStringLiteral("Reflection"));
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reading_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const int readingY = swrY + swr->height() + 6;
    const int readingHeight = 2 * reading_->fontMetrics().lineSpacing() + 2;
    reading_->setGeometry(left, readingY, right - left, readingHeight);
    // The reading follows whatever the SWR box shows: a new result, an old
    // one kept by a failed calculation, a Clear, a worksheet opened.
    if (auto* edit = qobject_cast<QLineEdit*>(GetControl(SwrField * 10 + 1)))
        connect(edit, &QLineEdit::textChanged, this, &TFormSWRCalc::ShowReading);

    const int boxesY = readingY + readingHeight + 28;
    MoveBox(QStringLiteral("BoxRo"), left, boxesY);
    MoveBox(QStringLiteral("BoxZant"), loadX, boxesY);

    // The two wires of the feed line between the boxes, level with Ro's edit.
    RSchematic* drawing = Schematic();
    const int wireY = boxesY + line->height() / 2;
    drawing->AddLine(QStringLiteral("LineFeed1"), {left + line->width(), wireY - 4},
                     {loadX, wireY - 4});
    drawing->AddLine(QStringLiteral("LineFeed2"), {left + line->width(), wireY + 4},
                     {loadX, wireY + 4});

    const int bottom = boxesY + std::max(line->height(), load->height());
    FinishLayout(QSize(width, std::max(bottom + 16, boxesY + 110)));
}

void TFormSWRCalc::ShowCalculation() {
    TFormProblem::ShowCalculation();
    ShowReading();
}

void TFormSWRCalc::ShowReading() {
    // The reading follows the SWR in its box, whether just calculated or read
    // from a worksheet, so the two can never disagree.
    const RCalculation* calculation = Calculation();
    std::optional<SwrReading> reading;
    if (calculation && calculation->FieldCount() > SwrField) {
        const RField& field = calculation->Field(SwrField);
        if (!field.text.isEmpty() && IsNumber(field.text))
            reading = ReadingOfSwr(field.GetReal());
    }
    if (!reading) {
        ClearReading();
        return;
    }
    const QString text = ReadingText(*reading, Precision());
    reading_->setText(BrokenBetweenParts(text, reading_->fontMetrics(), reading_->width()));
    reading_->setAccessibleDescription(text);
}

void TFormSWRCalc::ClearReading() {
    reading_->clear();
    reading_->setAccessibleDescription(QString());
}
