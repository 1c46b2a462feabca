// Worksheet files through the main window: Save As, Open, the recent
// list, what a reopened worksheet shows, and files the program would never
// write itself.

#include "core/worksheetextras.h"
#include "support/mainwindowharness.h"

#include "ui/shell/rstatuspanel.h"

class TestFormMainFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void saveAs();
    void saveAsOntoExistingFile_data();
    void saveAsOntoExistingFile();
    void saveAsIntoMissingFolder();
    void folderTooLongToRemember_data();
    void folderTooLongToRemember();
    void openDialogStartsInLastFolder();
    void damagedExtrasOpenWithOneStatusLine();
    void openFromDialog();
    void openMovesRecentEntryToTop();
    void missingRecentFile();
    void ampersandInRecentName();
    void unreadableFileFromDialog();
    void reopenedWorksheetShowsTexts();
    void reopenShowsTypeOfStoredIndex();
    void onlyResistorRecords();
    void currentIndexOutside_data();
    void currentIndexOutside();
    void unknownTypeAtCurrentIndex();
    void incompleteResistorRecord_data();
    void incompleteResistorRecord();
    void noCurrentFlag();
    void severalCurrentFlags();
};

using namespace FileBytes;

namespace {

// Twenty records of the default worksheet, each of its type, with the given
// current index.
QByteArray DefaultFile(int currentIndex) {
    QList<QByteArray> calculations;
    for (int type = 1; type <= 20; ++type) {
        const CalcTypeInfo* info = FindCalcType(type);
        QList<int> kinds;
        for (const FieldSpec& field : info->fields)
            kinds << field.unitKind;
        calculations << Calculation(type, info->typeWord + QByteArray("1"), EmptyFields(kinds));
    }
    return Worksheet(calculations, currentIndex);
}

QStringList TreeTypeCaptions(QTreeWidget* tree) {
    QStringList captions;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() != 0)
            captions << (*it)->text(0);
    return captions;
}

} // namespace

