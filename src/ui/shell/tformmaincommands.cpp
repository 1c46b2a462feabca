// The menu commands of the main window: worksheet files, editing of the
// focused box, calculations of the current type, preferences and help.

#include "ui/shell/tformmain.h"

#include "core/filenames.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "core/standardseriessetting.h"
#include "core/worksheetrepair.h"
#include "ui/chart/tformsmithchart.h"
#include "ui/framework/tformproblem.h"
#include "ui/framework/userdialogs.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/presentation/tformabout.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/tformoptions.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace {

constexpr int MaxNameLength = 255;

QLineEdit* FocusedEdit() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

// The unknown's box is read-only: the commands that change a text leave it alone.
QLineEdit* FocusedWritableEdit() {
    QLineEdit* edit = FocusedEdit();
    return edit && !edit->isReadOnly() ? edit : nullptr;
}

// A menu command under its name, with its shortcut for the whole window.
QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut, TFormMain* window, void (TFormMain::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void TFormMain::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuMain"));
    auto add = [this](QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& shortcut, void (TFormMain::*handler)()) {
        return AddCommand(menu, name, caption, shortcut, this, handler);
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    add(file, "MenuNewWorksheet", QStringLiteral("&New Worksheet"), {},
        &TFormMain::MenuNewWorksheetClick);
    add(file, "MenuOpenWorksheet", QStringLiteral("&Open Worksheet..."),
        QKeySequence(Qt::CTRL | Qt::Key_O), &TFormMain::MenuOpenWorksheetClick);
    add(file, "MenuSaveWorksheet", QStringLiteral("&Save Worksheet"),
        QKeySequence(Qt::CTRL | Qt::Key_S), &TFormMain::MenuSaveWorksheetClick);
    add(file, "MenuSaveAs", QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_A),
        &TFormMain::MenuSaveAsClick);
    historySeparator_ = Separator(file, "MenuHistorySep");
    for (int k = 0; k < 4; ++k) {
        QAction* entry = file->addAction(QString());
        entry->setObjectName(QStringLiteral("MenuHistory%1").arg(k + 1));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, entry] { MenuHistoryClick(entry); });
        history_[size_t(k)] = entry;
    }
    Separator(file, "MenuSep1");
    add(file, "MenuPrintReport", QStringLiteral("&Print Report..."), {},
        &TFormMain::MenuPrintReportClick);
    add(file, "MenuExportReport", QStringLiteral("&Export Report..."), {},
        &TFormMain::MenuExportReportClick);
    Separator(file, "MenuSep5");
    add(file, "MenuExit", QStringLiteral("E&xit"), {}, &TFormMain::MenuExitClick);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    textChanging_[0] = add(edit, "MenuCut", QStringLiteral("Cu&t"),
                           QKeySequence(Qt::CTRL | Qt::Key_X), &TFormMain::MenuCutClick);
    add(edit, "MenuCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
        &TFormMain::MenuCopyClick);
    textChanging_[1] = add(edit, "MenuPaste", QStringLiteral("&Paste"),
                           QKeySequence(Qt::CTRL | Qt::Key_V), &TFormMain::MenuPasteClick);
    textChanging_[2] = add(edit, "MenuDelete", QStringLiteral("&Delete"),
                           QKeySequence(Qt::CTRL | Qt::Key_Delete), &TFormMain::MenuDeleteClick);
    connect(qApp, &QApplication::focusChanged, this, &TFormMain::UpdateEditMenu);

    QMenu* calculation = bar->addMenu(QStringLiteral("&Calculation"));
    calculation->setObjectName(QStringLiteral("MenuCalculation"));
    add(calculation, "MenuNewCalculation", QStringLiteral("&New Calculation"),
        QKeySequence(Qt::CTRL | Qt::Key_N), &TFormMain::MenuNewCalculationClick);
    add(calculation, "MenuRenameCalculation", QStringLiteral("&Rename Calculation"),
        QKeySequence(Qt::CTRL | Qt::Key_R), &TFormMain::MenuRenameCalculationClick);
    add(calculation, "MenuDeleteCalculation", QStringLiteral("&Delete Calculation"),
        QKeySequence(Qt::CTRL | Qt::Key_D), &TFormMain::MenuDeleteCalculationClick);
    Separator(calculation, "MenuSep2");
    add(calculation, "MenuCalculate", QStringLiteral("&Calculate"), QKeySequence(Qt::Key_F6),
        &TFormMain::MenuCalculateClick);
    add(calculation, "MenuClear", QStringLiteral("C&lear"), QKeySequence(Qt::Key_F4),
        &TFormMain::MenuClearClick);
    Separator(calculation, "MenuSep6");
    add(calculation, "MenuSmithChart", QStringLiteral("&Smith Chart"), QKeySequence(Qt::Key_F7),
        &TFormMain::MenuSmithChartClick);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MenuOptions"));
    add(options, "MenuPreferences", QStringLiteral("&Preferences..."), QKeySequence(Qt::Key_F2),
        &TFormMain::MenuPreferencesClick);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    add(help, "MenuHelpTopics", QStringLiteral("&Help Topics"), QKeySequence(Qt::Key_F1),
        &TFormMain::MenuHelpTopicsClick);
    Separator(help, "MenuSep4");
    add(help, "MenuCompany", QStringLiteral("&Quillmarsh Homepage"), {},
        &TFormMain::MenuCompanyClick);
    add(help, "MenuHomepage", QStringLiteral("KEL&VO Homepage"), {}, &TFormMain::MenuHomepageClick);
    Separator(help, "MenuSep3");
    add(help, "MenuAbout", QStringLiteral("&About..."), {}, &TFormMain::MenuAboutClick);
}

