#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class RCalculation;
class RDesignFrequencyBox;
class RField;
class RSchematic;
struct AppContext;
struct CalcTypeInfo;
struct SolveResult;
struct SolveSpec;

// The base of every calculator form. A calculator declares its boxes and
// radio groups; this base builds the controls, binds them to the shared
// handlers and shows and edits whichever calculation of the type is current.
// It calculates the way the type table declares: the core solves and stores,
// the form shows what came of it. The form is never a window: the main
// window hosts its panel.
class TFormProblem : public QObject {
    Q_OBJECT

public:
    TFormProblem(AppContext& context, const QString& caption, QObject* parent = nullptr);
    // A calculator of a type from the type table: its caption, type word,
    // fresh calculations and help topic all come from the table.
    TFormProblem(AppContext& context, int type, QObject* parent = nullptr);
    ~TFormProblem() override;

    const QString& Caption() const { return caption_; }
    QWidget* PanelMain() const { return panel_; }

    virtual QString GetTypeName() const;
    virtual void InitCalculation(RCalculation& calculation) const;
    virtual void Calculate();
    virtual void ShowHelp();
    virtual QWidget* GetControl(int tag) const;
    // Marks the fields the chosen unknown writes in the unknown's colours,
    // read-only, gives the fields of the type's other unknowns the normal
    // look (no other edit is touched), checks the Unknown radio and shows
    // the extra boxes with what the calculation holds.
    virtual void ShowUnknown();
    virtual void ShowConfiguration() {}
    virtual void ShowSolutions() {}
    virtual void ClearCalculation();
    virtual void ShowCalculation();
    void ShowField(int fieldIndex);
    // The same with the solution to show where the field has one (-1 none).
    void ShowField(int fieldIndex, int solution);
    // The field as its box shows it: the solution that was selected when the
    // box was last drawn, where the field has it, else the field itself (a
    // design draws its result before it selects Solution 1); nullptr for a
    // field the calculation does not have.
    RField* ShownField(int fieldIndex) const;
    // The field a change of configuration empties: the first the
    // calculation's unknown writes; nullptr for a type without configurations.
    virtual RField* GetUnknownField() const;
    virtual bool AlwaysCalculates() const { return false; }

    // The component lines beneath the boxes, written again from the current
    // calculation: each box shows the parts for the value it shows. The
    // fields of a solve that failed have none until they hold a new answer.
    void RefreshComponentLines();
    // The box of the design frequency; nullptr where the type has none.
    RDesignFrequencyBox* DesignFrequencyBox() const { return designFrequency_; }

    // Shared handlers, bound to the controls the base builds.
    void EditValueChange(int tag);
    void EditImagChange(int tag);
    void RadioClick(int tag);
    void UnknownClick(int position);
    void ConfigClick(int tag);
    void SolutionClick(int tag);
    void ButtonCalculateClick() { Calculate(); }
    void ButtonClearClick() { ClearCalculation(); }
    void ButtonHelpClick() { ShowHelp(); }
    void RadioEnter(int tag);
    void RadioExit(int tag);
    void ImageOhmClick(int tag);
    void DesignFrequencyChange();
    void DesignFrequencyUnitClick(int unit);

    // The plain and the focused ohm picture.
    const QPixmap& BaseOhm() const { return baseOhm_; }
    const QPixmap& SelectedOhm() const { return selectedOhm_; }

protected:
    // One quantity's box: a value edit, optionally a "+j" edit, and the unit
    // radios of the field's kind (the ohm unit as a picture beside its radio).
    struct BoxSpec {
        int field = 0;
        QString caption;        // shown above the box
        QString boxName;        // objectName of the box frame ("BoxR1")
        QString labelName;      // objectName of the caption ("LabelR1")
        QString editName;       // "EditR1"
        QString imagName;       // "EditZ1J"; empty when the quantity is real
        QStringList radioNames; // one per unit, in unit order
        QString ohmName;        // "ImageOhm1" when unit 0 is the ohm
        int unitKind = 0;
        bool result = false; // a silver box with a dotted outline
        QPoint position;     // top left of the box in the panel
        // A picture beside the caption of a unit radio (after it), made for
        // that unit's radio; none where it gives nullptr.
        std::function<QWidget*(int unit, QRadioButton* radio)> besideRadio;
    };
    // The usual names: Edit<stem>, Edit<stem>J, Radio<stem>1, Radio<stem>2, ...
    static BoxSpec StandardBox(int field, const QString& caption, const QString& stem, int unitKind,
                               bool complex, QPoint position, const QString& ohmName = QString(),
                               bool result = false);
    // A box of the form's own type: caption, unit kind and "+j" edit come
    // from the type table, the names from the stem.
    BoxSpec TypeBox(int field, const QString& stem, QPoint position,
                    const QString& ohmName = QString(), bool result = false) const;

