#pragma once

#include "support/filebytes.h"
#include "support/recordingdialogs.h"
#include "support/testsettings.h"

#include "core/calctypes.h"
#include "core/messages.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/shell/tformmain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

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

    QByteArray ConfigBytes() const { return FileBytes::Load(ConfigPath()); }

private:
    QTemporaryDir folder_;
    std::unique_ptr<TFormMain> window_;
};

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