void TestFormMainFiles::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestFormMainFiles::saveAs() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QVERIFY(!h.Action(QStringLiteral("MenuHistorySep"))->isVisible());
    QVERIFY(!h.Action(QStringLiteral("MenuHistory1"))->isVisible());
    h.Type(QStringLiteral("EditR1"), QStringLiteral("abc"));
    const QString path = h.Path(QStringLiteral("first.kvw"));
    h.dialogs.savePaths << path;
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);

    QCOMPARE(h.dialogs.records.size(), 1);
    QCOMPARE(h.dialogs.records.first().title, QStringLiteral("Save Worksheet"));
    QCOMPARE(h.dialogs.records.first().folder, QString());
    const QByteArray bytes = Load(path);
    QCOMPARE(bytes.left(4), QByteArray("%KVW"));
    QCOMPARE(bytes.right(4), QByteArray("%KVE"));
    QVERIFY(bytes.contains("abc"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - first"));
    QVERIFY(!w.Worksheet()->Modified);
    QCOMPARE(w.Worksheet()->FileName, path);
    QCOMPARE(w.Config()->RecentFiles, QStringList{path});
    QCOMPARE(w.Config()->LastFolder, h.Folder() + "/");
    QVERIFY(h.Action(QStringLiteral("MenuHistorySep"))->isVisible());
    QAction* entry = h.Action(QStringLiteral("MenuHistory1"));
    QVERIFY(entry->isVisible());
    QCOMPARE(entry->text(), QStringLiteral("first.kvw"));
    QCOMPARE(entry->statusTip(), path);
    QVERIFY(!h.Action(QStringLiteral("MenuHistory2"))->isVisible());

    // The next Save As starts where the last one ended; the newest name heads the list.
    const QString second = h.Path(QStringLiteral("second.kvw"));
    h.dialogs.savePaths << second;
    h.Trigger(QStringLiteral("MenuSaveAs"));
    QCOMPARE(h.dialogs.records.last().folder, h.Folder() + "/");
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - second"));
    QCOMPARE(w.Config()->RecentFiles, (QStringList{second, path}));
    QCOMPARE(h.Action(QStringLiteral("MenuHistory1"))->text(), QStringLiteral("second.kvw"));
    QCOMPARE(h.Action(QStringLiteral("MenuHistory2"))->text(), QStringLiteral("first.kvw"));
    QVERIFY(h.dialogs.Messages().isEmpty());
}

void TestFormMainFiles::saveAsOntoExistingFile_data() {
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestFormMainFiles::saveAsOntoExistingFile() {
    QFETCH(bool, overwrite);
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    const QString path = h.Path(QStringLiteral("old.kvw"));
    QVERIFY(Save(path, "old"));
    h.Type(QStringLiteral("EditR1"), QStringLiteral("5"));
    h.dialogs.savePaths << path;
    if (overwrite)
        h.dialogs.answers << UserDialogs::Answer::Yes;
    else
        h.dialogs.PressEnter(); // the default keeps the file
    h.Trigger(QStringLiteral("MenuSaveAs"));

    const QList<RecordingDialogs::Record> questions =
        h.dialogs.Of(RecordingDialogs::Call::Question);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.first().text, QStringLiteral("Overwrite file '") + path + "'?");
    QVERIFY(!questions.first().withCancel);
    QCOMPARE(questions.first().defaultAnswer, UserDialogs::Answer::No);
    QCOMPARE(Load(path).left(4), overwrite ? QByteArray("%KVW") : QByteArray("old"));
    QCOMPARE(w.Config()->LastFolder, h.Folder() + "/");
    QCOMPARE(w.Worksheet()->Modified, !overwrite);
    QCOMPARE(w.Worksheet()->FileName, overwrite ? path : QString());
    QCOMPARE(w.windowTitle(),
             overwrite ? QStringLiteral("Kelvo - old") : QStringLiteral("Kelvo - Untitled"));
    QCOMPARE(w.Config()->RecentFiles, overwrite ? QStringList{path} : QStringList());
}

void TestFormMainFiles::saveAsIntoMissingFolder() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("5"));
    w.Config()->LastFolder = QStringLiteral("/nowhere/");
    const QString path = h.Path(QStringLiteral("missing/x.kvw"));
    h.dialogs.savePaths << path;
    h.Trigger(QStringLiteral("MenuSaveAs"));
    QCOMPARE(h.dialogs.Messages(),
             QStringList{QStringLiteral("Error: Could not open file '") + path + "' for writing."});
    QVERIFY(!QFile::exists(path));
    // The worksheet keeps the name it was to be written under.
    QCOMPARE(w.Worksheet()->FileName, path);
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - x"));
    QVERIFY(w.Worksheet()->Modified);
    QVERIFY(w.Config()->RecentFiles.isEmpty());
    QCOMPARE(w.Config()->LastFolder, QStringLiteral("/nowhere/"));
}

void TestFormMainFiles::folderTooLongToRemember_data() {
    QTest::addColumn<bool>("save"); // Save As, else Open
    QTest::newRow("Save As") << true;
    QTest::newRow("Open") << false;
}

// A folder whose path the configuration file cannot hold (over 1023 bytes)
// is neither remembered nor in the recent list; the configuration is still
// written at exit with everything else.
void TestFormMainFiles::folderTooLongToRemember() {
    QFETCH(bool, save);
    MainWindowHarness h;
    QString folder = h.Folder();
    while (folder.toUtf8().size() <= 1100)
        folder += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/long.kvw");
    if (!save)
        QVERIFY(!WriteWorksheet(path, QStringLiteral("47")).isEmpty());
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    const QString remembered = h.Folder() + "/";
    w.Config()->LastFolder = remembered;

    if (save) {
        h.Type(QStringLiteral("EditR1"), QStringLiteral("47"));
        h.dialogs.savePaths << path;
        h.Trigger(QStringLiteral("MenuSaveAs"));
        QVERIFY(!w.Worksheet()->Modified);
    } else {
        h.dialogs.openPaths << path;
        h.Trigger(QStringLiteral("MenuOpenWorksheet"));
        QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("47"));
    }
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - long"));
    QCOMPARE(w.Config()->LastFolder, remembered);
    QVERIFY(w.Config()->RecentFiles.isEmpty());

    w.Config()->Precision = 6;
    w.close();
    QVERIFY(w.IsShutDown());
    QVERIFY(h.dialogs.Messages().isEmpty());
    RConfig written;
    written.FileName = h.ConfigPath();
    QVERIFY(written.Read());
    QCOMPARE(written.LastFolder, remembered);
    QCOMPARE(written.Precision, 6);
    QCOMPARE(QSize(written.Width, written.Height), w.size());
}

