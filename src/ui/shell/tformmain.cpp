#include "ui/shell/tformmain.h"

#include "core/filenames.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "core/standardseriessetting.h"
#include "ui/calculators/calculatorforms.h"
#include "ui/calculators/rf/tformmessage.h"
#include "ui/chart/tformsmithchart.h"
#include "ui/framework/tformproblem.h"
#include "ui/framework/userdialogs.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/presentation/tformabout.h"
#include "ui/presentation/tformsplash.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/rstatuspanel.h"
#include "ui/shell/tformoptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ImageType = 0;
constexpr int ImageShown = 1;
constexpr int ImageFolder = 2;
constexpr int TypeRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;

QIcon TreeIcon(int image) {
    // Loaded once: every node of a kind shares its icon.
    static const QIcon icons[] = {QIcon(QStringLiteral(":/icons/tree-type.png")),
                                  QIcon(QStringLiteral(":/icons/tree-type-shown.png")),
                                  QIcon(QStringLiteral(":/icons/tree-folder.png"))};
    return icons[image];
}

void SetImage(QTreeWidgetItem* item, int image) {
    item->setData(0, ImageRole, image);
    item->setIcon(0, TreeIcon(image));
}

} // namespace

const char* const TFormMain::CompanyAddress = "https://www.quillmarsh.com/";
const char* const TFormMain::HomepageAddress = "https://www.quillmarsh.com/kelvo/";

TFormMain::TFormMain(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), previousSink_(CurrentMessageSink()) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Kelvo - Untitled"));
    resize(698, 492);

    help_ = new HelpViewer(this);
    context_.showHelp = [this](int topic) { help_->ShowTopic(topic); };
    context_.advice = this;
    context_.standardSeries = ReadStandardSeries();
    context_.calculationChanged = [this] {
        if (smithChart_)
            smithChart_->CalculationChanged();
    };

    SetMessageSink(this);
    qApp->installEventFilter(this);
}

void TFormMain::FormCreate() {
    // The controls are built once, with the other forms: at start-up that is
    // after the splash has been painted, which they would otherwise delay
    // (the first use of fonts, the tree, the icons).
    if (splitter_)
        return;
    auto* splitter = splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("SplitterMain"));
    splitter->setHandleWidth(4);
    splitter->setChildrenCollapsible(false);

    auto* left = new QWidget(splitter);
    left->setObjectName(QStringLiteral("PanelLeft"));
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    leftLayout->addWidget(BuildHeader(QStringLiteral("PanelProblemType"),
                                      QStringLiteral("LabelProblemType"),
                                      QStringLiteral("Calculation Type:"), nullptr));
    BuildTree();
    leftLayout->addWidget(tree_);

    auto* main = new QWidget(splitter);
    main->setObjectName(QStringLiteral("PanelMain"));
    context_.centralPanel = main;
    auto* mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    mainLayout->addWidget(BuildHeader(QStringLiteral("PanelName"),
                                      QStringLiteral("LabelCalculation"),
                                      QStringLiteral("Problem:"), &labelCalculation_));
    tabs_ = new RTabControl(main);
    tabs_->setObjectName(QStringLiteral("TabCalculation"));
    tabs_->SetTabPosition(RTabControl::Position::Bottom);
    connect(tabs_, &RTabControl::TabChanged, this, &TFormMain::TabCalculationChange);
    mainLayout->addWidget(tabs_, 1);

    splitter->addWidget(left);
    splitter->addWidget(main);
    splitter->setStretchFactor(1, 1);
    // Wide enough for the longest type caption in the user's font.
    int treeWidth = 173;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        const int level = (*it)->parent() ? 2 : 1;
        treeWidth = std::max(treeWidth, tree_->fontMetrics().horizontalAdvance((*it)->text(0)) +
                                            level * tree_->indentation() + 16 + 24);
    }
    left->setMinimumWidth(treeWidth);
    treeWidth_ = treeWidth;
    setCentralWidget(splitter);

    status_ = new RStatusPanel;
    auto* spare = new QWidget;
    spare->setObjectName(QStringLiteral("StatusPanel1"));
    spare->setFixedWidth(50);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(spare);

    BuildMenu();
}

TFormMain::~TFormMain() {
    qApp->removeEventFilter(this);
    // Focus moves while the window's children go; the menu may be gone first.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (CurrentMessageSink() == static_cast<MessageSink*>(this))
        SetMessageSink(previousSink_);
    // The calculator panels go with their forms, whoever hosts them now.
    context_.calculation = nullptr;
    context_.calculator = nullptr;
    for (TFormProblem*& calculator : calculatorTable_) {
        delete calculator;
        calculator = nullptr;
    }
}

