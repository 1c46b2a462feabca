#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class RSmithChart;
class UserDialogs;
struct AppContext;
struct SmithChart;

// The Smith chart of the current calculation in a window of its own beside
// the main window. It follows the calculation the main window shows and
// redraws after every change to it; its placement, Z0 and grid choice are
// remembered in the user's settings.
class TFormSmithChart final : public QWidget {
    Q_OBJECT

public:
    TFormSmithChart(AppContext& context, UserDialogs& dialogs, QWidget* parent);
    ~TFormSmithChart() override;

    // Shows the window where it was last time, in front.
    void ShowInFront();
    // The current calculation changed, or another became current: the
    // chart is redrawn once the event at hand has been handled, so that a
    // keystroke that changes the calculation twice draws it once.
    void CalculationChanged();
    // Draws the current calculation now.
    void Redraw();

    RSmithChart* Chart() const { return chart_; }

    void ButtonExportClick();
    void ButtonPrintClick();
    // Writes the chart as SVG or, for any other extension, PNG; a failed
    // write is reported and leaves an earlier file of that name unchanged.
    bool ExportChart(const QString& path);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* BuildControls();
    void ShowReference(const SmithChart& chart);
    double ChosenZ0() const;
    QString Title() const;
    void StoreSettings() const;

    AppContext& context_;
    UserDialogs& dialogs_;
    QLineEdit* editZ0_;
    QCheckBox* checkAdmittance_;
    RSmithChart* chart_;
    QListWidget* list_;
    QLabel* note_;
    QPushButton* buttonExport_;
    QPushButton* buttonPrint_;
    QTimer* pending_;
    QString chosenZ0_; // the user's Z0 while the box shows a calculation's own
    bool showingOwnZ0_ = false;
    bool placed_ = false;
};
