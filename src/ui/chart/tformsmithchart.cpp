#include "ui/chart/tformsmithchart.h"

#include "core/calc/numbertext.h"
#include "core/chart/chartsvg.h"
#include "core/chart/smithchart.h"
#include "core/messages.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/report/reportfile.h"
#include "ui/chart/chartpainter.h"
#include "ui/chart/rsmithchart.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/userdialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString GeometryKey = QStringLiteral("SmithChart/geometry");
const QString Z0Key = QStringLiteral("SmithChart/z0");
const QString AdmittanceKey = QStringLiteral("SmithChart/admittance");
// A chart in a file or on paper: its size in pixels (points on paper) and
// the device pixel ratio of a PNG.
constexpr int ExportSize = 400;
constexpr qreal ExportRatio = 2;

// A calculation's name as a file name: without the characters file
// systems refuse.
QString FileStem(const QString& name) {
    QString stem = name.trimmed();
    for (QChar& c : stem) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return stem.isEmpty() ? QStringLiteral("Smith chart") : stem;
}

} // namespace

TFormSmithChart::TFormSmithChart(AppContext& context, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FormSmithChart"));
    setWindowTitle(QStringLiteral("Smith Chart"));
    pending_ = new QTimer(this);
    pending_->setObjectName(QStringLiteral("TimerRedraw"));
    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, &TFormSmithChart::Redraw);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildControls());
    chart_ = new RSmithChart(this);
    chart_->setObjectName(QStringLiteral("ChartSmith"));
    layout->addWidget(chart_, 3);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("LabelNote"));
    note_->setWordWrap(true);
    layout->addWidget(note_);
    auto* caption = new QLabel(QStringLiteral("Plotted p&oints:"), this);
    caption->setObjectName(QStringLiteral("LabelPoints"));
    layout->addWidget(caption);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListPoints"));
    list_->setAccessibleName(QStringLiteral("Plotted points"));
    list_->setMaximumHeight(list_->fontMetrics().height() * 8);
    caption->setBuddy(list_);
    layout->addWidget(list_, 1);

    const QSettings settings;
    chosenZ0_ = settings.value(Z0Key, QStringLiteral("50")).toString();
    editZ0_->setText(chosenZ0_);
    checkAdmittance_->setChecked(settings.value(AdmittanceKey, false).toBool());
    chart_->SetAdmittance(checkAdmittance_->isChecked());
    resize(520, 700);
}

TFormSmithChart::~TFormSmithChart() {
    if (isVisible())
        StoreSettings();
}

QWidget* TFormSmithChart::BuildControls() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PanelChartControls"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Z0"), bar);
    label->setObjectName(QStringLiteral("LabelZ0"));
    editZ0_ = new QLineEdit(bar);
    editZ0_->setObjectName(QStringLiteral("EditZ0"));
    editZ0_->setAccessibleName(QStringLiteral("Z0"));
    editZ0_->setMaximumWidth(editZ0_->fontMetrics().horizontalAdvance(u'0') * 12);
    label->setBuddy(editZ0_);
    auto* ohm = new QLabel(QStringLiteral("\u03A9"), bar);
    ohm->setObjectName(QStringLiteral("LabelZ0Unit"));
    checkAdmittance_ = new QCheckBox(QStringLiteral("&Admittance grid"), bar);
    checkAdmittance_->setObjectName(QStringLiteral("CheckAdmittance"));
    buttonExport_ = new QPushButton(QStringLiteral("&Export..."), bar);
    buttonExport_->setObjectName(QStringLiteral("ButtonExport"));
    buttonPrint_ = new QPushButton(QStringLiteral("&Print..."), bar);
    buttonPrint_->setObjectName(QStringLiteral("ButtonPrint"));
    row->addWidget(label);
    row->addWidget(editZ0_);
    row->addWidget(ohm);
    row->addSpacing(12);
    row->addWidget(checkAdmittance_);
    row->addStretch(1);
    row->addWidget(buttonExport_);
    row->addWidget(buttonPrint_);

    connect(editZ0_, &QLineEdit::textEdited, this, [this](const QString& text) {
        chosenZ0_ = text;
        Redraw();
    });
    connect(checkAdmittance_, &QCheckBox::toggled, this,
            [this](bool on) { chart_->SetAdmittance(on); });
    connect(buttonExport_, &QPushButton::clicked, this, &TFormSmithChart::ButtonExportClick);
    connect(buttonPrint_, &QPushButton::clicked, this, &TFormSmithChart::ButtonPrintClick);
    return bar;
}

