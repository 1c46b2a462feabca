// The main window as the user meets it: start-up and exit with the
// configuration, the type tree, the status line, help and preferences.

#include "support/mainwindowharness.h"

#include "ui/framework/tformproblem.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/rstatuspanel.h"
#include "ui/shell/tformoptions.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QDirIterator>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <limits>

// Receives the addresses the program hands to the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

class TestFormMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startup();
    void treeAtStartup_data();
    void treeAtStartup();
    void configurationWrittenOnlyAtExit();
    void exitWritesConfiguration();
    void configurationReadAtStartup();
    void damagedConfiguration();
    void maximizedPlacement();
    void placementBoundedByTheScreen_data();
    void placementBoundedByTheScreen();
    void startupFile_data();
    void startupFile();
    void firstWindowAfterStartupError_data();
    void firstWindowAfterStartupError();
    void clickingFolderChangesNothing_data();
    void clickingFolderChangesNothing();
    void clickingTypeShowsIt_data();
    void clickingTypeShowsIt();
    void keyboardSelectionDoesNotSwitch();
    void warningAndClear();
    void warningReachesAssistiveTechnology();
    void recentEntryHintShowsPath();
    void helpTopics();
    void calculatorHelp();
    void helpClosedAtExit();
    void homepages_data();
    void homepages();
    void preferences_data();
    void preferences();

private:
    bool createdHelp_ = false;
};

using FileBytes::Int32At;

namespace {

struct Node {
    const char* caption;
    int type;
    const char* folder; // empty at the top level
};

const Node Nodes[] = {
    {"Simple Circuits", 0, ""},
    {"Resistor", 1, "Simple Circuits"},
    {"Capacitor", 2, "Simple Circuits"},
    {"Inductor", 3, "Simple Circuits"},
    {"Impedance", 4, "Simple Circuits"},
    {"Reactance", 0, ""},
    {"Capacitors", 5, "Reactance"},
    {"Inductors", 6, "Reactance"},
    {"Networks", 0, ""},
    {"L Network", 7, "Networks"},
    {"Pi Network", 8, "Networks"},
    {"T Network", 9, "Networks"},
    {"SWR Calculator", 10, ""},
    {"Conversions", 0, ""},
    {"Length/Distance", 11, "Conversions"},
    {"Area", 12, "Conversions"},
    {"Volume (Dry)", 13, "Conversions"},
    {"Volume (Fluid)", 14, "Conversions"},
    {"Weight/Mass", 15, "Conversions"},
    {"Wavelength/Frequency", 16, ""},
    {"Half-Wave Dipole Length", 17, ""},
    {"Resonant Frequency", 18, ""},
    {"Air Core Coil Inductance", 19, ""},
    {"Antenna Impedance", 20, ""},
};

const char* const Captions[] = {"Resistor:",
                                "Capacitor:",
                                "Inductor:",
                                "Impedance:",
                                "Reactance with Capacitors:",
                                "Reactance with Inductors:",
                                "L Network:",
                                "Pi Network:",
                                "T Network:",
                                "SWR Calculator:",
                                "Conversions: Length",
                                "Conversions: Area",
                                "Conversions: Volume (Dry)",
                                "Conversions: Volume (Fluid)",
                                "Weight/Mass",
                                "Wavelength/Frequency",
                                "Half-Wave Dipole Length",
                                "Resonant Frequency",
                                "Inductance of an Air Core Coil",
                                "Antenna Impedance using the Autek RF 1"};

const char* const TypeWords[] = {"Resistor",   "Capacitor", "Inductor",  "Impedance", "ReactanceC",
                                 "ReactanceI", "LNetwork",  "PiNetwork", "TNetwork",  "SWR",
                                 "Length",     "Area",      "VolDry",    "VolFluid",  "Weight",
                                 "Wavelen",    "Dipole",    "Resonant",  "AirCoil",   "AntImped"};

constexpr int TypeRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;

// Every node's image by caption.
QMap<QString, int> Images(QTreeWidget* tree) {
    QMap<QString, int> images;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        images.insert((*it)->text(0), (*it)->data(0, ImageRole).toInt());
    return images;
}

// What a start-up tree shows with the given type marked.
QMap<QString, int> ExpectedImages(int shownType) {
    QMap<QString, int> images;
    for (const Node& node : Nodes)
        images.insert(QString::fromLatin1(node.caption),
                      node.type == 0 ? 2 : (node.type == shownType ? 1 : 0));
    return images;
}

bool HasColor(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

QString SourceHelpFolder() {
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../../../resources/help"));
}

} // namespace

void TestFormMain::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // The help pages are looked for beside the program; a build tree has none.
    const QDir target(QCoreApplication::applicationDirPath() + QStringLiteral("/help"));
    if (!QFileInfo::exists(target.filePath(QStringLiteral("index.html")))) {
        QVERIFY(QDir().mkpath(target.path()));
        QDirIterator it(SourceHelpFolder(), {QStringLiteral("*")}, QDir::Files);
        while (it.hasNext()) {
            it.next();
            QVERIFY(QFile::copy(it.filePath(), target.filePath(it.fileName())));
        }
        createdHelp_ = true;
    }
}

