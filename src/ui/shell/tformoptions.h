#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QTabWidget;
class RColorSwatch;
class RConfig;
class UserDialogs;

// The "Preferences" dialog. It edits the preference members of the
// configuration, and the standard-values series kept beside it
// (standardseriessetting.h), and stores them only on OK with a valid
// precision; Reset stores the factory preferences at once.
class TFormOptions final : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2500;

    TFormOptions(UserDialogs& dialogs, std::function<void(int context)> showHelp,
                 QWidget* parent = nullptr);

    // Loads the controls from the configuration and runs the dialog modally;
    // QDialog::Accepted when OK stored the new preferences.
    int Execute(RConfig& config);

    // What every showing does: the controls from the configuration, and the
    // "General" page in front.
    void Load(RConfig& config);

    void ButtonOKClick();
    void ButtonCancelClick();
    void ButtonResetClick();
    void ButtonHelpClick();
    void ShapeUnknownForegroundMouseDown();
    void ShapeUnknownBackgroundMouseDown();

private:
    struct UnitGroup {
        int kind;
        QGroupBox* box;
        QButtonGroup* radios;
    };

    QWidget* BuildGeneralPage();
    void AddStandardValues(QGridLayout* layout, QWidget* group);
    QWidget* BuildUnitPage(int page);
    void EqualizeUnitGroupWidths();
    QWidget* BuildBottomPanel();
    void LoadControls();
    void PickColor(RColorSwatch& swatch);
    void CenterOnScreen();

    UserDialogs& dialogs_;
    std::function<void(int)> showHelp_;
    RConfig* config_ = nullptr;

    QTabWidget* pages_ = nullptr;
    QWidget* tabGeneral_ = nullptr;
    QLineEdit* editPrecision_ = nullptr;
    QCheckBox* checkAutoCalculate_ = nullptr;
    QComboBox* comboStandardValues_ = nullptr; // item data: the series' name
    RColorSwatch* shapeForeground_ = nullptr;
    RColorSwatch* shapeBackground_ = nullptr;
    std::vector<UnitGroup> unitGroups_; // in the order OK stores them
};
