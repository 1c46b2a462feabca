#pragma once

#include "support/testsettings.h"

#include "core/calctypes.h"
#include "core/messages.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "ui/framework/userdialogs.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/shell/tformmain.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtEndian>

#include <functional>
#include <memory>
#include <optional>

// What a file holds; empty when it cannot be read.
inline QByteArray ContentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers every question, message box, file dialog and input box of the main
// window from a script and records what was asked, in order.
class RecordingDialogs final : public UserDialogs {
public:
    enum class Call {
        Question,
        Message,
        OpenFile,
        SaveFile,
        Text,
        Color,
        ReportFile,
        Print,
        ChartFile
    };

    struct Record {
        Call call = Call::Question;
        QString title;   // file dialogs and input boxes
        QString text;    // the question, the message or the prompt
        QString folder;  // file dialogs: the folder they start in
        QString initial; // input boxes: the text filled in
        int maxLength = 0;
        bool withCancel = false;
        UserDialogs::Answer defaultAnswer = UserDialogs::Answer::Yes; // questions: Enter's
        MessageBoxKind kind = MessageBoxKind::Error;
    };

    QList<Record> records;
    // Questions, in turn; PressEnter() takes the question's default button.
    QList<std::optional<Answer>> answers;
    QList<std::optional<QString>> openPaths; // nullopt cancels the dialog
    QList<std::optional<QString>> savePaths;
    QList<std::optional<QString>> reportPaths; // the report's save dialog
    QList<std::optional<QString>> chartPaths;  // the chart's save dialog
    QStringList printed;                       // documents shown in the print preview, as text
    // Input boxes: nullopt cancels; an entry holding a null QString accepts
    // the text as filled in.
    QList<std::optional<QString>> texts;
    int unscripted = 0; // calls that found no scripted answer (they cancel)
    // Called for each message box, where a real one would run its own event loop.
    std::function<void()> whileMessageShown;

    void PressEnter() { answers << std::nullopt; }
    void AcceptProposal() { texts << std::optional<QString>(QString()); }
    void EnterText(const QString& text) {
        texts << std::optional<QString>(text.isNull() ? QStringLiteral("") : text);
    }
    void CancelText() { texts << std::nullopt; }

    QList<Record> Of(Call call) const {
        QList<Record> found;
        for (const Record& record : records)
            if (record.call == call)
                found << record;
        return found;
    }
    QStringList Questions() const { return Texts(Call::Question); }
    QStringList Messages() const { return Texts(Call::Message); }
    bool AnyFatal() const {
        for (const Record& record : Of(Call::Message))
            if (record.kind == MessageBoxKind::Fatal)
                return true;
        return false;
    }

