#include "support/filebytes.h"
#include "support/messagerecorder.h"

#include "ui/shell/helpviewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace {

// The pages as they are in the source tree, found from this file's place.
QString SourceHelpFolder() {
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../../../resources/help"));
}

void LoadPage(const QString& fileName, QTextDocument& document) {
    QFile file(QDir(SourceHelpFolder()).filePath(fileName));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(fileName));
    document.setHtml(QString::fromUtf8(file.readAll()));
}

QStringList Hrefs(const QTextDocument& document) {
    QStringList hrefs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                hrefs << it.fragment().charFormat().anchorHref();
    return hrefs;
}

QStringList HeadingsOfLevel(const QTextDocument& document, int level) {
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == level)
            headings << block.text();
    return headings;
}

// Clicks the first link to href the way a user does, in the browser's viewport.
bool ClickLink(QTextBrowser* browser, const QString& href) {
    QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QPoint point = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, point);
            return true;
        }
    }
    return false;
}

QStringList Invalid(const QStringList& names, bool imaginary, bool negative) {
    QStringList messages;
    for (const QString& name : names) {
        messages << "Error: Real value for " + name + " did not contain a valid number.";
        if (imaginary)
            messages << "Error: Imaginary value for " + name + " did not contain a valid number.";
        if (negative)
            messages << "Error: Value for " + name + " cannot be negative.";
    }
    return messages;
}

const QString NoSolution = QStringLiteral("Error: No solution.");

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:

    void windowIsBuiltOnFirstUse();
    void everyContextOpensItsPage_data();
    void everyContextOpensItsPage();
    void unknownContextOpensContents_data();
    void unknownContextOpensContents();
    void backAndForwardFollowHistory();
    void contentsActionOpensIndex();
    void clickedLinkOpensPage();
    void webAddressesLeaveTheHelp_data();
    void webAddressesLeaveTheHelp();
    void closeHidesWindow();
    void folderLookupOrder();
    void defaultFoldersBesideProgramThenDataFolder();
    void missingHelpIsReported();
    void everyLinkResolves();
    void contentsLinksEveryPage();
    void topicsQuoteTheirMessages_data();
    void topicsQuoteTheirMessages();
};

void TestHelpViewer::windowIsBuiltOnFirstUse() {
    HelpViewer viewer({SourceHelpFolder()});
    QVERIFY(!viewer.Window());
    QVERIFY(viewer.CurrentSource().isEmpty());

    viewer.ShowContents();
    QWidget* window = viewer.Window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QCOMPARE(window->objectName(), QStringLiteral("HelpWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Kelvo Help"));
    QCOMPARE(window->size(), QSize(720, 560));
    QVERIFY(window->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser")));
    for (const char* name : {"HelpContents", "HelpBack", "HelpForward"})
        QVERIFY2(window->findChild<QAction*>(QLatin1String(name)), name);

    viewer.ShowTopic(3000);
    QCOMPARE(viewer.Window(), window);
}

void TestHelpViewer::everyContextOpensItsPage_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("name");
    const QList<QPair<int, const char*>> topics = {
        {2500, "Preferences"},
        {3000, "Resistor"},
        {3100, "Capacitor"},
        {3200, "Inductor"},
        {3300, "Impedance"},
        {3400, "Reactance with Capacitors"},
        {3500, "Reactance with Inductors"},
        {3600, "L Network"},
        {3700, "Pi Network"},
        {3800, "T Network"},
        {3900, "SWR Calculator"},
        {3910, "Conversions: Length"},
        {3920, "Conversions: Area"},
        {3930, "Conversions: Volume (Dry)"},
        {3940, "Conversions: Volume (Fluid)"},
        {3950, "Weight/Mass"},
        {3960, "Wavelength/Frequency"},
        {3970, "Half-Wave Dipole Length"},
        {3980, "Resonant Frequency"},
        {3990, "Air Core Coil Inductance"},
        {3995, "Antenna Impedance using the Autek RF 1"},
    };
    for (const auto& [context, name] : topics)
        QTest::addRow("%d", context) << context << QString::fromLatin1(name);
}

