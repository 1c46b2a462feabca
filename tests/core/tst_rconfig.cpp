#include "support/filebytes.h"
#include "support/messagerecorder.h"

#include "core/installation.h"
#include "core/rconfig.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace FileBytes;

class TestRConfig : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void initialValues();
    void defaultFileIs116Bytes();
    void roundTrip();
    void firstRunIsQuiet();
    void longRecentListIsKeptOnReading();
    void rejected_data();
    void rejected();
    void recentFiles_data();
    void recentFiles();
    void overlongPathIsNotRemembered();
    void resetPreferencesKeepsTheRest();
    void defaultUnitLookup();
    void writeFailureKeepsOldFile();
    void configFileNameFor_data();
    void configFileNameFor();

private:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void TestRConfig::initialValues() {
    const RConfig config;
    QVERIFY(config.FileName.endsWith(QStringLiteral("Kelvo.cfg")));
    QCOMPARE(config.AutoCalculate, 0);
    QCOMPARE(config.UnknownForeground, 0x00FFFFFFu);
    QCOMPARE(config.UnknownBackground, 0x00800000u);
    QCOMPARE(config.Precision, 8);
    QCOMPARE(config.Left, 16);
    QCOMPARE(config.Top, 16);
    QCOMPARE(config.Width, 673);
    QCOMPARE(config.Height, 495);
    QVERIFY(config.RecentFiles.isEmpty());
    QVERIFY(config.LastFolder.isEmpty());
}

void TestRConfig::defaultFileIs116Bytes() {
    RConfig config;
    config.FileName = Path(QStringLiteral("Kelvo.cfg"));
    MessageRecorder messages;
    QVERIFY(config.Write());
    const QByteArray bytes = Load(config.FileName);
    QCOMPARE(bytes.size(), 116);
    QCOMPARE(bytes.left(4), QByteArray("%CF2"));
    QCOMPARE(Int32At(bytes, 4), 0);
    const int units[16] = {0, 0, 0, 2, 1, 2, 1, 2, 1, 2, 0, 0, 1, 1, 1, 1};
    for (int kind = 0; kind < 16; ++kind)
        QCOMPARE(Int32At(bytes, 8 + 4 * kind), units[kind]);
    QCOMPARE(bytes.mid(72, 4), QByteArray::fromHex("FFFFFF00"));
    QCOMPARE(bytes.mid(76, 4), QByteArray::fromHex("00008000"));
    QCOMPARE(bytes.mid(80, 4), QByteArray::fromHex("08000000"));
    QCOMPARE(Int32At(bytes, 84), 0);
    QCOMPARE(Int32At(bytes, 88), 0);
    QCOMPARE(Int32At(bytes, 92), 0);
    QCOMPARE(bytes.mid(96, 4), QByteArray::fromHex("10000000"));
    QCOMPARE(bytes.mid(100, 4), QByteArray::fromHex("10000000"));
    QCOMPARE(bytes.mid(104, 4), QByteArray::fromHex("A1020000"));
    QCOMPARE(bytes.mid(108, 4), QByteArray::fromHex("EF010000"));
    QCOMPARE(bytes.mid(112, 4), QByteArray("%KVE"));
    QCOMPARE(bytes, Config({}));
    QVERIFY(messages.boxes.isEmpty());
}

void TestRConfig::roundTrip() {
    RConfig config;
    config.FileName = Path(QStringLiteral("roundtrip.cfg"));
    config.AutoCalculate = 1;
    config.UnknownForeground = 0x000000FF;
    config.UnknownBackground = 0x00123456;
    config.Precision = 15;
    config.DefaultUnits[3] = 0;
    config.DefaultUnits[15] = 0;
    config.RecentFiles = {QStringLiteral("/home/ham/b.kvw"),
                          QString::fromUtf8("/home/ham/\xCE\xA9.kvw")};
    config.LastFolder = QStringLiteral("/home/ham/");
    config.Maximized = 1;
    config.Left = -8;
    config.Top = 40;
    config.Width = 1024;
    config.Height = 700;
    QVERIFY(config.Write());

    RConfig read;
    read.FileName = config.FileName;
    QVERIFY(read.Read());
    QCOMPARE(read.AutoCalculate, 1);
    QCOMPARE(read.UnknownForeground, 0x000000FFu);
    QCOMPARE(read.UnknownBackground, 0x00123456u);
    QCOMPARE(read.Precision, 15);
    QCOMPARE(read.DefaultUnits, config.DefaultUnits);
    QCOMPARE(read.RecentFiles, config.RecentFiles);
    QCOMPARE(read.LastFolder, config.LastFolder);
    QCOMPARE(read.Maximized, 1);
    QCOMPARE(read.Left, -8);
    QCOMPARE(read.Top, 40);
    QCOMPARE(read.Width, 1024);
    QCOMPARE(read.Height, 700);
}