QWidget* TFormMain::BuildHeader(const QString& panelName, const QString& labelName,
                                const QString& text, QLabel** labelOut) {
    auto* panel = new QWidget;
    panel->setObjectName(panelName);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 3, 6, 3);
    auto* label = new QLabel(text, panel);
    label->setObjectName(labelName);
    QFont font = label->font();
    font.setItalic(true);
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);
    if (labelOut)
        *labelOut = label;
    return panel;
}

void TFormMain::BuildTree() {
    tree_ = new QTreeWidget;
    tree_->setObjectName(QStringLiteral("TreeType"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setExpandsOnDoubleClick(false);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setIndentation(14);
    QPalette palette = tree_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    tree_->setPalette(palette);

    // In type order, a folder heading the types that stand in it.
    QTreeWidgetItem* folder = nullptr;
    for (int type = 1; type <= CalcTypeCount; ++type) {
        const TreeSpec& place = FindCalcType(type)->tree;
        if (!place.folder) {
            folder = nullptr;
        } else if (!folder || folder->text(0) != QString::fromLatin1(place.folder)) {
            folder = new QTreeWidgetItem(tree_);
            folder->setText(0, QString::fromLatin1(place.folder));
            folder->setData(0, TypeRole, 0);
            SetImage(folder, ImageFolder);
        }
        QTreeWidgetItem* item = folder ? new QTreeWidgetItem(folder) : new QTreeWidgetItem(tree_);
        item->setText(0, QString::fromLatin1(place.caption));
        item->setData(0, TypeRole, type);
        SetImage(item, ImageType);
    }
    tree_->expandAll();
    connect(tree_, &QTreeWidget::itemClicked, this, &TFormMain::TreeTypeClick);
    // Enter on a node chooses it too, so that the keyboard can switch types.
    connect(tree_, &QTreeWidget::itemActivated, this, &TFormMain::TreeTypeClick);
}

void TFormMain::CreateForms(TFormSplash* splash) {
    if (splash)
        splash_ = splash;
    if (splitter_)
        return;
    FormCreate();
    FitPageToCalculators();
}

void TFormMain::FitPageToCalculators(QSize panel) {
    if (!tabs_)
        return;
    QSize largest = tabs_->Page()->minimumSize().expandedTo(panel);
    for (int type = 1; type <= CalcTypeCount; ++type) {
        const PanelSize& declared = FindCalcType(type)->panel;
        largest = largest.expandedTo(QSize(declared.width, declared.height));
    }
    if (largest == tabs_->Page()->minimumSize())
        return;
    tabs_->Page()->setMinimumSize(largest);
    tabs_->updateGeometry();
}

TFormProblem* TFormMain::Calculator(int type) {
    if (type < 1 || type > CalcTypeCount)
        return nullptr;
    TFormProblem*& calculator = calculatorTable_[size_t(type)];
    if (!calculator) {
        calculator = CreateCalculatorForm(type, context_);
        // In another font than the reference one a form may need more room.
        FitPageToCalculators(calculator->PanelMain()->minimumSize());
    }
    return calculator;
}

TypeCatalog TFormMain::Catalog() const {
    static const RConfig defaults;
    return TypeCatalog(config_ ? *config_ : defaults);
}

TFormOptions* TFormMain::Options() {
    if (!options_) {
        options_ = new TFormOptions(
            dialogs_, [this](int topic) { help_->ShowTopic(topic); }, this);
        options_->setObjectName(QStringLiteral("FormOptions"));
    }
    return options_;
}

TFormAbout* TFormMain::About() {
    if (!about_) {
        about_ = new TFormAbout(splash_, this);
        about_->setObjectName(QStringLiteral("FormAbout"));
    }
    return about_;
}

TFormMessage* TFormMain::Message() {
    // Hidden until the antenna calculator has advice; it goes with the window.
    if (!message_)
        message_ = new TFormMessage(this);
    return message_;
}

void TFormMain::ShowAdvice(int kind, const QString& first, const QString& second, int left, int top,
                           int right, int bottom) {
    Message()->ShowAdvice(kind, first, second, left, top, right, bottom);
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
        // A message box during the first showing (a damaged configuration, a
        // worksheet that cannot be opened) runs its own event loop while the
        // window is not yet on the screen. Under X without a window manager
        // the native window then hands back the size it was created with,
        // below the layout's minimum; the placement chosen stands.
        if (!isMaximized() && QRect(pos(), size()) != placement_) {
            move(placement_.topLeft());
            resize(placement_.size());
        }
    }
}

void TFormMain::FormShow() {
    CreateForms();
    LoadConfiguration();
    ApplyWindowPlacement();
    NewWorksheet();
    if (!startupFile_.isEmpty())
        OpenWorksheet(startupFile_);
}

void TFormMain::ShutDown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    if (config_) {
        StoreWindowPlacement();
        config_->Write();
    }
    help_->Close();
    QCoreApplication::quit();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (shutDown_) {
        event->accept();
        return;
    }
    if (!worksheet_ || ConfirmCloseWorksheet()) {
        ShutDown();
        event->accept();
    } else {
        event->ignore();
    }
}