    // Builds the box's controls, tags them and binds them. Returns the box frame.
    QWidget* AddBox(const BoxSpec& wanted);
    // A box holding a setting the calculation keeps among its extras
    // (rextras.h) rather than in a field, such as a design's loaded Q: the
    // caption above it and one value edit, no unit. What is typed is stored
    // as typed, marks the worksheet modified and recalculates like any
    // input; Clear empties it. With onlyWhileRead the box is shown only while
    // the chosen unknown's solve reads that extra. Returns the box frame,
    // its top left at the position.
    struct ExtraBoxSpec {
        QString key;
        QString caption; // above the box, and the edit's accessible name
        QString stem;    // the names Box<stem>, Label<stem>, Edit<stem>
        bool onlyWhileRead = false;
    };
    QWidget* AddExtraBox(const ExtraBoxSpec& wanted, QPoint position);
    // A group of radios (captions in order) whose clicks give UnknownClick
    // with the radio's position, ConfigClick or SolutionClick with its tag.
    enum class GroupRole { Unknown, Configuration, Solution };
    QWidget* AddRadioGroup(GroupRole role, const QString& name, const QString& title,
                           const QStringList& radioNames, const QStringList& captions,
                           QPoint position);
    // The Unknown and the configuration group of the form's type, captioned
    // from the type table; the names are the radios' object names in order.
    QWidget* AddUnknownGroup(const QStringList& radioNames, QPoint position);
    QWidget* AddConfigurationGroup(const QString& name, const QString& title,
                                   const QStringList& radioNames, QPoint position);
    // The design frequency box with the top left of its caption at the
    // position; only a type with a design frequency adds it.
    RDesignFrequencyBox* AddDesignFrequencyBox(QPoint position);
    // Where the component line of a field's box stands. Beneath the box, its
    // top left `offset` from the box's bottom left, it may grow `width` wide
    // (never past the panel's edge) before its pieces go on rows of their
    // own; with oneRow it keeps to one row, cut short with the whole line as
    // its tooltip. Beside the box, it ends `offset` from the box's bottom
    // left, its rows aligned to the right. Moving left, it stands beneath
    // the box in one row, moved left by at most `width` as far as it needs to
    // end before the panel's edge. Without this, it stands right under the
    // box and its rows are no wider than the box.
    enum class PartSide { Beneath, Beside, MovingLeft };
    void PlacePartLine(int field, QPoint offset, int width, PartSide side = PartSide::Beneath,
                       bool oneRow = false);
    // The drawing behind the boxes.
    RSchematic* Schematic() const { return schematic_; }
    // Moves a box together with its caption.
    void MoveBox(const QString& boxName, int dx, int dy);
    // A drawing of two arrangements, the first for configuration 0 and the
    // second for any other: `move` is called with +1 to go to the second and
    // -1 back, whenever the calculation's configuration asks for the other
    // one than `drawing` (0 or 1) says is shown. Checks the configuration radio.
    void ShowTwoDrawings(int& drawing, const std::function<void(int sign)>& move);

    // The current calculation and configuration, as the main window keeps them.
    RCalculation* Calculation() const;
    // The form's entry in the type table; nullptr for the base form.
    const CalcTypeInfo* TypeInfo() const;
    AppContext& Context() const { return context_; }
    int Precision() const;