void TestFormMainFiles::openDialogStartsInLastFolder() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Window().Config()->LastFolder = h.Folder() + "/";
    h.dialogs.openPaths << std::nullopt;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QCOMPARE(h.dialogs.records.size(), 1);
    QCOMPARE(h.dialogs.records.first().call, RecordingDialogs::Call::OpenFile);
    QCOMPARE(h.dialogs.records.first().title, QStringLiteral("Open Worksheet"));
    QCOMPARE(h.dialogs.records.first().folder, h.Folder() + "/");
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - Untitled"));
    QVERIFY(h.Window().Config()->RecentFiles.isEmpty());
}

// A worksheet whose extension block is of another version opens with its
// calculations; the status bar says in one line that the extras are gone.
void TestFormMainFiles::damagedExtrasOpenWithOneStatusLine() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("later.kvw"));
    QByteArray bytes = Worksheet({Calculation(1, "Resistor1", {Field("42"), Field(), Field()})});
    bytes += QByteArray("%KVX") + QByteArray::fromHex("63000000") + QByteArray(8, '\0');
    QVERIFY(Save(path, bytes));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Messages().isEmpty());
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("42"));
    QVERIFY(h.Window().StatusPanel()->Warning());
    QCOMPARE(h.Window().StatusPanel()->Text(), ExtrasDroppedMessage());
}

void TestFormMainFiles::openFromDialog() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    QTemporaryDir elsewhere;
    const QString path =
        WriteWorksheet(elsewhere.filePath(QStringLiteral("dipole.old.kvw")), QStringLiteral("42"));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Questions().isEmpty()); // nothing was modified
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - dipole.old"));
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("42"));
    QCOMPARE(QApplication::focusWidget(), h.Edit(QStringLiteral("EditR1")));
    QCOMPARE(h.Window().Config()->RecentFiles, QStringList{path});
    QCOMPARE(h.Window().Config()->LastFolder, elsewhere.path() + "/");
    QCOMPARE(h.Action(QStringLiteral("MenuHistory1"))->text(), QStringLiteral("dipole.old.kvw"));
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMainFiles::openMovesRecentEntryToTop() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString a = WriteWorksheet(h.Path(QStringLiteral("a.kvw")), QStringLiteral("1"));
    const QString b = WriteWorksheet(h.Path(QStringLiteral("b.kvw")), QStringLiteral("2"));
    Remember(h, a);
    Remember(h, b);
    QCOMPARE(h.Action(QStringLiteral("MenuHistory2"))->text(), QStringLiteral("a.kvw"));
    h.Window().Config()->LastFolder = QStringLiteral("/nowhere/");

    h.Trigger(QStringLiteral("MenuHistory2"));
    QCOMPARE(h.Window().Config()->RecentFiles, (QStringList{a, b}));
    QCOMPARE(h.Action(QStringLiteral("MenuHistory1"))->text(), QStringLiteral("a.kvw"));
    QCOMPARE(h.Action(QStringLiteral("MenuHistory1"))->statusTip(), a);
    QCOMPARE(h.Action(QStringLiteral("MenuHistory2"))->statusTip(), b);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("1"));
    QCOMPARE(h.Window().Config()->LastFolder, QStringLiteral("/nowhere/"));
}