void TestFormMain::cleanupTestCase() {
    if (createdHelp_)
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/help")).removeRecursively();
}

void TestFormMain::startup() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - Untitled"));
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), h.Edit(QStringLiteral("EditR1")));
    QCOMPARE(w.CurrentCalculator(), w.Calculator(1));
    QCOMPARE(w.CurrentCalculator()->PanelMain()->parentWidget(), h.Tabs()->Page());

    const RWorksheet* sheet = w.Worksheet();
    QCOMPARE(sheet->Count(), 20);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(sheet->At(i)->Type(), i + 1);
        QCOMPARE(sheet->At(i)->Name(), QString::fromLatin1(TypeWords[i]) + QStringLiteral("1"));
        QVERIFY(sheet->At(i)->Current());
    }
    QCOMPARE(sheet->CurrentIndex, 0);
    QVERIFY(!sheet->Modified);
    QVERIFY(sheet->FileName.isEmpty());
    QCOMPARE(w.CurrentCalculation(), sheet->At(0));
    QVERIFY(!w.StatusPanel()->Warning());
    QVERIFY(w.StatusPanel()->Text().isEmpty());
    QVERIFY(h.dialogs.records.isEmpty());
}

void TestFormMain::treeAtStartup_data() {
    QTest::addColumn<int>("position");
    int position = 0;
    for (const Node& node : Nodes)
        QTest::newRow(node.caption) << position++;
}

void TestFormMain::treeAtStartup() {
    QFETCH(int, position);
    const Node& node = Nodes[position];
    MainWindowHarness h;
    QVERIFY(h.Start());

    QList<QTreeWidgetItem*> order;
    for (QTreeWidgetItemIterator it(h.Tree()); *it; ++it)
        order << *it;
    QCOMPARE(order.size(), int(std::size(Nodes)));
    QTreeWidgetItem* item = order.at(position);
    QCOMPARE(item->text(0), QString::fromLatin1(node.caption));
    QCOMPARE(item->data(0, TypeRole).toInt(), node.type);
    QCOMPARE(item->data(0, ImageRole).toInt(), node.type == 0 ? 2 : (node.type == 1 ? 1 : 0));
    QCOMPARE(item->parent() ? item->parent()->text(0) : QString(),
             QString::fromLatin1(node.folder));
    QVERIFY(!item->icon(0).isNull());
    if (node.type == 0) {
        QVERIFY(item->isExpanded());
        QVERIFY(item->childCount() > 0);
    }
}

void TestFormMain::configurationWrittenOnlyAtExit() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    QVERIFY(!QFile::exists(h.ConfigPath()));
    h.ClickTreeItem(QStringLiteral("Pi Network"));
    h.ClickTreeItem(QStringLiteral("Resistor"));
    QVERIFY(!QFile::exists(h.ConfigPath()));

    const QSize size = h.Window().size();
    const QPoint position = h.Window().pos();
    h.Window().close();
    QVERIFY(!h.Window().isVisible());
    QVERIFY(h.Window().IsShutDown());
    QVERIFY(h.dialogs.records.isEmpty()); // nothing was modified: no question

    const QByteArray bytes = h.ConfigBytes();
    QCOMPARE(bytes.size(), 116);
    QCOMPARE(bytes.left(4), QByteArray("%CF2"));
    QCOMPARE(bytes.mid(112), QByteArray("%KVE"));
    QCOMPARE(Int32At(bytes, 80), 8); // precision
    QCOMPARE(Int32At(bytes, 84), 0); // no recent files
    QCOMPARE(Int32At(bytes, 88), 0); // no last folder
    QCOMPARE(Int32At(bytes, 92), 0); // not maximized
    QCOMPARE(Int32At(bytes, 96), position.x());
    QCOMPARE(Int32At(bytes, 100), position.y());
    QCOMPARE(Int32At(bytes, 104), size.width());
    QCOMPARE(Int32At(bytes, 108), size.height());
}