    // Checks the Unknown radio at the position and unchecks the others.
    void CheckUnknownRadio(int position);
    void CheckConfigurationRadio(int tag);
    // Checks the Solution radio with that tag; none for a tag the group lacks.
    void CheckSolutionRadio(int tag);
    // Marks the edits of the unknown quantity in the configured colours
    // and read-only; the other listed edits get the normal look.
    void MarkEdits(const QList<int>& unknownTags, const QList<int>& otherTags);
    void SetModified();
    // Whether typing into an input calculates at once: automatic
    // calculation, or a calculator that always calculates.
    bool CalculatesAsTyped() const;

    // How the current calculation is solved: its unknown's solve as the type
    // table declares it; nullptr where there is none.
    virtual const SolveSpec* CurrentSolve() const;
    // Shows what came of a solve: the fields written or emptied, the
    // solutions, the worksheet's change.
    void ShowResult(const SolveSpec& solve, const SolveResult& result);
    // Advice instead of an answer; a calculator that gives some shows it.
    virtual void ShowAdvice(const SolveResult&) {}
    // The panel's size once all controls are declared.
    void FinishLayout(QSize size);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tag a control carries (field number x 10 + its part).
    static int TagOf(const QObject* object);
    static void SetTag(QObject* object, int tag);
    void BindEdit(QLineEdit* edit, int tag, bool imaginary);
    // The unit radios of a box, one under the other (the first beside the
    // ohm picture where the box has one), tagged and bound.
    QLayout* AddUnitRadios(QWidget* box, const BoxSpec& wanted);
    // Makes the shown solution the value of every field that has one and
    // selects none; the boxes other than the edited field's are redrawn.
    void TakeShownSolution(int editedField);
    void CreatePictures();
    // The extra boxes' texts from the calculation, and which are shown.
    void ShowExtraBoxes();
    void EditExtraChange(int box);
    // The design frequency of the current calculation into its box.
    void ShowDesignFrequency();
    // After a change of the design frequency: the lines, and its message in
    // the status bar while it is not a frequency.
    void DesignFrequencyChanged();
    void ReportDesignFrequency(bool clearOwnWarning);
    void ShowPartLine(int field, const QString& text);
    // The fields of a solve that failed or stored: their lines go or come back.
    void MarkFailed(const SolveSpec& solve, bool failed);

    AppContext& context_;
    int type_ = 0; // none: the base form itself
    QString caption_;
    QWidget* panel_;
    RSchematic* schematic_;
    QPushButton* buttonCalculate_;
    QPushButton* buttonClear_;
    QPushButton* buttonHelp_;
    QLabel* imageBaseOhm_;
    QLabel* imageSelectedOhm_;
    QPixmap baseOhm_;
    QPixmap selectedOhm_;
    QHash<int, QWidget*> controls_;     // by tag
    QHash<int, int> shownSolutions_;    // by field: the solution its box shows, -1 none
    QHash<QWidget*, QLabel*> captions_; // the caption above each box
    struct ExtraBox {
        ExtraBoxSpec declared;
        QWidget* box;
        QLineEdit* edit;
    };
    QList<ExtraBox> extraBoxes_;
    // The edits the last ShowUnknown marked; the next gives them back the
    // normal look and touches no other.
    QList<int> markedTags_;
    bool markedOnce_ = false;
    QButtonGroup* unknownGroup_ = nullptr;
    QButtonGroup* configurationGroup_ = nullptr;
    QButtonGroup* solutionGroup_ = nullptr;
    // Component lines by field: the box they stand under, the box's stem,
    // the line once shown and where it stands.
    struct PartLine {
        QWidget* box = nullptr;
        QString stem;
        QLabel* label = nullptr;
        QPoint offset{0, 1};
        int width = 0; // 0: the box's
        PartSide side = PartSide::Beneath;
        bool oneRow = false;
    };
    QHash<int, PartLine> partLines_;
    QList<int> failedFields_;
    const RCalculation* failedOf_ = nullptr;
    RDesignFrequencyBox* designFrequency_ = nullptr;
    bool designWarningShown_ = false;
};
