// Both file writers replace a file through a new one wherever the folder
// allows it, so that a failed save leaves the old file whole, and write in
// place where only the file itself may be written.

#include "support/messagerecorder.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes with the writer under test: the default worksheet, or a
// configuration; 'mark' makes this write's bytes differ from another's.
bool WriteWith(bool worksheet, const QString& path, int mark) {
    if (worksheet) {
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

} // namespace

class TestFileWriters : public QObject {
    Q_OBJECT

private slots:
    void replacing_data();
    void replacing();
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

QTEST_GUILESS_MAIN(TestFileWriters)
#include "tst_filewriters.moc"