void TestRConfig::firstRunIsQuiet() {
    RConfig config;
    config.FileName = Path(QStringLiteral("none/Kelvo.cfg"));
    MessageRecorder messages;
    QVERIFY(!config.Read());
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(config.Precision, 8);
}

void TestRConfig::longRecentListIsKeptOnReading() {
    const QString path = Path(QStringLiteral("six.cfg"));
    QVERIFY(Save(path, Config({"/a1", "/a2", "/a3", "/a4", "/a5", "/a6"})));
    RConfig config;
    config.FileName = path;
    QVERIFY(config.Read());
    QCOMPARE(config.RecentFiles.size(), 6);
    config.AddRecentFile(QStringLiteral("/new"));
    QCOMPARE(config.RecentFiles, (QStringList{"/new", "/a1", "/a2", "/a3"}));
    // As many as a file may list are all read.
    QVERIFY(Save(path, Config(QList<QByteArray>(RConfig::MaxStoredRecentFiles, "/w.kvw"))));
    QVERIFY(config.Read());
    QCOMPARE(config.RecentFiles.size(), RConfig::MaxStoredRecentFiles);
}

void TestRConfig::rejected_data() {
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = Config({"/a.kvw"}, "/folder/");
    QTest::newRow("foreign magic") << "%CF1" + good.mid(4);
    QTest::newRow("worksheet magic") << "%KVW" + good.mid(4);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("magic only") << QByteArray("%CF2");
    QTest::newRow("truncated") << good.left(60);
    QTest::newRow("no end magic") << good.left(good.size() - 4);
    QTest::newRow("wrong end magic") << good.left(good.size() - 4) + "%KVW";
    QTest::newRow("negative recent count") << good.left(84) + Int32(-1) + good.mid(88 + 10);
    QTest::newRow("impossible recent count") << good.left(84) + Int32(0x7FFFFFF0) + good.mid(88);
    QTest::newRow("recent path above 1023 bytes") << Config({QByteArray(1024, 'p')});
    QTest::newRow("last folder above 1023 bytes") << Config({}, QByteArray(2000, 'f'));
    QList<QByteArray> paths;
    for (int i = 0; i <= RConfig::MaxStoredRecentFiles; ++i)
        paths << "/w" + QByteArray::number(i) + ".kvw";
    QTest::newRow("more recent files than a file lists") << Config(paths);
}

void TestRConfig::rejected() {
    QFETCH(QByteArray, bytes);
    const QString path = Path(QStringLiteral("bad.cfg"));
    QVERIFY(Save(path, bytes));

    RConfig config;
    config.FileName = path;
    config.Precision = 3;
    config.RecentFiles = {QStringLiteral("/x")};
    config.Width = 1;
    MessageRecorder messages;
    QVERIFY(!config.Read());
    QCOMPARE(messages.boxes,
             QStringList{QStringLiteral("Error: The configuration file '%1' is incorrect. "
                                        "Reseting to defaults.")
                             .arg(path)});
    QCOMPARE(config.FileName, path);
    QCOMPARE(config.Precision, 8);
    QVERIFY(config.RecentFiles.isEmpty());
    QVERIFY(config.LastFolder.isEmpty());
    QCOMPARE(config.Width, 673);
    QCOMPARE(config.DefaultUnits[3], 2);
}

void TestRConfig::recentFiles_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("first") << QStringList{} << "/a" << QStringList{"/a"};
    QTest::newRow("to the front") << QStringList{"/a", "/b"} << "/c" << QStringList{"/c", "/a", "/b"};
    QTest::newRow("fifth drops the oldest")
        << QStringList{"/a", "/b", "/c", "/d"} << "/e" << QStringList{"/e", "/a", "/b", "/c"};
    QTest::newRow("second moves to the top")
        << QStringList{"/a", "/b", "/c"} << "/b" << QStringList{"/b", "/a", "/c"};
    QTest::newRow("case differs: spelled as added")
        << QStringList{"/a", "/Home/B.kvw"} << "/home/b.KVW" << QStringList{"/home/b.KVW", "/a"};
    QTest::newRow("only the first duplicate goes")
        << QStringList{"/a", "/x", "/X"} << "/x" << QStringList{"/x", "/a", "/X"};
}

void TestRConfig::recentFiles() {
    QFETCH(QStringList, before);
    QFETCH(QString, added);
    QFETCH(QStringList, after);
    RConfig config;
    config.RecentFiles = before;
    config.AddRecentFile(added);
    QCOMPARE(config.RecentFiles, after);
}