void TestHelpViewer::everyContextOpensItsPage() {
    QFETCH(int, context);
    QFETCH(QString, name);
    HelpViewer viewer({SourceHelpFolder()});
    viewer.ShowTopic(context);

    const QUrl source = viewer.CurrentSource();
    QVERIFY(source.isLocalFile());
    QCOMPARE(source.fileName(), QStringLiteral("topic%1.html").arg(context));
    QVERIFY(QFileInfo(source.toLocalFile()).isFile());
    auto* browser = viewer.Window()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QCOMPARE(browser->documentTitle(), name);
    QCOMPARE(HeadingsOfLevel(*browser->document(), 1).value(0), name);
}

void TestHelpViewer::unknownContextOpensContents_data() {
    QTest::addColumn<int>("context");
    for (int context : {0, -3000, 2999, 3001, 3999, 99999})
        QTest::addRow("%d", context) << context;
}

void TestHelpViewer::unknownContextOpensContents() {
    QFETCH(int, context);
    HelpViewer viewer({SourceHelpFolder()});
    viewer.ShowTopic(context);
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("index.html"));
    QVERIFY(viewer.Window()->isVisible());
}

void TestHelpViewer::backAndForwardFollowHistory() {
    HelpViewer viewer({SourceHelpFolder()});
    viewer.ShowContents();
    QWidget* window = viewer.Window();
    auto* back = window->findChild<QAction*>(QStringLiteral("HelpBack"));
    auto* forward = window->findChild<QAction*>(QStringLiteral("HelpForward"));
    QCOMPARE(back->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    QCOMPARE(forward->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
    QVERIFY(!back->isEnabled());
    QVERIFY(!forward->isEnabled());

    viewer.ShowTopic(3000);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    back->trigger();
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("index.html"));
    QVERIFY(!back->isEnabled());
    QVERIFY(forward->isEnabled());

    forward->trigger();
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("topic3000.html"));
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());
}

void TestHelpViewer::contentsActionOpensIndex() {
    HelpViewer viewer({SourceHelpFolder()});
    viewer.ShowTopic(3600);
    viewer.Window()->findChild<QAction*>(QStringLiteral("HelpContents"))->trigger();
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("index.html"));
}

void TestHelpViewer::clickedLinkOpensPage() {
    HelpViewer viewer({SourceHelpFolder()});
    viewer.ShowContents();
    auto* browser = viewer.Window()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QVERIFY(ClickLink(browser, QStringLiteral("topic3700.html")));
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("topic3700.html"));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Pi Network"));

    QVERIFY(ClickLink(browser, QStringLiteral("topic3600.html")));
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("topic3600.html"));
    QVERIFY(viewer.Window()->findChild<QAction*>(QStringLiteral("HelpBack"))->isEnabled());
}

void TestHelpViewer::webAddressesLeaveTheHelp_data() {
    QTest::addColumn<QUrl>("address");
    QTest::newRow("http") << QUrl(QStringLiteral("http://example.org/kelvo"));
    QTest::newRow("https") << QUrl(QStringLiteral("https://example.org/"));
    QTest::newRow("mailto") << QUrl(QStringLiteral("mailto:someone@example.org"));
}

void TestHelpViewer::webAddressesLeaveTheHelp() {
    QFETCH(QUrl, address);
    HelpViewer viewer({SourceHelpFolder()});
    QList<QUrl> handed;
    viewer.SetExternalLinkHandler([&handed](const QUrl& url) { handed << url; });
    viewer.ShowTopic(3000);
    auto* browser = viewer.Window()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));

    emit browser->anchorClicked(address);
    QCOMPARE(handed, QList<QUrl>{address});
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("topic3000.html"));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Resistor"));
}

void TestHelpViewer::closeHidesWindow() {
    HelpViewer viewer({SourceHelpFolder()});
    viewer.Close(); // before any window exists
    viewer.ShowTopic(3000);
    viewer.Close();
    QVERIFY(!viewer.Window()->isVisible());
    viewer.ShowTopic(3100);
    QVERIFY(viewer.Window()->isVisible());
    QCOMPARE(viewer.CurrentSource().fileName(), QStringLiteral("topic3100.html"));
}

