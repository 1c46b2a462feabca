#include "ui/presentation/tformabout.h"

#include "ui/presentation/tformsplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TFormAbout::TFormAbout(TFormSplash* splash, QWidget* parent)
    : QDialog(parent), splash_(splash), panelTop_(new QWidget(this)),
      panelTopLayout_(new QVBoxLayout(panelTop_)) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About"));

    panelTop_->setObjectName(QStringLiteral("PanelTop"));
    panelTopLayout_->setContentsMargins(0, 0, 0, 0);
    panelTopLayout_->setSpacing(0);

    auto* panelBottom = new QWidget(this);
    panelBottom->setObjectName(QStringLiteral("PanelBottom"));

    QLabel* label1 = MakeLabel(panelBottom, "Label1", QStringLiteral("Kelvo"));
    QFont nameFont = label1->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    label1->setFont(nameFont);

    QLabel* label4 = MakeLabel(panelBottom, "Label4", QStringLiteral("Version"));
    QLabel* labelVersion = MakeLabel(panelBottom, "LabelVersion", QStringLiteral(KELVO_VERSION));
    labelVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* bevel1 = new QFrame(panelBottom);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameShape(QFrame::HLine);
    bevel1->setFrameShadow(QFrame::Sunken);

    QLabel* label2 = MakeLabel(panelBottom, "Label2",
                               QStringLiteral("Calculations for the radio amateur's bench."));
    QLabel* label3 =
        MakeLabel(panelBottom, "Label3", QStringLiteral("Copyright \u00a9 2026 Quillmarsh."));

    auto* buttonOK = new QPushButton(QStringLiteral("&OK"), panelBottom);
    buttonOK->setObjectName(QStringLiteral("ButtonOK"));
    buttonOK->setDefault(true);
    connect(buttonOK, &QPushButton::clicked, this, &TFormAbout::ButtonOKClick);

    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(4);
    versionRow->addWidget(label4);
    versionRow->addWidget(labelVersion);
    versionRow->addStretch(1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(buttonOK);

    auto* bottomLayout = new QVBoxLayout(panelBottom);
    bottomLayout->setContentsMargins(20, 14, 20, 16);
    bottomLayout->setSpacing(4);
    bottomLayout->addWidget(label1);
    bottomLayout->addLayout(versionRow);
    bottomLayout->addSpacing(8);
    bottomLayout->addWidget(bevel1);
    bottomLayout->addSpacing(8);
    bottomLayout->addWidget(label2);
    bottomLayout->addWidget(label3);
    bottomLayout->addSpacing(12);
    bottomLayout->addLayout(buttonRow);

    auto* formLayout = new QVBoxLayout(this);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->setSpacing(0);
    formLayout->setSizeConstraint(QLayout::SetFixedSize);
    formLayout->addWidget(panelTop_);
    formLayout->addWidget(panelBottom);
}

void TFormAbout::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFormAbout::FormShow() {
    QLabel* picture = splash_ ? splash_->ImageSplash() : nullptr;
    if (picture && picture->parentWidget() != panelTop_) {
        panelTopLayout_->addWidget(picture);
        // A widget that changes parent is hidden, and a hidden widget takes no
        // room in the layout.
        picture->show();
    }
    layout()->activate();
    CentreOnScreen();
}

void TFormAbout::CentreOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    // Where the window system already knows the frame, the frame is centred.
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TFormAbout::ButtonOKClick() {
    done(QDialog::Accepted);
}