void TestFormMain::exitWritesConfiguration() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Trigger(QStringLiteral("MenuExit"));
    QVERIFY(h.Window().IsShutDown());
    QVERIFY(h.dialogs.records.isEmpty());
    QCOMPARE(h.ConfigBytes().size(), 116);
}

void TestFormMain::configurationReadAtStartup() {
    MainWindowHarness h;
    RConfig stored;
    stored.FileName = h.ConfigPath();
    stored.AutoCalculate = 1;
    stored.Precision = 5;
    stored.RecentFiles =
        QStringList{h.Path(QStringLiteral("b.kvw")), h.Path(QStringLiteral("a.kvw"))};
    stored.LastFolder = h.Folder() + "/";
    stored.Left = 40;
    stored.Top = 50;
    stored.Width = 740;
    stored.Height = 540;
    QVERIFY(stored.Write());
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QVERIFY(h.dialogs.records.isEmpty());
    QCOMPARE(w.Config()->RecentFiles, stored.RecentFiles);
    QCOMPARE(w.Config()->LastFolder, stored.LastFolder);
    QVERIFY(h.Action(QStringLiteral("MenuHistorySep"))->isVisible());
    QCOMPARE(h.Action(QStringLiteral("MenuHistory1"))->text(), QStringLiteral("b.kvw"));
    QCOMPARE(h.Action(QStringLiteral("MenuHistory2"))->text(), QStringLiteral("a.kvw"));
    QVERIFY(!h.Action(QStringLiteral("MenuHistory3"))->isVisible());
    QCOMPARE(w.pos(), QPoint(40, 50));
    QCOMPARE(w.size(), QSize(740, 540));
    QVERIFY(!w.isMaximized());

    // The preferences apply at once: automatic calculation at five digits.
    h.Type(QStringLiteral("EditR2"), QStringLiteral("10"));
    h.Type(QStringLiteral("EditR1"), QStringLiteral("1"));
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("0.90909"));

    w.Worksheet()->Modified = false;
    w.close();
    RConfig reread;
    reread.FileName = h.ConfigPath();
    QVERIFY(reread.Read());
    QCOMPARE(reread.RecentFiles, stored.RecentFiles);
    QCOMPARE(reread.Precision, 5);
    QCOMPARE(reread.AutoCalculate, 1);
    QCOMPARE(QRect(reread.Left, reread.Top, reread.Width, reread.Height), QRect(40, 50, 740, 540));
}