void TestHelpViewer::folderLookupOrder() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString withoutIndex = root.filePath("beside");
    const QString first = root.filePath("first");
    const QString second = root.filePath("second");
    const QString missing = root.filePath("missing");
    for (const QString& folder : {withoutIndex, first, second})
        QVERIFY(QDir().mkpath(folder));
    QVERIFY(FileBytes::Save(withoutIndex + "/topic3000.html", "<html><title>Stray</title></html>"));
    QVERIFY(FileBytes::Save(first + "/index.html", "<html><title>First</title></html>"));
    QVERIFY(FileBytes::Save(second + "/index.html", "<html><title>Second</title></html>"));

    QCOMPARE(HelpViewer({first, second}).HelpFolder(), first);
    QCOMPARE(HelpViewer({second, first}).HelpFolder(), second);
    QCOMPARE(HelpViewer({missing, withoutIndex, second}).HelpFolder(), second);
    QCOMPARE(HelpViewer({missing, withoutIndex}).HelpFolder(), QString());

    // A skipped folder lends no pages: the topic comes from the folder in use.
    HelpViewer viewer({withoutIndex, second});
    viewer.ShowTopic(3000);
    QCOMPARE(viewer.CurrentSource(), QUrl::fromLocalFile(second + "/index.html"));
}

void TestHelpViewer::defaultFoldersBesideProgramThenDataFolder() {
    HelpViewer viewer;
    const QStringList expected = {QCoreApplication::applicationDirPath() + "/help",
                                  QStringLiteral(KELVO_DATADIR "/help")};
    QCOMPARE(HelpViewer::DefaultFolders(), expected);
    QCOMPARE(viewer.CandidateFolders(), expected);
}

void TestHelpViewer::missingHelpIsReported() {
    QTemporaryDir empty;
    MessageRecorder sink;
    HelpViewer viewer({empty.path(), empty.filePath("nothing")});

    viewer.ShowContents();
    viewer.ShowTopic(3000);
    const QString expected = QStringLiteral("Error: The help files could not be found.");
    QCOMPARE(sink.boxes, QStringList({expected, expected}));
    QCOMPARE(sink.kinds, QList<MessageBoxKind>({MessageBoxKind::Error, MessageBoxKind::Error}));
    QVERIFY(sink.warnings.isEmpty());
    QVERIFY(!viewer.Window());
    QVERIFY(viewer.CurrentSource().isEmpty());
}

void TestHelpViewer::everyLinkResolves() {
    const QDir folder(SourceHelpFolder());
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QCOMPARE(pages.size(), 28);
    const QRegularExpression rawHref(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""));
    for (const QString& page : pages) {
        QTextDocument document;
        LoadPage(page, document);
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList hrefs = Hrefs(document);
        for (auto match = rawHref.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();)
            hrefs << match.next().captured(1);
        QVERIFY2(!hrefs.isEmpty(), qPrintable(page));
        if (page != QLatin1String("index.html"))
            QVERIFY2(hrefs.contains(QStringLiteral("index.html")), qPrintable(page));
        for (const QString& href : hrefs) {
            const QUrl url(href);
            QVERIFY2(url.isRelative() && !href.startsWith('#'),
                     qPrintable(page + ": " + href + " leaves the help"));
            QVERIFY2(QFileInfo(folder.filePath(url.path())).isFile(),
                     qPrintable(page + ": broken link " + href));
        }
    }
}

void TestHelpViewer::contentsLinksEveryPage() {
    QTextDocument document;
    LoadPage(QStringLiteral("index.html"), document);
    const QStringList hrefs = Hrefs(document);
    const QStringList pages =
        QDir(SourceHelpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& page : pages)
        if (page != QLatin1String("index.html"))
            QVERIFY2(hrefs.contains(page), qPrintable(page));
}