bool TFormMain::event(QEvent* event) {
    // A menu entry's hint (a recent file's path) goes to the status line;
    // an empty hint leaves it alone.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty() && status_)
            status_->ShowText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    // The unknown's box turns read-only (or back) while it may have the focus.
    if (event->type() == QEvent::ReadOnlyChange && watched == QApplication::focusWidget())
        UpdateEditMenu();
    // Edits claim Ctrl+A (select all) and Ctrl+Del (delete word) for
    // themselves; in this window the menu's Save As and Delete win.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QKeyCombination combination = key->keyCombination();
            if (combination == QKeyCombination(Qt::ControlModifier, Qt::Key_A) ||
                combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Delete)) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::ShowBox(MessageBoxKind kind, const QString& text) {
    QWidget* parent = QApplication::activeModalWidget();
    dialogs_.ShowMessage(parent ? parent : this, kind, text);
}

void TFormMain::ShowWarning(const QString& text) {
    if (status_)
        status_->ShowWarning(text);
}

void TFormMain::ClearWarning() {
    if (status_)
        status_->Clear();
}

void TFormMain::Terminate() {
    // The program ends once the event that failed has been handled.
    shutDown_ = true;
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

void TFormMain::UpdateCaption() {
    const QString name = worksheet_ ? worksheet_->FileName : QString();
    setWindowTitle(QStringLiteral("Kelvo - ") +
                   (name.isEmpty() ? QStringLiteral("Untitled") : ExtractBaseName(name)));
}

void TFormMain::ShowType(int type) {
    TFormProblem* previous = hosted_;
    TFormProblem* calculator = Calculator(type);
    if (calculator) {
        QWidget* panel = calculator->PanelMain();
        if (panel->parentWidget() != tabs_->Page()) {
            tabs_->Page()->layout()->addWidget(panel);
            panel->show();
        }
        hosted_ = calculator;
        context_.calculator = calculator;
        labelCalculation_->setText(calculator->Caption());
        const int index = worksheet_ ? worksheet_->FindSelected(type) : -1;
        if (index < 0) {
            context_.calculation = nullptr;
            FatalError(QStringLiteral("No calculations exist of type ") + QString::number(type) +
                       QStringLiteral("."));
            return;
        }
        context_.calculation = worksheet_->At(index);
        calculator->ShowCalculation();
        FocusFirstEdit();
        panel->update();
    }
    if (previous && previous != calculator) {
        QWidget* panel = previous->PanelMain();
        tabs_->Page()->layout()->removeWidget(panel);
        panel->hide();
        panel->setParent(nullptr);
    }
    FillTabs();
}

void TFormMain::FocusFirstEdit() {
    if (!context_.calculator)
        return;
    if (QWidget* first = context_.calculator->GetControl(1))
        first->setFocus(Qt::OtherFocusReason);
}

void TFormMain::FillTabs() {
    tabs_->ClearTabs();
    if (!worksheet_ || !context_.calculation)
        return;
    const int type = context_.calculation->Type();
    for (int i = 0; i < worksheet_->Count(); ++i) {
        const RCalculation* calculation = worksheet_->At(i);
        if (calculation->Type() != type)
            continue;
        const int tab = tabs_->AddTab(calculation->Name());
        if (calculation->Current())
            tabs_->SetTabIndex(tab);
    }
    // A new, renamed or deleted calculation passes here.
    context_.NotifyCalculationChanged();
}

void TFormMain::MarkCurrentType() {
    const int type = context_.calculation ? context_.calculation->Type() : 0;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item->data(0, TypeRole).toInt() == type && type != 0)
            SetImage(item, ImageShown);
        else if (item->data(0, ImageRole).toInt() == ImageShown)
            SetImage(item, ImageType);
    }
    tree_->viewport()->update();
}

void TFormMain::TreeTypeClick(QTreeWidgetItem* item) {
    if (!item || !worksheet_)
        return;
    const int type = item->data(0, TypeRole).toInt();
    if (type == 0)
        return;
    ShowType(type);
    MarkCurrentType();
}

void TFormMain::TabCalculationChange(int index) {
    if (!worksheet_ || !context_.calculation)
        return;
    const QString caption = tabs_->TabCaption(index);
    const int found = worksheet_->FindByTypeAndName(context_.calculation->Type(), caption);
    if (found < 0) {
        ShowError(QStringLiteral("Unknown calculation '") + caption + QStringLiteral("'."));
        return;
    }
    RCalculation* chosen = worksheet_->At(found);
    if (chosen == context_.calculation)
        return;
    worksheet_->Select(chosen);
    context_.calculation = chosen;
    if (context_.calculator)
        context_.calculator->ShowCalculation();
}
