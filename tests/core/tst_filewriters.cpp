// Every file writer replaces a file through a new one wherever the folder
// allows it, so that a failed save leaves the old file whole, and writes in
// place where only the file itself may be written; a device or a FIFO is
// written straight into, a folder is refused.

#include "support/filebytes.h"
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

#include <unistd.h>

namespace {

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
    const QByteArray before = FileBytes::Load(path);
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
    const QByteArray expected = FileBytes::Load(dir.filePath("expected"));
    QVERIFY(expected != before);
    QCOMPARE(FileBytes::Load(path), fileWritable ? expected : before);
    if (folderWritable) // replaced: the old file lives on under its other name
        QCOMPARE(FileBytes::Load(link), before);
    else // overwritten: both names show the new bytes
        QCOMPARE(FileBytes::Load(link), fileWritable ? expected : before);
    const QString refused = QStringLiteral("Error: Could not open file '%1' for writing.");
    QCOMPARE(messages.boxes, fileWritable ? QStringList() : QStringList{refused.arg(path)});
    // No temporary file is left behind.
    QCOMPARE(files.size(), 2);
}

void TestFileWriters::notRegularFiles_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message"); // %1 is the path; empty: written; "-": fails quietly
    const QString opening = QStringLiteral("Error: Could not open file '%1' for writing.");
    const QStringList full = {"Error: Error writing to file file '%1'. The disk could be full.",
                              "Error: Error writing to file file '%1'.", "-"};
    const QStringList writers = {"worksheet", "configuration", "report"};
    for (int w = 0; w < writers.size(); ++w) {
        const QByteArray who = writers[w].toLatin1();
        QTest::addRow("%s: symbolic link", who.data()) << writers[w] << "link"
                                                       << "";
        QTest::addRow("%s: /dev/null", who.data()) << writers[w] << "null"
                                                   << "";
        QTest::addRow("%s: /dev/full", who.data()) << writers[w] << "full" << full[w];
        QTest::addRow("%s: FIFO", who.data()) << writers[w] << "fifo"
                                              << "";
        QTest::addRow("%s: folder", who.data())
            << writers[w] << "folder" << (w == 2 ? "-" : opening);
    }
}

void TestFileWriters::notRegularFiles() {
    QFETCH(QString, writer);
    QFETCH(QString, target);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath("file");
    const QString path = dir.filePath(target);
    QVERIFY(WriteWith(writer, file, 1) && WriteWith(writer, dir.filePath("expected"), 2));
    const QByteArray expected = FileBytes::Load(dir.filePath("expected"));
    int fifo = -1;
    if (target == QLatin1String("link"))
        QVERIFY(QFile::link(file, path));
    else if (target == QLatin1String("fifo"))
        QVERIFY((fifo = HeldFifo(path)) >= 0);
    else if (target == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (CharacterDevice(dir.path(), target).isEmpty())
        QSKIP("This system cannot make that device here.");

    MessageRecorder messages;
    QCOMPARE(WriteWith(writer, path, 2), message.isEmpty());
    QCOMPARE(messages.boxes, message.size() > 1 ? QStringList{message.arg(path)} : QStringList());
    // What is not a regular file stays what it was; a link stays, and the
    // file it names is replaced.
    const QByteArray got =
        target == QLatin1String("fifo") ? TakeFromFifo(fifo) : FileBytes::Load(file);
    ::close(fifo);
    QCOMPARE(got, target == QLatin1String("link") || fifo >= 0 ? expected : FileBytes::Load(file));
    QVERIFY(IsOfType(path, target == QLatin1String("fifo")     ? S_IFIFO
                           : target == QLatin1String("folder") ? S_IFDIR
                           : target == QLatin1String("link")   ? S_IFREG
                                                               : S_IFCHR));
    QVERIFY(target != QLatin1String("link") || QFileInfo(path).isSymLink());
    // Nothing but what the test made is left in the folder.
    const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(dir.path()).entryList(all).size(), 3);
}

QTEST_GUILESS_MAIN(TestFileWriters)
#include "tst_filewriters.moc"