void TestFormMain::damagedConfiguration() {
    MainWindowHarness h;
    QVERIFY(FileBytes::Save(h.ConfigPath(), "%CF1" + FileBytes::Int32(1)));
    QVERIFY(h.Start());
    QCOMPARE(h.dialogs.Messages(),
             QStringList{QStringLiteral("Error: The configuration file '") + h.ConfigPath() +
                         "' is incorrect. Reseting to defaults."});
    QCOMPARE(h.dialogs.records.first().kind, MessageBoxKind::Error);
    QCOMPARE(h.Window().windowTitle(), QStringLiteral("Kelvo - Untitled"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QCOMPARE(h.Window().Config()->Precision, 8);
    QVERIFY(!h.Action(QStringLiteral("MenuHistorySep"))->isVisible());
    h.Window().close();
    QCOMPARE(h.ConfigBytes().size(), 116);
    QCOMPARE(h.ConfigBytes().left(4), QByteArray("%CF2"));
}

void TestFormMain::maximizedPlacement() {
    MainWindowHarness h;
    RConfig stored;
    stored.FileName = h.ConfigPath();
    stored.Maximized = 1;
    stored.Left = 30;
    stored.Top = 40;
    stored.Width = 740;
    stored.Height = 650;
    QVERIFY(stored.Write());
    QVERIFY(h.Start());
    QVERIFY(h.Window().isMaximized());
    h.Window().close();

    // The window goes back to its remembered place when it is restored.
    const QByteArray bytes = h.ConfigBytes();
    QCOMPARE(Int32At(bytes, 92), 1);
    QCOMPARE(Int32At(bytes, 96), 30);
    QCOMPARE(Int32At(bytes, 100), 40);
    QCOMPARE(Int32At(bytes, 104), 740);
    QCOMPARE(Int32At(bytes, 108), 650);
}

void TestFormMain::placementBoundedByTheScreen_data() {
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal") << false;
    QTest::newRow("maximized") << true;
}

// A configuration of 100000 x 100000 at the far right never puts the window,
// or the place it is restored to, beyond the screen, now or in the next run.
void TestFormMain::placementBoundedByTheScreen() {
    QFETCH(bool, maximized);
    MainWindowHarness h;
    RConfig config;
    config.FileName = h.ConfigPath();
    config.Maximized = maximized;
    config.Left = std::numeric_limits<qint32>::max();
    config.Width = config.Height = 100000;
    QVERIFY(config.Write());
    QVERIFY(h.Start());
    const QRect screen = h.Window().screen()->availableGeometry();
    QVERIFY(screen.contains(maximized ? h.Window().normalGeometry() : h.Window().frameGeometry()));
    h.Window().close();
    const QByteArray bytes = h.ConfigBytes();
    QVERIFY(screen.contains(
        QRect(Int32At(bytes, 96), Int32At(bytes, 100), Int32At(bytes, 104), Int32At(bytes, 108))));
}

void TestFormMain::startupFile_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing") << true;
    QTest::newRow("missing") << false;
}

void TestFormMain::startupFile() {
    QFETCH(bool, exists);
    MainWindowHarness h;
    const QString path = h.Path(QStringLiteral("start.kvw"));
    if (exists)
        QVERIFY(!WriteWorksheet(path, QStringLiteral("68")).isEmpty());
    h.Window().SetStartupFile(path);
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QVERIFY(!w.Worksheet()->Modified);
    if (exists) {
        QVERIFY(h.dialogs.records.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - start"));
        QCOMPARE(h.Edit(QStringLiteral("EditR1"))->text(), QStringLiteral("68"));
        QCOMPARE(w.Config()->RecentFiles, QStringList{path});
        QCOMPARE(h.Action(QStringLiteral("MenuHistory1"))->text(), QStringLiteral("start.kvw"));
    } else {
        QCOMPARE(h.dialogs.Messages(),
                 QStringList{QStringLiteral("Error: Could not read the file '") + path + "'."});
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelvo - Untitled"));
        QCOMPARE(w.Worksheet()->Count(), 20);
        QVERIFY(w.Config()->RecentFiles.isEmpty());
    }
    QCOMPARE(QApplication::focusWidget(), h.Edit(QStringLiteral("EditR1")));
}

void TestFormMain::firstWindowAfterStartupError_data() {
    QTest::addColumn<bool>("damagedConfiguration"); // else a missing start-up file
    QTest::newRow("missing start-up file") << false;
    QTest::newRow("damaged configuration") << true;
}

// A message box during the first showing runs its own event loop before the
// window is on the screen. The window still takes the placement's size, at
// least its minimum, and never stores less.
void TestFormMain::firstWindowAfterStartupError() {
    QFETCH(bool, damagedConfiguration);
    MainWindowHarness h;
    if (damagedConfiguration)
        QVERIFY(FileBytes::Save(h.ConfigPath(), "%CF1"));
    else
        h.Window().SetStartupFile(h.Path(QStringLiteral("does-not-exist.kvw")));
    h.dialogs.whileMessageShown = [] { QTest::qWait(50); };
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QCOMPARE(h.dialogs.Messages().size(), 1);
    const QSize minimum = w.minimumSize();
    QVERIFY(minimum.width() > 673 || minimum.height() > 495); // the layout is the larger
    QCOMPARE(w.size(), QSize(673, 495).expandedTo(minimum));
    QCOMPARE(w.windowHandle()->size(), w.size());

    // Whatever size the platform gives the window, less than its minimum is not kept.
    w.windowHandle()->resize(minimum - QSize(40, 30));
    QTest::qWait(50);
    w.close();
    const QByteArray bytes = h.ConfigBytes();
    QVERIFY(Int32At(bytes, 104) >= minimum.width());
    QVERIFY(Int32At(bytes, 108) >= minimum.height());
}

void TestFormMain::clickingFolderChangesNothing_data() {
    QTest::addColumn<QString>("folder");
    for (const char* folder : {"Simple Circuits", "Reactance", "Networks", "Conversions"})
        QTest::newRow(folder) << QString::fromLatin1(folder);
}

void TestFormMain::clickingFolderChangesNothing() {
    QFETCH(QString, folder);
    MainWindowHarness h;
    QVERIFY(h.Start());
    RCalculation* before = h.Window().CurrentCalculation();
    h.ClickTreeItem(folder);
    QCOMPARE(h.Tree()->currentItem(), h.TreeItem(folder)); // the click did land
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Resistor1")});
    QCOMPARE(h.Window().CurrentCalculation(), before);
    QCOMPARE(h.Window().CurrentCalculator(), h.Window().Calculator(1));
    QCOMPARE(Images(h.Tree()), ExpectedImages(1));
    QVERIFY(h.TreeItem(folder)->isExpanded());
    QVERIFY(!h.Window().Worksheet()->Modified);
}

void TestFormMain::clickingTypeShowsIt_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("node");
    for (const Node& node : Nodes)
        if (node.type != 0)
            QTest::newRow(node.caption) << node.type << QString::fromLatin1(node.caption);
}

void TestFormMain::clickingTypeShowsIt() {
    QFETCH(int, type);
    QFETCH(QString, node);
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    QWidget* resistorPanel = w.Calculator(1)->PanelMain();

    h.ClickTreeItem(node);
    QCOMPARE(h.Caption(), QString::fromLatin1(Captions[type - 1]));
    QCOMPARE(h.TabCaptions(), QStringList{QString::fromLatin1(TypeWords[type - 1]) + "1"});
    QCOMPARE(h.Tabs()->TabIndex(), 0);
    QCOMPARE(w.CurrentCalculator(), w.Calculator(type));
    QCOMPARE(w.CurrentCalculation(), w.Worksheet()->At(type - 1));
    QCOMPARE(Images(h.Tree()), ExpectedImages(type));
    // Only the shown calculator's panel is in the tab strip.
    QCOMPARE(w.CurrentCalculator()->PanelMain()->parentWidget(), h.Tabs()->Page());
    QVERIFY(w.CurrentCalculator()->PanelMain()->isVisible());
    if (type != 1)
        QVERIFY(!resistorPanel->parentWidget() || !resistorPanel->isVisible());
    // Showing a type chooses nothing new.
    QCOMPARE(w.Worksheet()->CurrentIndex, 0);
    QVERIFY(!w.Worksheet()->Modified);
    QVERIFY(!h.dialogs.AnyFatal());
    if (QWidget* first = w.CurrentCalculator()->GetControl(1))
        QCOMPARE(QApplication::focusWidget(), first);
}

void TestFormMain::keyboardSelectionDoesNotSwitch() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    QTreeWidget* tree = h.Tree();
    tree->setFocus();
    tree->setCurrentItem(h.TreeItem(QStringLiteral("Resistor")));
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(tree->currentItem(), h.TreeItem(QStringLiteral("Capacitor")));
    QCOMPARE(h.Caption(), QStringLiteral("Resistor:"));
    QCOMPARE(Images(tree), ExpectedImages(1));

    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(h.Caption(), QStringLiteral("Capacitor:"));
    QCOMPARE(h.TabCaptions(), QStringList{QStringLiteral("Capacitor1")});
    QCOMPARE(Images(tree), ExpectedImages(2));
}