void TFormMain::DropWorksheet() {
    worksheet_.reset();
    context_.worksheet = nullptr;
    context_.calculation = nullptr;
    context_.calculator = nullptr;
}

bool TFormMain::ConfirmCloseWorksheet() {
    if (worksheet_ && worksheet_->Modified) {
        switch (dialogs_.Ask(this, QStringLiteral("Save changes to current worksheet?"), true,
                             UserDialogs::Answer::Yes)) {
        case UserDialogs::Answer::Yes:
            if (!SaveWorksheet())
                return false;
            break;
        case UserDialogs::Answer::Cancel:
            return false;
        case UserDialogs::Answer::No:
            break;
        }
    }
    DropWorksheet();
    return true;
}

void TFormMain::NewWorksheet() {
    if (worksheet_ && !ConfirmCloseWorksheet())
        return;
    worksheet_ = std::make_unique<RWorksheet>();
    context_.worksheet = worksheet_.get();
    worksheet_->CreateDefault(Catalog());
    ShowType(1);
    FocusFirstEdit();
    worksheet_->CurrentIndex = worksheet_->IndexOf(context_.calculation);
    UpdateCaption();
    MarkCurrentType();
}

bool TFormMain::OpenWorksheet(const QString& path) {
    if (worksheet_ && !ConfirmCloseWorksheet())
        return false;
    worksheet_ = std::make_unique<RWorksheet>();
    context_.worksheet = worksheet_.get();
    worksheet_->FileName = path;
    if (worksheet_->Read(Catalog())) {
        // A damaged or foreign file must not leave a type without a
        // calculation to show or a calculation without its fields.
        RepairWorksheet(*worksheet_, Catalog());
        int type = worksheet_->At(worksheet_->CurrentIndex)->Type();
        if (!FindCalcType(type))
            type = 1;
        ShowType(type);
        UpdateCaption();
        FocusFirstEdit();
        config_->AddRecentFile(path);
        UpdateHistoryMenu();
        MarkCurrentType();
    } else {
        DropWorksheet();
        NewWorksheet();
    }
    return true;
}

bool TFormMain::SaveWorksheet() {
    if (!worksheet_)
        return false;
    if (worksheet_->FileName.isEmpty())
        return SaveWorksheetAs();
    if (!worksheet_->Write())
        return false;
    worksheet_->Modified = false;
    return true;
}

bool TFormMain::SaveWorksheetAs() {
    if (!worksheet_)
        return false;
    QString path;
    if (!dialogs_.GetSaveFileName(this, QStringLiteral("Save Worksheet"), config_->LastFolder,
                                  path))
        return false;
    bool result = false;
    if (!QFileInfo::exists(path) ||
        dialogs_.Ask(this, QStringLiteral("Overwrite file '") + path + QStringLiteral("'?"), false,
                     UserDialogs::Answer::No) == UserDialogs::Answer::Yes) {
        worksheet_->FileName = path;
        if (SaveWorksheet()) {
            config_->AddRecentFile(path);
            UpdateHistoryMenu();
            result = true;
        }
        UpdateCaption();
    }
    StoreLastFolder(path);
    return result;
}

void TFormMain::StoreLastFolder(const QString& path) {
    const QString folder = ExtractFilePath(path);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        config_->SetLastFolder(folder);
}

void TFormMain::UpdateHistoryMenu() {
    const QStringList& recent = config_ ? config_->RecentFiles : QStringList();
    historySeparator_->setVisible(!recent.isEmpty());
    for (int k = 0; k < int(history_.size()); ++k) {
        QAction* entry = history_[size_t(k)];
        entry->setVisible(k < recent.size());
        if (k < recent.size()) {
            const QString& path = recent[k];
            QString caption = ExtractFileName(path);
            entry->setText(caption.replace(u'&', QStringLiteral("&&")));
            entry->setStatusTip(path);
            entry->setData(path);
        }
    }
}

void TFormMain::MenuNewWorksheetClick() {
    NewWorksheet();
}

