// Both file readers on what is not a file of theirs: a device that never
// ends, a FIFO nobody writes to, a folder, and 1 GiB files (sparse, so that
// nothing real is written) with a foreign or a right magic word. Each is
// answered with the reader's own message. (What reading them costs in time
// and memory is measured by bench_hostilefiles.)

#include "support/messagerecorder.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

constexpr qint64 OneGiB = qint64(1) << 30;

} // namespace

class TestFileReaders : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void notAFileOfTheirs_data();
    void notAFileOfTheirs();

private:
    // The path of the given kind of source; empty when it cannot be made here.
    QString Source(const QString& kind, const QByteArray& magic);

    QTemporaryDir dir_;
};

void TestFileReaders::initTestCase() {
    QVERIFY(dir_.isValid());
}

QString TestFileReaders::Source(const QString& kind, const QByteArray& magic) {
    if (kind == QLatin1String("device"))
        return QFile::exists(QStringLiteral("/dev/zero")) ? QStringLiteral("/dev/zero") : QString();
    if (kind == QLatin1String("folder"))
        return dir_.path();
    const QString path = dir_.filePath(kind);
    QFile::remove(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(magic) != magic.size() ||
        !file.resize(OneGiB))
        return QString();
    return path;
}

void TestFileReaders::notAFileOfTheirs_data() {
    QTest::addColumn<bool>("worksheet"); // else the configuration
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("magic"); // of the sparse files
    QTest::addColumn<QString>("message");  // %1 is the path; empty: none
    const QString invalid =
        QStringLiteral("Error: The file '%1' did not contain a valid worksheet.");
    const QString incorrect =
        QStringLiteral("Error: The configuration file '%1' is incorrect. Reseting to defaults.");
    QTest::newRow("worksheet: /dev/zero") << true << "device" << QByteArray() << invalid;
    QTest::newRow("worksheet: FIFO") << true << "fifo" << QByteArray() << invalid;
    QTest::newRow("worksheet: 1 GiB, foreign magic")
        << true << "foreign.kvw" << QByteArray("PK\x03\x04") << invalid;
    QTest::newRow("worksheet: 1 GiB, right magic, then zeros")
        << true << "zeros.kvw" << QByteArray("%KVW")
        << QStringLiteral("Error: Error reading the file '%1'.");
    QTest::newRow("worksheet: folder") << true << "folder" << QByteArray()
                                       << QStringLiteral("Error: Could not read the file '%1'.");
    QTest::newRow("configuration: /dev/zero") << false << "device" << QByteArray() << incorrect;
    QTest::newRow("configuration: FIFO") << false << "fifo" << QByteArray() << incorrect;
    QTest::newRow("configuration: 1 GiB, foreign magic")
        << false << "foreign.cfg" << QByteArray("%KVW") << incorrect;
    QTest::newRow("configuration: 1 GiB, right magic, then zeros")
        << false << "zeros.cfg" << QByteArray("%CF2") << incorrect;
    QTest::newRow("configuration: folder") << false << "folder" << QByteArray() << QString();
}

void TestFileReaders::notAFileOfTheirs() {
    QFETCH(bool, worksheet);
    QFETCH(QString, kind);
    QFETCH(QByteArray, magic);
    QFETCH(QString, message);
    const QString path = Source(kind, magic);
    if (path.isEmpty())
        QSKIP("This system cannot make that kind of file here.");
    const QStringList expected = message.isEmpty() ? QStringList() : QStringList{message.arg(path)};

    MessageRecorder messages;
    if (worksheet) {
        RConfig config;
        TypeCatalog catalog(config);
        RWorksheet sheet;
        sheet.CreateDefault(catalog);
        sheet.FileName = path;
        QVERIFY(!sheet.Read(catalog));
        QVERIFY(!sheet.Modified);
        // Refused before anything was taken from the file.
        if (!magic.startsWith("%KVW"))
            QCOMPARE(sheet.Count(), CalcTypeCount);
    } else {
        RConfig config;
        config.FileName = path;
        config.Precision = 3;
        config.LastFolder = QStringLiteral("/work/");
        QVERIFY(!config.Read());
        // A refused file leaves the initial values; an unreadable one changes nothing.
        QCOMPARE(config.Precision, expected.isEmpty() ? 3 : 8);
        QCOMPARE(config.LastFolder.isEmpty(), !expected.isEmpty());
    }
    QCOMPARE(messages.boxes, expected);
}

QTEST_GUILESS_MAIN(TestFileReaders)
#include "tst_filereaders.moc"