void TestFormMain::warningAndClear() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    RStatusPanel* status = h.Window().StatusPanel();
    ShowWarning(QStringLiteral("Error: No solution."));
    QCOMPARE(status->Text(), QStringLiteral("Error: No solution."));
    QVERIFY(status->Warning());
    const QImage warning = status->grab().toImage();
    QCOMPARE(warning.pixelColor(1, 1), QColor(0x00, 0x00, 0x80));
    QVERIFY(HasColor(warning, Qt::white));

    ClearWarning();
    QVERIFY(status->Text().isEmpty());
    QVERIFY(!status->Warning());
    const QImage cleared = status->grab().toImage();
    QCOMPARE(cleared.pixelColor(1, 1), status->palette().color(QPalette::Window));
    QVERIFY(!HasColor(cleared, QColor(0x00, 0x00, 0x80)));
    QVERIFY(!HasColor(cleared, Qt::white));
    QVERIFY(h.dialogs.records.isEmpty());
}

namespace {

using AccessibleEvents = QList<QPair<QObject*, QAccessible::Event>>;
AccessibleEvents accessibleEvents;

void RecordAccessibleEvent(QAccessibleEvent* event) {
    accessibleEvents.append({event->object(), event->type()});
}

bool InAccessibleTree(QAccessibleInterface* node, QObject* wanted) {
    if (!node)
        return false;
    if (node->object() == wanted)
        return true;
    for (int i = 0; i < node->childCount(); ++i)
        if (InAccessibleTree(node->child(i), wanted))
            return true;
    return false;
}

} // namespace

