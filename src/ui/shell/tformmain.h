#pragma once

#include "core/calctypes.h"
#include "core/messages.h"
#include "ui/calculators/rf/advicepopup.h"
#include "ui/framework/appcontext.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class HelpViewer;
class QAction;
class QLabel;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class RConfig;
class RStatusPanel;
class RTabControl;
class RWorksheet;
class TFormAbout;
class TFormMessage;
class TFormOptions;
class TFormProblem;
class TFormSmithChart;
class TFormSplash;
class UserDialogs;

// The main window: the tree of calculation types, the tabs of the chosen
// type's calculations with the calculator above them, the status bar line
// and the menu. It owns the worksheet, the configuration and every form; a
// form is built when it is first needed.
class TFormMain final : public QMainWindow, private MessageSink, private AdvicePopup {
    Q_OBJECT

public:
    explicit TFormMain(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The window's own controls, created once after the splash has been
    // painted (or at the first showing, whichever comes first). The About box
    // shows the splash's picture.
    void CreateForms(TFormSplash* splash = nullptr);
    // A worksheet to open once the window is first shown.
    void SetStartupFile(const QString& path) { startupFile_ = path; }
    // Where the configuration lives; by default beside the program, or in the
    // user's configuration folder when the program is installed or its folder
    // cannot be written.
    void SetConfigFileName(const QString& path) { configFileName_ = path; }

    // Published to every calculator through the message utilities.
    void ShowWarning(const QString& text) override;
    void ClearWarning() override;

    // Commands.
    bool ConfirmCloseWorksheet();
    void NewWorksheet();
    bool OpenWorksheet(const QString& path);
    bool SaveWorksheet();
    bool SaveWorksheetAs();
    void UpdateHistoryMenu();
    void ShowType(int type);
    void MarkCurrentType();
    void FillTabs();
    void UpdateCaption();

    // What the window shows, for the program's own parts and for tests.
    RWorksheet* Worksheet() const { return worksheet_.get(); }
    RConfig* Config() const { return config_.get(); }
    RCalculation* CurrentCalculation() const { return context_.calculation; }
    TFormProblem* CurrentCalculator() const { return context_.calculator; }
    // The calculator form of a type, built at the first asking.
    TFormProblem* Calculator(int type);
    RTabControl* Tabs() const { return tabs_; }
    RStatusPanel* StatusPanel() const { return status_; }
    HelpViewer* Help() const { return help_; }
    // The dialogs and the advice window, each built at the first asking.
    TFormOptions* Options();
    TFormAbout* About();
    TFormMessage* Message();
    // The Smith chart window; nullptr until the user first opens it.
    TFormSmithChart* SmithChart() const;
    bool IsShutDown() const { return shutDown_; }

    void MenuNewWorksheetClick();
    void MenuOpenWorksheetClick();
    void MenuSaveWorksheetClick() { SaveWorksheet(); }
    void MenuSaveAsClick() { SaveWorksheetAs(); }
    void MenuHistoryClick(QAction* entry);
    void MenuPrintReportClick();
    void MenuExportReportClick();
    // Writes the report in the format the file's extension names; a failed
    // write is reported and leaves an earlier file of that name unchanged.
    bool ExportReport(const QString& path);
    void MenuExitClick();
    void MenuCutClick();
    void MenuCopyClick();
    void MenuPasteClick();
    void MenuDeleteClick();
    // Cut, Paste and Delete are offered unless a read-only box has the focus,
    // where they can change nothing.
    void UpdateEditMenu();
    void MenuNewCalculationClick();
    void MenuRenameCalculationClick();
    void MenuDeleteCalculationClick();
    void MenuCalculateClick();
    void MenuClearClick();
    void MenuSmithChartClick();
    void MenuPreferencesClick();
    void MenuHelpTopicsClick();
    void MenuCompanyClick();
    void MenuHomepageClick();
    void MenuAboutClick();

    static const char* const CompanyAddress;
    static const char* const HomepageAddress;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // MessageSink
    void ShowBox(MessageBoxKind kind, const QString& text) override;
    void Terminate() override;
    // AdvicePopup: the antenna calculator's advice, in the window built for
    // it at the first advice.
    void ShowAdvice(int kind, const QString& first, const QString& second, int left, int top,
                    int right, int bottom) override;
    // The calculation types with the configured default units.
    TypeCatalog Catalog() const;

    void FormCreate();
    void BuildMenu();
    void BuildTree();
    // The page fits the largest calculator as the type table declares them
    // and any panel built, so that the window keeps its size from one type
    // to another.
    void FitPageToCalculators(QSize panel = QSize());
    QWidget* BuildHeader(const QString& panelName, const QString& labelName, const QString& text,
                         QLabel** label);
    void FormShow();
    void LoadConfiguration();
    void ApplyWindowPlacement();
    void StoreWindowPlacement();
    void ShutDown();
    void TreeTypeClick(QTreeWidgetItem* item);
    void TabCalculationChange(int index);
    void FocusFirstEdit();
    void StoreLastFolder(const QString& path);
    void DropWorksheet();
    // False, with the error shown, when a calculation already has the name.
    bool NameIsFree(const QString& name) const;

    UserDialogs& dialogs_;
    MessageSink* previousSink_;
    AppContext context_;
    std::unique_ptr<RWorksheet> worksheet_;
    std::unique_ptr<RConfig> config_;
    std::array<TFormProblem*, CalcTypeCount + 1> calculatorTable_{};
    QPointer<TFormProblem> hosted_; // the calculator whose panel the tabs hold
    HelpViewer* help_ = nullptr;
    TFormOptions* options_ = nullptr;
    TFormAbout* about_ = nullptr;
    TFormMessage* message_ = nullptr; // the antenna calculator's advice
    QPointer<TFormSplash> splash_;    // whose picture the About box shows
    QPointer<TFormSmithChart> smithChart_; // a window of its own, owned by this one

    QSplitter* splitter_ = nullptr;
    int treeWidth_ = 173;
    QTreeWidget* tree_ = nullptr;
    QLabel* labelCalculation_ = nullptr;
    RTabControl* tabs_ = nullptr;
    RStatusPanel* status_ = nullptr;
    QAction* historySeparator_ = nullptr;
    std::array<QAction*, 4> history_{};
    std::array<QAction*, 3> textChanging_{}; // Cut, Paste, Delete

    QRect placement_; // where the first showing put the window
    QString startupFile_;
    QString configFileName_;
    bool shown_ = false;
    bool shutDown_ = false;
};
