#include "ui/framework/rdesignfrequencybox.h"

#include "core/units.h"
#include "ui/framework/rschematic.h"
#include "ui/framework/textfromstart.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Name = QStringLiteral("Design frequency");
constexpr int EditWidth = 96;

} // namespace

RDesignFrequencyBox::RDesignFrequencyBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PanelDesignFrequency"));
    caption_ = new QLabel(Name, this);
    caption_->setObjectName(QStringLiteral("LabelDesignFrequency"));
    caption_->adjustSize();

    box_ = new RBox(false, this);
    box_->setObjectName(QStringLiteral("BoxDesignFrequency"));
    auto* row = new QHBoxLayout(box_);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(10);
    edit_ = new QLineEdit(box_);
    edit_->setObjectName(QStringLiteral("EditDesignFrequency"));
    edit_->setAccessibleName(Name);
    edit_->setFixedWidth(EditWidth);
    caption_->setBuddy(edit_);
    row->addWidget(edit_, 0, Qt::AlignVCenter);

    auto* radios = new QVBoxLayout;
    radios->setSpacing(0);
    units_ = new QButtonGroup(box_);
    const int kind = KindNumber(UnitKind::Frequency);
    for (int unit = 0; unit < UnitCount(kind); ++unit) {
        auto* radio = new QRadioButton(UnitCaption(kind, unit), box_);
        radio->setObjectName(QStringLiteral("RadioDesignFrequency%1").arg(unit + 1));
        units_->addButton(radio, unit);
        radios->addWidget(radio);
    }
    row->addLayout(radios);
    box_->adjustSize();
    box_->move(0, caption_->height() + 1);
    resize(std::max(box_->width(), caption_->width()), box_->y() + box_->height());
    CheckUnit(DesignFrequency::DefaultUnit);

    connect(edit_, &QLineEdit::textChanged, this, &RDesignFrequencyBox::TextChanged);
    connect(units_, &QButtonGroup::idClicked, this, &RDesignFrequencyBox::UnitClicked);
}

void RDesignFrequencyBox::Show(const DesignFrequency& frequency) {
    SetTextFromStart(edit_, frequency.text);
    CheckUnit(frequency.unitIndex);
}

DesignFrequency RDesignFrequencyBox::Shown() const {
    DesignFrequency shown;
    shown.text = edit_->text();
    shown.unitIndex = std::max(units_->checkedId(), 0);
    return shown;
}

void RDesignFrequencyBox::CheckUnit(int unit) {
    if (QAbstractButton* radio = units_->button(unit))
        radio->setChecked(true);
}