// What a screen reader gets from the status panel, which is drawn by hand:
// while it shows a warning, its accessible name and description are exactly
// the warning; while it is empty, its name says what it is ("Status line")
// and its description is empty. Each change sends the name and description
// change events.
void TestFormMain::warningReachesAssistiveTechnology() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    RStatusPanel* status = h.Window().StatusPanel();
    QVERIFY(InAccessibleTree(QAccessible::queryAccessibleInterface(&h.Window()), status));
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(status);
    QVERIFY(panel);
    QCOMPARE(panel->role(), QAccessible::StaticText);
    QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Status line"));
    QCOMPARE(panel->text(QAccessible::Description), QString());

    // As when a screen reader is running: only then are the events sent.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    accessibleEvents.clear();
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler(RecordAccessibleEvent);
    const AccessibleEvents changed{{status, QAccessible::NameChanged},
                                   {status, QAccessible::DescriptionChanged}};
    auto panelEvents = [status] {
        AccessibleEvents found;
        for (const auto& event : accessibleEvents)
            if (event.first == status)
                found << event;
        accessibleEvents.clear();
        return found;
    };

    h.Type(QStringLiteral("EditR1"), QStringLiteral("-"));
    h.Click(QStringLiteral("ButtonCalculate"));
    const QString warning =
        QStringLiteral("Error: Real value for R1 did not contain a valid number.");
    QCOMPARE(status->Text(), warning);
    QCOMPARE(panel->text(QAccessible::Name), warning);
    QCOMPARE(panel->text(QAccessible::Description), warning);
    QCOMPARE(panelEvents(), changed);

    h.Type(QStringLiteral("EditR1"), QStringLiteral("1e"));
    h.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(panelEvents(), AccessibleEvents()); // the same warning again

    h.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("x"));
    h.Click(QStringLiteral("ButtonCalculate"));
    QCOMPARE(panel->text(QAccessible::Name),
             QStringLiteral("Error: Real value for R2 did not contain a valid number."));
    QCOMPARE(panelEvents(), changed);

    h.Type(QStringLiteral("EditR2"), QStringLiteral("100"));
    h.Click(QStringLiteral("ButtonCalculate"));
    QVERIFY(!h.Edit(QStringLiteral("EditRout"))->text().isEmpty());
    QVERIFY(status->Text().isEmpty());
    QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Status line"));
    QCOMPARE(panel->text(QAccessible::Description), QString());
    QCOMPARE(panelEvents(), changed);
    QAccessible::installUpdateHandler(previous);
    platform->setActive(false);
}