void TestFormMainFiles::missingRecentFile() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString missing = h.Path(QStringLiteral("gone.kvw"));
    Remember(h, missing);
    h.Type(QStringLiteral("EditR1"), QStringLiteral("9"));
    h.Window().Worksheet()->Modified = false;
    h.Trigger(QStringLiteral("MenuHistory1"));

    QCOMPARE(h.dialogs.Messages(),
             QStringList{QStringLiteral("Error: Could not read the file '") + missing + "'."});
    QCOMPARE(h.dialogs.records.first().kind, MessageBoxKind::Error);
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - Untitled"));
    QVERIFY(h.Window().Worksheet()->FileName.isEmpty());
    QCOMPARE(h.Window().Worksheet()->Count(), 20);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QString());
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QCOMPARE(h.Window().Config()->RecentFiles, QStringList{missing});
    QVERIFY(h.Action(QStringLiteral("MenuHistory1"))->isVisible());
    QVERIFY(!h.dialogs.AnyFatal());
}

void TestFormMainFiles::ampersandInRecentName() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("R&D.kvw"));
    Remember(h, path);
    QAction* entry = h.Action(QStringLiteral("MenuHistory1"));
    QCOMPARE(entry->text(), QStringLiteral("R&&D.kvw"));
    QCOMPARE(entry->statusTip(), path);
    QVERIFY(!QFile::exists(path));
    entry->trigger();
    QCOMPARE(h.dialogs.Messages(),
             QStringList{QStringLiteral("Error: Could not read the file '") + path + "'."});
}

void TestFormMainFiles::unreadableFileFromDialog() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("foreign.kvw"));
    QVERIFY(Save(path, "%PDF" + Int32(0)));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QCOMPARE(h.dialogs.Messages(), QStringList{QStringLiteral("Error: The file '") + path +
                                               "' did not contain a valid worksheet."});
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - Untitled"));
    QVERIFY(h.Window().Config()->RecentFiles.isEmpty());
    // The folder is remembered even though the file could not be read.
    QCOMPARE(h.Window().Config()->LastFolder, h.Folder() + "/");
}

void TestFormMainFiles::reopenedWorksheetShowsTexts() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    h.Type(QStringLiteral("EditR1"), QStringLiteral("abc"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("1e3"));
    QCOMPARE(h.Edit(QStringLiteral("EditR2"))->text(), QStringLiteral("1e3"));
    h.Click(QStringLiteral("RadioRout3"));
    h.Click(QStringLiteral("RadioSeries"));
    h.Click(QStringLiteral("RadioR2"));
    QCOMPARE(w.CurrentCalculation()->Field(1).text, QStringLiteral("1e3"));
    const QString path = h.Path(QStringLiteral("texts.kvw"));
    h.dialogs.savePaths << path;
    h.Trigger(QStringLiteral("MenuSaveAs"));
    h.Trigger(QStringLiteral("MenuNewWorksheet"));
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QString());
    QVERIFY(!Checked(h, QStringLiteral("RadioSeries")));

    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Questions().isEmpty());
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("abc"));
    QCOMPARE(h.Edit(QStringLiteral("EditR2"))->text(), QStringLiteral("1000"));
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QString());
    QCOMPARE(w.CurrentCalculation()->Field(1).text, QStringLiteral("1e3"));
    QVERIFY(Checked(h, QStringLiteral("RadioRout3")));
    QVERIFY(Checked(h, QStringLiteral("RadioSeries")));
    QVERIFY(Checked(h, QStringLiteral("RadioR2")));
    QVERIFY(h.Edit(QStringLiteral("EditR2"))->isReadOnly());
    QVERIFY(!w.Worksheet()->Modified);

    // Editing the box stores what it now shows.
    h.Append(QStringLiteral("EditR1"), QStringLiteral("d"));
    QCOMPARE(w.CurrentCalculation()->Field(0).text, QStringLiteral("abcd"));
    QCOMPARE(w.CurrentCalculation()->Field(1).text, QStringLiteral("1e3"));
    QVERIFY(w.Worksheet()->Modified);
}