void TFormMain::MenuOpenWorksheetClick() {
    QString path;
    if (!dialogs_.GetOpenFileName(this, QStringLiteral("Open Worksheet"), config_->LastFolder,
                                  path))
        return;
    if (OpenWorksheet(path))
        StoreLastFolder(path);
}

void TFormMain::MenuHistoryClick(QAction* entry) {
    const QString path = entry->data().toString();
    if (!path.isEmpty())
        OpenWorksheet(path);
}

void TFormMain::MenuExitClick() {
    if (worksheet_ && ConfirmCloseWorksheet())
        ShutDown();
}

void TFormMain::UpdateEditMenu() {
    const QLineEdit* edit = FocusedEdit();
    const bool writable = !edit || !edit->isReadOnly();
    for (QAction* action : textChanging_) {
        if (action)
            action->setEnabled(writable);
    }
}

void TFormMain::MenuCutClick() {
    if (QLineEdit* edit = FocusedWritableEdit())
        edit->cut();
}

void TFormMain::MenuCopyClick() {
    if (QLineEdit* edit = FocusedEdit())
        edit->copy();
}

void TFormMain::MenuPasteClick() {
    if (QLineEdit* edit = FocusedWritableEdit())
        edit->paste();
}

void TFormMain::MenuDeleteClick() {
    QLineEdit* edit = FocusedWritableEdit();
    if (edit && edit->hasSelectedText())
        edit->del();
}

bool TFormMain::NameIsFree(const QString& name) const {
    if (worksheet_->FindByName(name) < 0)
        return true;
    ShowError(QStringLiteral("Calculation '") + name + QStringLiteral("' is not unique."));
    return false;
}

void TFormMain::MenuNewCalculationClick() {
    RCalculation* current = context_.calculation;
    TFormProblem* calculator = context_.calculator;
    if (!worksheet_ || !current || !calculator)
        return;
    const TypeCatalog catalog = Catalog();
    QString name = worksheet_->ProposeName(catalog.GetTypeName(current->Type()));
    if (!dialogs_.GetText(this, QStringLiteral("New Calculation"),
                          QStringLiteral("Enter name for new calculation:"), MaxNameLength, name))
        return;
    if (!NameIsFree(name))
        return;
    auto calculation = std::make_unique<RCalculation>();
    calculation->SetName(name);
    catalog.InitCalculation(current->Type(), *calculation);
    context_.calculation = worksheet_->AddAfter(current, std::move(calculation));
    FillTabs();
    calculator->ShowCalculation();
}

void TFormMain::MenuRenameCalculationClick() {
    RCalculation* current = context_.calculation;
    if (!worksheet_ || !current)
        return;
    QString name = current->Name();
    if (!dialogs_.GetText(this, QStringLiteral("Rename Calculation"),
                          QStringLiteral("Enter new name for calculation:"), MaxNameLength, name))
        return;
    if (!NameIsFree(name))
        return;
    current->SetName(name);
    worksheet_->Modified = true;
    FillTabs();
}

void TFormMain::MenuDeleteCalculationClick() {
    RCalculation* current = context_.calculation;
    if (!worksheet_ || !current)
        return;
    const int type = current->Type();
    if (worksheet_->CountOfType(type) <= 1) {
        ShowWarningBox(
            QStringLiteral("Could not delete calculation because there is only one left."));
        return;
    }
    if (dialogs_.Ask(
            this, QStringLiteral("Delete calculation '") + current->Name() + QStringLiteral("'?"),
            false, UserDialogs::Answer::No) != UserDialogs::Answer::Yes)
        return;
    context_.calculation = worksheet_->RemoveAndSelectNeighbour(current);
    FillTabs();
    if (context_.calculator)
        context_.calculator->ShowCalculation();
}

void TFormMain::MenuCalculateClick() {
    if (context_.calculator && context_.calculation)
        context_.calculator->Calculate();
}

void TFormMain::MenuClearClick() {
    if (context_.calculator && context_.calculation)
        context_.calculator->ClearCalculation();
}

TFormSmithChart* TFormMain::SmithChart() const {
    return smithChart_;
}

void TFormMain::MenuSmithChartClick() {
    if (!smithChart_)
        smithChart_ = new TFormSmithChart(context_, dialogs_, this);
    smithChart_->ShowInFront();
}

void TFormMain::MenuPreferencesClick() {
    if (!config_)
        return;
    if (Options()->Execute(*config_) != QDialog::Accepted)
        return;
    context_.standardSeries = ReadStandardSeries();
    if (context_.calculator && context_.calculation)
        context_.calculator->ShowCalculation();
}

void TFormMain::MenuHelpTopicsClick() {
    help_->ShowContents();
}

void TFormMain::MenuCompanyClick() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(CompanyAddress)));
}

void TFormMain::MenuHomepageClick() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomepageAddress)));
}

void TFormMain::MenuAboutClick() {
    About()->exec();
}