void TestFormMain::recentEntryHintShowsPath() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& w = h.Window();
    const QString path = h.Path(QStringLiteral("antenna.kvw"));
    w.Config()->AddRecentFile(path);
    w.UpdateHistoryMenu();
    ShowWarning(QStringLiteral("Error: No solution."));

    // Pointing at the entry in the open File menu.
    auto* file = h.Find<QMenu>(QStringLiteral("MenuFile"));
    w.menuBar()->setActiveAction(file->menuAction());
    QTRY_VERIFY(file->isVisible());
    file->setActiveAction(h.Action(QStringLiteral("MenuHistory1")));
    QCOMPARE(w.StatusPanel()->Text(), path);
    QVERIFY(!w.StatusPanel()->Warning());
    const QImage shown = w.StatusPanel()->grab().toImage();
    QCOMPARE(shown.pixelColor(1, 1), w.StatusPanel()->palette().color(QPalette::Window));
    QVERIFY(HasColor(shown, Qt::black));

    // Entries without a hint leave the path where it is.
    file->setActiveAction(h.Action(QStringLiteral("MenuExit")));
    QCOMPARE(w.StatusPanel()->Text(), path);
    QStatusTipEvent empty{QString()};
    QApplication::sendEvent(&w, &empty);
    QCOMPARE(w.StatusPanel()->Text(), path);
    QVERIFY(!w.StatusPanel()->Warning());
    file->hide();
}

void TestFormMain::helpTopics() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    QTest::keyClick(&h.Window(), Qt::Key_F1);
    QVERIFY(h.dialogs.records.isEmpty());
    QVERIFY(h.Window().Help()->Window());
    QVERIFY(h.Window().Help()->Window()->isVisible());
    QCOMPARE(h.Window().Help()->CurrentSource().fileName(), QStringLiteral("index.html"));
}

void TestFormMain::calculatorHelp() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.ClickTreeItem(QStringLiteral("Capacitor"));
    h.Click(QStringLiteral("ButtonHelp"));
    QVERIFY(h.Window().Help()->Window()->isVisible());
    QCOMPARE(h.Window().Help()->CurrentSource().fileName(), QStringLiteral("topic3100.html"));
}

void TestFormMain::helpClosedAtExit() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Trigger(QStringLiteral("MenuHelpTopics"));
    QVERIFY(h.Window().Help()->Window()->isVisible());
    h.Window().close();
    QVERIFY(!h.Window().Help()->Window()->isVisible());
}

void TestFormMain::homepages_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("address");
    QTest::newRow("company") << "MenuCompany" << QString::fromLatin1(TFormMain::CompanyAddress);
    QTest::newRow("product") << "MenuHomepage" << QString::fromLatin1(TFormMain::HomepageAddress);
}

void TestFormMain::homepages() {
    QFETCH(QString, action);
    QFETCH(QString, address);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Trigger(action);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(address)});
    QVERIFY(address.startsWith(QStringLiteral("https://")));
    QVERIFY(h.dialogs.records.isEmpty());
}

void TestFormMain::preferences_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("shown");
    QTest::newRow("OK") << "ButtonOK" << 3 << "0.909";
    QTest::newRow("Cancel") << "ButtonCancel" << 8 << "0.90909091";
}

void TestFormMain::preferences() {
    QFETCH(QString, button);
    QFETCH(int, precision);
    QFETCH(QString, shown);
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR2"), QStringLiteral("10"));
    h.Type(QStringLiteral("EditR1"), QStringLiteral("1"));
    QTest::keyClick(&h.Window(), Qt::Key_F6);
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), QStringLiteral("0.90909091"));

    // The dialog runs modally inside the key press: answer it once it is up.
    bool seen = false;
    std::function<void()> answer = [&] {
        TFormOptions* dialog = h.Window().Options();
        if (!dialog->isVisible()) {
            QTimer::singleShot(10, this, answer);
            return;
        }
        seen = QApplication::activeModalWidget() == dialog;
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("EditPrecision"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("3"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    };
    QTimer::singleShot(0, this, answer);
    QTest::keyClick(&h.Window(), Qt::Key_F2);
    QVERIFY(seen);
    QVERIFY(!h.Window().Options()->isVisible());
    QCOMPARE(h.Window().Config()->Precision, precision);
    QCOMPARE(h.Edit(QStringLiteral("EditRout"))->text(), shown);
    QCOMPARE(h.Window().CurrentCalculation()->Field(2).text, QStringLiteral("0.909090909090909"));
    QVERIFY(h.dialogs.records.isEmpty());
}

QTEST_MAIN(TestFormMain)
#include "tst_formmain.moc"