void TestHelpViewer::topicsQuoteTheirMessages_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("absent");

    auto rcl = [](const QString& x) {
        return Invalid({x + "1", x + "2", x + "out"}, false, true)
               << "Error: " + x + "1 and " + x + "2 are both zero." << NoSolution;
    };
    const QStringList networkNames = {"Zin", "Z1", "Z2", "Z3", "Zout"};

    QTest::newRow("preferences") << 2500 << QStringList{"Error: Invalid precision value."}
                                 << QStringList{};
    QTest::newRow("resistor") << 3000 << rcl("R") << QStringList{};
    QTest::newRow("capacitor") << 3100 << rcl("C") << QStringList{};
    QTest::newRow("inductor") << 3200 << rcl("L") << QStringList{};
    QTest::newRow("impedance") << 3300
                               << (Invalid({"Z1", "Z2", "Zout"}, true, false)
                                   << "Error: Z1 and Z2 are both zero." << NoSolution)
                               << QStringList{"Error: Value for Z1 cannot be negative."};
    QTest::newRow("reactance C") << 3400 << (Invalid({"C", "f", "Xc"}, false, true) << NoSolution)
                                 << QStringList{};
    QTest::newRow("reactance L") << 3500 << (Invalid({"L", "f", "Xl"}, false, true) << NoSolution)
                                 << QStringList{};
    QTest::newRow("L network") << 3600
                               << (Invalid({"Zin", "Z1", "Z2", "Zout"}, true, true)
                                   << "Error: Z1, Z2, and Zin are all zero."
                                   << "Error: Z2, and Zout are both zero."
                                   << "Error: Z1, and Zin are both zero."
                                   << "Error: Z1, Z2, and Zout are all zero."
                                   << "Error: Imaginary component of Zin must be 0."
                                   << "Error: No solution found." << NoSolution)
                               << QStringList{};
    QTest::newRow("Pi network") << 3700
                                << (Invalid(networkNames, true, true)
                                    << "Error: Zin and Z1 are both zero."
                                    << "Error: Zout and Z3 are both zero." << NoSolution)
                                << QStringList{};
    QTest::newRow("T network") << 3800
                               << (Invalid(networkNames, true, true)
                                   << "Error: Z1, Z2, and Zin are all zero."
                                   << "Error: Z3, Z2, and Zout are all zero." << NoSolution)
                               << QStringList{};
    QTest::newRow("SWR") << 3900
                         << (Invalid({"Zant", "Ro"}, false, true)
                             << "Error: Imaginary value for Zant did not contain a valid number."
                             << NoSolution)
                         << QStringList{"Error: Imaginary value for Ro did not contain a valid "
                                        "number."};
    const QList<std::tuple<const char*, int, QString, QString>> converters = {
        {"length", 3910, "US Length", "Metric Length"},
        {"area", 3920, "US Area", "Metric Area"},
        {"dry volume", 3930, "US Volume", "Metric Volume"},
        {"fluid volume", 3940, "US Volume", "Metric Volume"},
        {"weight", 3950, "US Weight", "Metric Weight"},
    };
    // A conversion beyond the range of a double is no solution.
    for (const auto& [row, context, us, metric] : converters)
        QTest::newRow(row) << context << (Invalid({us, metric}, false, true) << NoSolution)
                           << QStringList{};
    QTest::newRow("wavelength") << 3960
                                << (Invalid({"Frequency", "Wavelength"}, false, true)
                                    << "Error: Invalid frequency."
                                    << "Error: Value for Wavelength cannot be zero." << NoSolution)
                                << QStringList{};
    QTest::newRow("dipole") << 3970
                            << (Invalid({"Frequency", "Dipole Length"}, false, true)
                                << "Error: Invalid frequency."
                                << "Error: Value for Dipole Length cannot be zero." << NoSolution)
                            << QStringList{};
    QTest::newRow("resonant") << 3980
                              << (Invalid({"Inductance", "Capacitance", "Frequency"}, false, true)
                                  << NoSolution)
                              << QStringList{};
    QTest::newRow("air coil")
        << 3990
        << (Invalid({"Coil Diameter", "Coil Length", "Number of Turns", "Inductance"}, false, true)
            << NoSolution)
        << QStringList{};
    QTest::newRow("antenna impedance") << 3995
                                       << (Invalid({"f", "Z", "SWR", "Z of added Resistor",
                                                    "Z of added Capacitor", "Z of added Coil"},
                                                   false, true)
                                           << NoSolution)
                                       << QStringList{};
}

void TestHelpViewer::topicsQuoteTheirMessages() {
    QFETCH(int, context);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, absent);
    QTextDocument document;
    LoadPage(QStringLiteral("topic%1.html").arg(context), document);
    const QString text = document.toPlainText();

    for (const QString& message : messages)
        QVERIFY2(text.contains(message), qPrintable(message));
    for (const QString& message : absent)
        QVERIFY2(!text.contains(message), qPrintable(message));

    const QStringList headings = HeadingsOfLevel(document, 2);
    QVERIFY2(std::any_of(headings.begin(), headings.end(),
                         [](const QString& h) { return h.startsWith("Worked example"); }),
             qPrintable(headings.join(", ")));
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