void TestRConfig::overlongPathIsNotRemembered() {
    RConfig config;
    config.FileName = Path(QStringLiteral("long.cfg"));
    config.AddRecentFile(QStringLiteral("/a"));
    config.AddRecentFile(QStringLiteral("/") + QString(1100, u'd'));
    QCOMPARE(config.RecentFiles, QStringList{"/a"});
    config.SetLastFolder(QStringLiteral("/f/"));
    config.SetLastFolder(QStringLiteral("/") + QString(1100, u'd'));
    QCOMPARE(config.LastFolder, QStringLiteral("/f/"));
    QVERIFY(config.Write());

    // Put there by other means, such a folder is left out and the rest written.
    config.LastFolder = QStringLiteral("/") + QString(1100, u'd');
    config.Precision = 4;
    MessageRecorder messages;
    QVERIFY(config.Write());
    QVERIFY(messages.boxes.isEmpty());
    RConfig read;
    read.FileName = config.FileName;
    QVERIFY(read.Read());
    QVERIFY(read.LastFolder.isEmpty());
    QCOMPARE(read.RecentFiles, QStringList{"/a"});
    QCOMPARE(read.Precision, 4);
}

void TestRConfig::resetPreferencesKeepsTheRest() {
    RConfig config;
    config.AutoCalculate = 1;
    config.Precision = 3;
    config.UnknownForeground = 1;
    config.UnknownBackground = 2;
    config.DefaultUnits.fill(0);
    config.RecentFiles = {QStringLiteral("/a")};
    config.LastFolder = QStringLiteral("/f/");
    config.Width = 900;
    config.ResetPreferences();
    QCOMPARE(config.AutoCalculate, 0);
    QCOMPARE(config.Precision, 8);
    QCOMPARE(config.UnknownForeground, 0x00FFFFFFu);
    QCOMPARE(config.UnknownBackground, 0x00800000u);
    QCOMPARE(config.DefaultUnits[3], 2);
    QCOMPARE(config.DefaultUnits[13], 1);
    QCOMPARE(config.RecentFiles, QStringList{"/a"});
    QCOMPARE(config.LastFolder, QStringLiteral("/f/"));
    QCOMPARE(config.Width, 900);
}

void TestRConfig::defaultUnitLookup() {
    RConfig config;
    QCOMPARE(config.DefaultUnit(3), 2);
    QCOMPARE(config.DefaultUnit(15), 1);
    QCOMPARE(config.DefaultUnit(16), 0);
    QCOMPARE(config.DefaultUnit(17), -1);
    QCOMPARE(config.DefaultUnit(-1), -1);
}

void TestRConfig::writeFailureKeepsOldFile() {
    RConfig config;
    config.FileName = Path(QStringLiteral("missing/kelvo/Kelvo.cfg")); // the folder is made
    MessageRecorder messages;
    QVERIFY(config.Write());
    config.FileName = Path(QStringLiteral("missing/kelvo/Kelvo.cfg/Kelvo.cfg")); // below a file
    QVERIFY(!config.Write());
    QCOMPARE(messages.boxes, QStringList{QStringLiteral("Error: Could not open file '%1' for writing.")
                                             .arg(config.FileName)});

    config.FileName = Path(QStringLiteral("keep.cfg"));
    QVERIFY(config.Write());
    messages.Reset();
    config.RecentFiles = {QString(1100, u'p')}; // more than the file may hold
    QVERIFY(!config.Write());
    QCOMPARE(messages.boxes, QStringList{QStringLiteral("Error: Error writing to file file '%1'.")
                                             .arg(config.FileName)});
    RConfig read;
    read.FileName = config.FileName;
    QVERIFY(read.Read());
    QVERIFY(read.LastFolder.isEmpty());
    QCOMPARE(QDir(dir_.path()).entryList({"keep*"}, QDir::Files), QStringList{"keep.cfg"});
}

void TestRConfig::configFileNameFor_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<QString>("userFolder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("writable program folder") << "/opt/kelvo" << true << "/home/ham/.config"
                                             << "/opt/kelvo/Kelvo.cfg";
    QTest::newRow("read-only program folder") << "/usr/bin" << false << "/home/ham/.config"
                                              << "/home/ham/.config/kelvo/Kelvo.cfg";
    QTest::newRow("no user folder") << "/usr/bin" << false << ""
                                    << "/usr/bin/Kelvo.cfg";
}

void TestRConfig::configFileNameFor() {
    QFETCH(QString, programFolder);
    QFETCH(bool, besideProgram);
    QFETCH(QString, userFolder);
    QFETCH(QString, expected);
    QCOMPARE(ConfigFileNameFor(programFolder, besideProgram, userFolder), expected);
    // A program in its build tree is not installed: its folder holds the file.
    QCOMPARE(DefaultConfigFileName(),
             QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Kelvo.cfg")));
}

QTEST_GUILESS_MAIN(TestRConfig)
#include "tst_rconfig.moc"