    Answer Ask(QWidget*, const QString& question, bool withCancel, Answer defaultAnswer) override {
        Record record;
        record.call = Call::Question;
        record.text = question;
        record.withCancel = withCancel;
        record.defaultAnswer = defaultAnswer;
        records << record;
        if (answers.isEmpty()) {
            ++unscripted;
            return withCancel ? Answer::Cancel : Answer::No;
        }
        return answers.takeFirst().value_or(defaultAnswer);
    }
    void ShowMessage(QWidget*, MessageBoxKind kind, const QString& text) override {
        Record record;
        record.call = Call::Message;
        record.text = text;
        record.kind = kind;
        records << record;
        if (whileMessageShown)
            whileMessageShown();
    }
    bool GetOpenFileName(QWidget*, const QString& title, const QString& folder,
                         QString& path) override {
        return FileDialog(Call::OpenFile, openPaths, title, folder, path);
    }
    bool GetSaveFileName(QWidget*, const QString& title, const QString& folder,
                         QString& path) override {
        return FileDialog(Call::SaveFile, savePaths, title, folder, path);
    }
    bool GetText(QWidget*, const QString& title, const QString& prompt, int maxLength,
                 QString& text) override {
        Record record;
        record.call = Call::Text;
        record.title = title;
        record.text = prompt;
        record.initial = text;
        record.maxLength = maxLength;
        records << record;
        if (texts.isEmpty()) {
            ++unscripted;
            return false;
        }
        const std::optional<QString> answer = texts.takeFirst();
        if (!answer)
            return false;
        if (!answer->isNull())
            text = *answer;
        return true;
    }
    bool GetColor(QWidget*, QColor&) override {
        Record record;
        record.call = Call::Color;
        records << record;
        ++unscripted;
        return false;
    }
    bool GetReportFileName(QWidget*, const QString& proposed, QString& path) override {
        Record record;
        record.call = Call::ReportFile;
        record.initial = proposed;
        return Scripted(record, reportPaths, path);
    }
    bool GetChartFileName(QWidget*, const QString& proposed, QString& path) override {
        Record record;
        record.call = Call::ChartFile;
        record.initial = proposed;
        return Scripted(record, chartPaths, path);
    }
    void PrintPreview(QWidget*, QTextDocument& document) override {
        Record record;
        record.call = Call::Print;
        records << record;
        printed << document.toPlainText();
    }

private:
    // Records a file dialog and answers it from its script.
    bool Scripted(const Record& record, QList<std::optional<QString>>& script, QString& path) {
        records << record;
        if (script.isEmpty()) {
            ++unscripted;
            return false;
        }
        const std::optional<QString> answer = script.takeFirst();
        if (answer)
            path = *answer;
        return answer.has_value();
    }
    QStringList Texts(Call call) const {
        QStringList found;
        for (const Record& record : Of(call))
            found << record.text;
        return found;
    }
    bool FileDialog(Call call, QList<std::optional<QString>>& script, const QString& title,
                    const QString& folder, QString& path) {
        Record record;
        record.call = call;
        record.title = title;
        record.folder = folder;
        return Scripted(record, script, path);
    }
};

// One main window as the program starts it, in a folder of its own, driven
// through its real widgets.
class MainWindowHarness {
public:
    MainWindowHarness() : window_(std::make_unique<TFormMain>(dialogs)) {}
    ~MainWindowHarness() { window_.reset(); }

    RecordingDialogs dialogs;

    // Shows the window for the first time; it becomes the active window so
    // that its shortcuts and the keyboard focus work.
    bool Start() {
        UseTestSettings();
        window_->SetConfigFileName(ConfigPath());
        window_->CreateForms();
        window_->show();
        window_->activateWindow();
        return QTest::qWaitForWindowActive(window_.get());
    }

    TFormMain& Window() const { return *window_; }
    QString Folder() const { return folder_.path(); }
    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString ConfigPath() const { return Path(QStringLiteral("Kelvo.cfg")); }

    template <class T> T* Find(const QString& name) const { return window_->findChild<T*>(name); }
    QLineEdit* Edit(const QString& name) const { return Find<QLineEdit>(name); }
    QAction* Action(const QString& name) const { return Find<QAction>(name); }
    QTreeWidget* Tree() const { return Find<QTreeWidget>(QStringLiteral("TreeType")); }
    QString Caption() const { return Find<QLabel>(QStringLiteral("LabelCalculation"))->text(); }

    void Trigger(const QString& action) const {
        QAction* found = Action(action);
        QVERIFY2(found, qPrintable(action));
        found->trigger();
    }