void TestFormMainFiles::reopenShowsTypeOfStoredIndex() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.ClickTreeItem(QStringLiteral("Capacitor"));
    h.dialogs.AcceptProposal();
    h.Trigger(QStringLiteral("MenuNewCalculation"));
    h.ClickTab(1); // already chosen: the stored index stays
    h.ClickTreeItem(QStringLiteral("T Network"));
    const QString path = h.Path(QStringLiteral("index.kvw"));
    h.dialogs.savePaths << path;
    h.Trigger(QStringLiteral("MenuSaveAs"));
    h.Trigger(QStringLiteral("MenuNewWorksheet"));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));

    h.ClickTreeItem(QStringLiteral("Capacitor"));
    h.ClickTab(0);
    h.ClickTreeItem(QStringLiteral("T Network"));
    h.Trigger(QStringLiteral("MenuSaveWorksheet"));
    h.Trigger(QStringLiteral("MenuNewWorksheet"));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QCOMPARE(h.Caption(), QStringLiteral("Capacitor:"));
    QCOMPARE(h.TabCaptions(), (QStringList{"Capacitor1", "Capacitor2"}));
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QCOMPARE(h.Window().Worksheet()->CurrentIndex, 1);
    QVERIFY(h.dialogs.Messages().isEmpty());
}

void TestFormMainFiles::onlyResistorRecords() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("three.kvw"));
    const QList<QByteArray> ohms = EmptyFields({0, 0, 0});
    QVERIFY(Save(path, Worksheet({Calculation(1, "Resistor1", ohms),
                                  Calculation(1, "Resistor2", ohms, -1, false),
                                  Calculation(1, "Resistor3", ohms, -1, false)})));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QCOMPARE(h.TabCaptions(), (QStringList{"Resistor1", "Resistor2", "Resistor3"}));

    for (const QString& node : TreeTypeCaptions(h.Tree())) {
        h.ClickTreeItem(node);
        QVERIFY2(h.Tabs()->Count() >= 1, qPrintable(node));
        QVERIFY2(h.Window().CurrentCalculation(), qPrintable(node));
        QCOMPARE(h.Window().CurrentCalculation()->Type(),
                 h.TreeItem(node)->data(0, Qt::UserRole).toInt());
    }
    h.ClickTreeItem(QStringLiteral("Capacitor"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Capacitor1")});
    QCOMPARE(h.Caption(), QStringLiteral("Capacitor:"));
    h.ClickTreeItem(QStringLiteral("Inductor"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Inductor1")});
    h.Type(QStringLiteral("EditL1"), QStringLiteral("10"));
    h.Type(QStringLiteral("EditL2"), QStringLiteral("10"));
    h.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(h.Edit(QStringLiteral("EditLout"))->text(), QStringLiteral("5"));
    QVERIFY(!h.dialogs.AnyFatal());
    QVERIFY(h.dialogs.Messages().isEmpty());
    QVERIFY(!h.Window().IsShutDown());
}

void TestFormMainFiles::currentIndexOutside_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("99") << 99;
    QTest::newRow("count") << 20;
    QTest::newRow("-1") << -1;
}

void TestFormMainFiles::currentIndexOutside() {
    QFETCH(int, index);
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("index.kvw"));
    QVERIFY(Save(path, DefaultFile(index)));
    h.ClickTreeItem(QStringLiteral("Pi Network"));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Messages().isEmpty());
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - index"));
}