void TFormSmithChart::ShowInFront() {
    if (!placed_) {
        placed_ = true;
        const QByteArray geometry = QSettings().value(GeometryKey).toByteArray();
        if (geometry.isEmpty() || !restoreGeometry(geometry)) {
            // The first time: beside the main window, on its screen.
            QWidget* main = parentWidget();
            if (main) {
                QPoint at = main->frameGeometry().topRight() + QPoint(8, 0);
                if (const QScreen* screen = main->screen()) {
                    const QRect free = screen->availableGeometry();
                    at.setX(std::min(at.x(), free.right() - width()));
                    at.setY(std::clamp(at.y(), free.top(),
                                       std::max(free.top(), free.bottom() - height())));
                }
                move(at);
            }
        }
    }
    Redraw();
    show();
    raise();
    activateWindow();
}

void TFormSmithChart::CalculationChanged() {
    if (isVisible())
        pending_->start();
}

double TFormSmithChart::ChosenZ0() const {
    return chosenZ0_.trimmed().isEmpty() || !IsNumber(chosenZ0_) ? 0.0 : ToNumber(chosenZ0_);
}

QString TFormSmithChart::Title() const {
    return QStringLiteral("Smith Chart - ") +
           (context_.calculation ? context_.calculation->Name() : QString());
}

void TFormSmithChart::Redraw() {
    pending_->stop();
    const int display = context_.config ? context_.config->Precision : 8;
    const int precision = ChartPrecision(display);
    SmithChart chart;
    if (const RCalculation* calculation = context_.calculation)
        chart = ChartOfCalculation(*calculation, ChosenZ0(), precision);
    setWindowTitle(Title());
    ShowReference(chart);
    chart_->SetPrecision(precision);
    chart_->SetChart(chart);
    list_->clear();
    for (const ChartPoint& point : chart.points)
        list_->addItem(PointText(point, precision));
    // Without an impedance the drawing itself says so.
    note_->setText(chart.hasImpedance ? chart.note : QString());
    note_->setVisible(!note_->text().isEmpty());
    buttonExport_->setEnabled(chart.hasImpedance);
    buttonPrint_->setEnabled(chart.hasImpedance);
}

// The box shows the calculation's own reference, read-only, where it has
// one, and the user's Z0 again afterwards.
void TFormSmithChart::ShowReference(const SmithChart& chart) {
    if (chart.ownReference) {
        showingOwnZ0_ = true;
        const int display = context_.config ? context_.config->Precision : 8;
        editZ0_->setText(IsChartReference(chart.z0) ? FormatGeneral(chart.z0, display, 2)
                                                    : QString());
        editZ0_->setEnabled(false);
    } else if (showingOwnZ0_) {
        showingOwnZ0_ = false;
        editZ0_->setText(chosenZ0_);
        editZ0_->setEnabled(true);
    }
}

void TFormSmithChart::ButtonExportClick() {
    const QString folder = context_.config ? context_.config->LastFolder : QString();
    const QString name = context_.calculation ? context_.calculation->Name() : QString();
    QString path;
    if (!dialogs_.GetChartFileName(this, QDir(folder).filePath(FileStem(name) + ".png"), path))
        return;
    if (dialogs_.MayReplace(this, path))
        ExportChart(path);
}

bool TFormSmithChart::ExportChart(const QString& path) {
    const SmithChart& chart = chart_->Chart();
    bool written = false;
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        ChartSvgOptions options;
        options.size = ExportSize;
        options.admittance = chart_->Admittance();
        options.title = Title();
        options.precision = ChartPrecision(context_.config ? context_.config->Precision : 8);
        written = WriteReportFile(path, ChartSvg(chart, options).toUtf8());
    } else {
        QSaveFile file(path);
        written =
            file.open(QIODevice::WriteOnly) &&
            ChartImage(chart, ExportSize, ExportRatio, chart_->Admittance()).save(&file, "PNG") &&
            file.commit();
    }
    if (!written)
        ShowError(QStringLiteral("Could not write the chart to '") + path + QStringLiteral("'."));
    return written;
}

void TFormSmithChart::ButtonPrintClick() {
    QTextDocument document;
    document.setMetaInformation(QTextDocument::DocumentTitle, Title());
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:0")),
                         ChartImage(chart_->Chart(), ExportSize, 3, chart_->Admittance()));
    QString html =
        QStringLiteral("<h2>") + Title().toHtmlEscaped() +
        QStringLiteral("</h2>\n<p><img src=\"chart:0\" width=\"%1\" height=\"%1\"></p>\n")
            .arg(ExportSize);
    for (int i = 0; i < list_->count(); ++i)
        html += QStringLiteral("<p>") + list_->item(i)->text().toHtmlEscaped() +
                QStringLiteral("</p>\n");
    document.setHtml(html);
    dialogs_.PrintPreview(this, document);
}

void TFormSmithChart::hideEvent(QHideEvent* event) {
    StoreSettings();
    QWidget::hideEvent(event);
}

void TFormSmithChart::StoreSettings() const {
    QSettings settings;
    settings.setValue(GeometryKey, saveGeometry());
    settings.setValue(Z0Key, chosenZ0_);
    settings.setValue(AdmittanceKey, checkAdmittance_->isChecked());
}