    // Replaces the edit's text by typing, as a user who selected it all would.
    void Type(const QString& editName, const QString& text) const {
        QLineEdit* edit = Edit(editName);
        QVERIFY2(edit, qPrintable(editName));
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        if (text.isEmpty() && !edit->text().isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // Adds keystrokes at the end of what the edit holds.
    void Append(const QString& editName, const QString& text) const {
        QLineEdit* edit = Edit(editName);
        QVERIFY2(edit, qPrintable(editName));
        edit->setFocus(Qt::MouseFocusReason);
        edit->end(false);
        QTest::keyClicks(edit, text);
    }

    void Click(const QString& widgetName) const {
        auto* widget = Find<QWidget>(widgetName);
        QVERIFY2(widget, qPrintable(widgetName));
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    QTreeWidgetItem* TreeItem(const QString& caption) const {
        const QList<QTreeWidgetItem*> found =
            Tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    }
    void ClickTreeItem(const QString& caption) const {
        QTreeWidgetItem* item = TreeItem(caption);
        QVERIFY2(item, qPrintable(caption));
        Tree()->scrollToItem(item);
        const QRect rect = Tree()->visualItemRect(item);
        QVERIFY(!rect.isEmpty());
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    RTabControl* Tabs() const { return window_->Tabs(); }
    QStringList TabCaptions() const {
        QStringList captions;
        for (int i = 0; i < Tabs()->Count(); ++i)
            captions << Tabs()->TabCaption(i);
        return captions;
    }
    // The middle of a tab where the strip hangs at the bottom of the control.
    QPoint TabPoint(int index) const {
        const QRect rect = Tabs()->GetTabRect(index);
        return QPoint(rect.center().x(),
                      Tabs()->height() - Tabs()->GetTabHeight() + rect.center().y());
    }
    void ClickTab(int index) const {
        const QPoint point = TabPoint(index);
        QCOMPARE(Tabs()->TabAt(point), index);
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, point);
    }

    QByteArray ConfigBytes() const { return ContentsOf(ConfigPath()); }

private:
    QTemporaryDir folder_;
    std::unique_ptr<TFormMain> window_;
};

// Worksheet files byte by byte, for files the program itself would never write.
class WorksheetBytes {
public:
    WorksheetBytes& Magic(const char* magic) {
        bytes_.append(magic, 4);
        return *this;
    }
    WorksheetBytes& Int(qint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes_.append(raw, 4);
        return *this;
    }
    WorksheetBytes& Byte(quint8 value) {
        bytes_.append(char(value));
        return *this;
    }
    WorksheetBytes& Text(const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        Int(qint32(utf8.size()));
        bytes_.append(utf8);
        return *this;
    }
    // One field record without solutions.
    WorksheetBytes& Field(const QString& text, int unitIndex, int unitKind) {
        return Text(text).Text(QString()).Int(unitIndex).Int(unitKind).Int(0);
    }
    // The head of a calculation record up to its field count; the fields and
    // the solution follow.
    WorksheetBytes& CalculationHead(int type, const QString& name, bool current, int fieldCount,
                                    int configuration = 0, int unknown = 0) {
        return Int(type)
            .Text(name)
            .Byte(current ? 1 : 0)
            .Int(configuration)
            .Int(unknown)
            .Int(0)
            .Int(fieldCount);
    }
    // A calculation with empty fields of one unit kind.
    WorksheetBytes& Calculation(int type, const QString& name, bool current,
                                const QList<int>& unitKinds) {
        CalculationHead(type, name, current, int(unitKinds.size()));
        for (int kind : unitKinds)
            Field(QString(), 0, kind);
        return Int(-1);
    }
    const QByteArray& Bytes() const { return bytes_; }

    bool Save(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes_) == bytes_.size();
    }

private:
    QByteArray bytes_;
};

inline qint32 Int32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// A worksheet file as the program writes it: the default worksheet with R1
// of Resistor1 holding the given text. Returns the path, empty on failure.
inline QString WriteWorksheet(const QString& path, const QString& r1) {
    RConfig config;
    TypeCatalog catalog(config);
    RWorksheet sheet;
    sheet.CreateDefault(catalog);
    sheet.CurrentIndex = 0;
    sheet.At(0)->Field(0).text = r1;
    sheet.FileName = path;
    return sheet.Write() ? path : QString();
}

// The path as the newest recent file, as opening it would leave it.
inline void Remember(MainWindowHarness& h, const QString& path) {
    h.Window().Config()->AddRecentFile(path);
    h.Window().UpdateHistoryMenu();
}

inline bool Checked(const MainWindowHarness& h, const QString& radio) {
    auto* button = h.Find<QRadioButton>(radio);
    return button && button->isChecked();
}