void TestFormMainFiles::unknownTypeAtCurrentIndex() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("foreign.kvw"));
    QVERIFY(Save(path, Worksheet({Calculation(77, "Strange", EmptyFields({0}))})));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Messages().isEmpty());
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    h.ClickTreeItem(QStringLiteral("Capacitor"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Capacitor1")});
}

void TestFormMainFiles::incompleteResistorRecord_data() {
    QTest::addColumn<QList<int>>("kinds"); // the unit kinds of the stored fields
    QTest::addColumn<QString>("shownR1");
    QTest::newRow("one field") << QList<int>{0} << "100";
    QTest::newRow("two fields") << QList<int>{0, 0} << "100";
    QTest::newRow("capacitor kinds") << QList<int>{1, 1, 1} << "";
    QTest::newRow("unknown kinds") << QList<int>{99, -3, 40} << "";
    QTest::newRow("no fields") << QList<int>{} << "";
}

void TestFormMainFiles::incompleteResistorRecord() {
    QFETCH(QList<int>, kinds);
    QFETCH(QString, shownR1);
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("short.kvw"));
    QList<QByteArray> fields;
    for (int kind : kinds)
        fields << Field("100", {}, 1, kind);
    QVERIFY(Save(path, Worksheet({Calculation(1, "Resistor1", fields)})));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Messages().isEmpty());

    RCalculation* calculation = h.Window().CurrentCalculation();
    QCOMPARE(calculation->FieldCount(), 3);
    for (const RField& field : calculation->Fields())
        QCOMPARE(field.unitKind, 0);
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), shownR1);
    QVERIFY(!shownR1.isEmpty() ? Checked(h, QStringLiteral("RadioR12"))
                               : Checked(h, QStringLiteral("RadioR11")));
    h.Click(QStringLiteral("RadioR11"));
    h.Click(QStringLiteral("RadioR21"));
    h.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("100"));
    QTest::keyClick(&h.Window(), Qt::Key_F6);
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("50"));
    QCOMPARE(calculation->Field(2).text, QStringLiteral("50"));
    QVERIFY(!h.Window().StatusPanel()->Warning());
    QVERIFY(h.dialogs.Messages().isEmpty());
}

void TestFormMainFiles::noCurrentFlag() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("flags.kvw"));
    const QList<QByteArray> ohms = EmptyFields({0, 0, 0});
    const QList<QByteArray> farads = EmptyFields({1, 1, 1});
    QVERIFY(Save(path, Worksheet({Calculation(1, "ResA", ohms, -1, false),
                                  Calculation(1, "ResB", ohms, -1, false),
                                  Calculation(2, "CapA", farads, -1, false),
                                  Calculation(2, "CapB", farads, -1, false)},
                                 2)));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Messages().isEmpty());
    QCOMPARE(h.Caption(), QStringLiteral("Capacitor:"));
    QCOMPARE(h.TabCaptions(), (QStringList{"CapA", "CapB"}));
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("CapA"));
    h.ClickTreeItem(QStringLiteral("Resistor"));
    QCOMPARE(h.TabCaptions(), (QStringList{"ResA", "ResB"}));
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("ResA"));
    h.ClickTab(1);
    QCOMPARE(h.Window().CurrentCalculation()->Name(), QStringLiteral("ResB"));
}

void TestFormMainFiles::severalCurrentFlags() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("flags.kvw"));
    QVERIFY(Save(path, Worksheet({Calculation(1, "ResA", {Field("1"), Field(), Field()}),
                                  Calculation(1, "ResB", {Field("2"), Field(), Field()}),
                                  Calculation(1, "ResC", {Field("3"), Field(), Field()})})));
    h.dialogs.openPaths << path;
    h.Trigger(QStringLiteral("MenuOpenWorksheet"));
    QVERIFY(h.dialogs.Messages().isEmpty());

    // The tab that stands chosen is the calculation that is shown.
    const QString shown = h.Window().CurrentCalculation()->Name();
    QCOMPARE(h.Tabs()->TabCaption(h.Tabs()->TabIndex()), shown);
    const QString values[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(),
             values[h.Window().Worksheet()->IndexOf(h.Window().CurrentCalculation())]);
    int current = 0;
    for (int i = 0; i < 3; ++i)
        current += h.Window().Worksheet()->At(i)->Current();
    QCOMPARE(current, 1);
}

QTEST_MAIN(TestFormMainFiles)
#include "tst_formmainfiles.moc"
