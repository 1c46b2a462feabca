// Every file writer replaces a file through a new one wherever the folder
// allows it, so that a failed save leaves the old file whole, and writes in
// place where only the file itself may be written; a device or a FIFO is
// written straight into, a folder is refused.

#include "support/messagerecorder.h"
#include "support/specialfiles.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/report/reportfile.h"
#include "core/rworksheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes with the writer under test: the default worksheet, a
// configuration or a report; 'mark' makes this write's bytes differ from
// another's.
bool WriteWith(const QString& writer, const QString& path, int mark) {
    if (writer == QLatin1String("report"))
        return WriteReportFile(path, "report " + QByteArray::number(mark));
    if (writer == QLatin1String("worksheet")) {
        RConfig config;
        TypeCatalog catalog(config);
        RWorksheet sheet;
        sheet.CreateDefault(catalog);
        sheet.CurrentIndex = mark;
        sheet.FileName = path;
        return sheet.Write();
    }
    RConfig config;
    config.FileName = path;
    config.Precision = mark;
    return config.Write();
}

bool WriteWith(bool worksheet, const QString& path, int mark) {
    return WriteWith(QString::fromLatin1(worksheet ? "worksheet" : "configuration"), path, mark);
}

} // namespace

class TestFileWriters : public QObject {
    Q_OBJECT

private slots:
    void replacing_data();
    void replacing();
    void notRegularFiles_data();
    void notRegularFiles();
};

void TestFileWriters::replacing_data() {
    QTest::addColumn<bool>("worksheet"); // else the configuration
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    for (bool worksheet : {true, false}) {
        const char* who = worksheet ? "worksheet" : "configuration";
        QTest::addRow("%s: writable folder", who) << worksheet << true << true;
        QTest::addRow("%s: read-only folder, writable file", who) << worksheet << false << true;
        QTest::addRow("%s: read-only folder and file", who) << worksheet << false << false;
    }
}

void TestFileWriters::replacing() {
    QFETCH(bool, worksheet);
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    if (::geteuid() == 0 && !(folderWritable && fileWritable))
        QSKIP("Running as root: file permissions do not bind root, so a read-only folder "
              "cannot be tried. Run this test as an ordinary user.");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(worksheet ? "shared.kvw" : "Kelvo.cfg");
    const QString link = dir.filePath("link");
    QVERIFY(WriteWith(worksheet, path, 1));
    const QByteArray before = Contents(path);
    // A second (hard) name for the old file shows whether it was replaced or
    // overwritten.
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
    if (!fileWritable)
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    if (!folderWritable)
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                      QFile::ReadUser | QFile::ExeUser));

    MessageRecorder messages;
    const bool written = WriteWith(worksheet, path, 2);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(written, fileWritable);
    QVERIFY(WriteWith(worksheet, dir.filePath("expected"), 2));
    const QByteArray expected = Contents(dir.filePath("expected"));
    QVERIFY(expected != before);
    QCOMPARE(Contents(path), fileWritable ? expected : before);
    if (folderWritable) // replaced: the old file lives on under its other name
        QCOMPARE(Contents(link), before);
    else // overwritten: both names show the new bytes
        QCOMPARE(Contents(link), fileWritable ? expected : before);
    const QString refused = QStringLiteral("Error: Could not open file '%1' for writing.");
    QCOMPARE(messages.boxes, fileWritable ? QStringList() : QStringList{refused.arg(path)});
    // No temporary file is left behind.
    QCOMPARE(files.size(), 2);
}

void TestFileWriters::notRegularFiles_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("message"); // %1 is the path; empty: none
    const QString opening = QStringLiteral("Error: Could not open file '%1' for writing.");
    for (const char* writer : {"worksheet", "configuration", "report"}) {
        const bool report = QLatin1String(writer) == QLatin1String("report");
        const QString full =
            report ? QString()
            : QLatin1String(writer) == QLatin1String("worksheet")
                ? QStringLiteral("Error: Error writing to file file '%1'. The disk could be full.")
                : QStringLiteral("Error: Error writing to file file '%1'.");
        QTest::addRow("%s: symbolic link", writer) << writer << "link" << true << QString();
        QTest::addRow("%s: /dev/null", writer) << writer << "null" << true << QString();
        QTest::addRow("%s: /dev/full", writer) << writer << "full" << false << full;
        QTest::addRow("%s: FIFO", writer) << writer << "fifo" << true << QString();
        QTest::addRow("%s: folder", writer)
            << writer << "folder" << false << (report ? QString() : opening);
    }
}

void TestFileWriters::notRegularFiles() {
    QFETCH(QString, writer);
    QFETCH(QString, target);
    QFETCH(bool, written);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("file");
    QVERIFY(WriteWith(writer, file, 1));
    QVERIFY(WriteWith(writer, dir.filePath("expected"), 2));
    const QByteArray expected = Contents(dir.filePath("expected"));

    QString path = dir.filePath(target);
    std::unique_ptr<HeldFifo> fifo;
    if (target == QLatin1String("link"))
        QVERIFY(QFile::link(file, path));
    else if (target == QLatin1String("null") || target == QLatin1String("full"))
        path = CharacterDevice(dir.path(), target);
    else if (target == QLatin1String("fifo"))
        fifo = std::make_unique<HeldFifo>(path);
    else
        QVERIFY(QDir().mkdir(path));
    if (path.isEmpty() || (fifo && !fifo->IsOpen()))
        QSKIP("This system cannot make that kind of file here.");

    MessageRecorder messages;
    QCOMPARE(WriteWith(writer, path, 2), written);
    QCOMPARE(messages.boxes, message.isEmpty() ? QStringList() : QStringList{message.arg(path)});
    const QFileInfo info(path);
    if (target == QLatin1String("link")) { // the link stays, the file it names is replaced
        QVERIFY(info.isSymLink());
        QCOMPARE(Contents(file), expected);
    } else if (fifo) {
        QVERIFY(fifo->IsFifo());
        QCOMPARE(fifo->Take(), expected);
    } else if (target == QLatin1String("folder")) {
        QVERIFY(info.isDir());
    } else {
        QVERIFY(IsCharacterDevice(path));
    }
    // Nothing but what the test made is left in the folder.
    const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(dir.path()).entryList(all).size(), path.startsWith(dir.path()) ? 3 : 2);
}

QTEST_GUILESS_MAIN(TestFileWriters)
#include "tst_filewriters.moc"
