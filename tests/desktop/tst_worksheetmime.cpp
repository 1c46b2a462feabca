#include "support/filebytes.h"

#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QtTest>

class TestWorksheetMime : public QObject {
    Q_OBJECT

private slots:
    void recognised_data();
    void recognised();
    void commentAndExtension();
};

void TestWorksheetMime::recognised_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("worksheet");

    const QByteArray worksheet = FileBytes::Worksheet({});
    QTest::newRow("by extension") << "antenna.kvw" << worksheet << true;
    QTest::newRow("by content, renamed") << "antenna-backup" << worksheet << true;
    QTest::newRow("by content, other extension") << "antenna.dat" << worksheet << true;
    QTest::newRow("magic not at the start") << "notes" << QByteArray(" %KVW text") << false;
    QTest::newRow("other magic") << "config" << QByteArray("%CF2") + QByteArray(8, '\0') << false;
}

void TestWorksheetMime::recognised() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, worksheet);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(FileBytes::Save(dir.filePath(fileName), content));
    const QString name = QMimeDatabase().mimeTypeForFile(dir.filePath(fileName)).name();
    QCOMPARE(name == QStringLiteral("application/x-kelvo-worksheet"), worksheet);
}

void TestWorksheetMime::commentAndExtension() {
    const QMimeType type = QMimeDatabase().mimeTypeForName("application/x-kelvo-worksheet");
    QVERIFY(type.isValid());
    QCOMPARE(type.comment(), QStringLiteral("Kelvo worksheet"));
    QCOMPARE(type.globPatterns(), QStringList{QStringLiteral("*.kvw")});
    QCOMPARE(type.preferredSuffix(), QStringLiteral("kvw"));
}

QTEST_GUILESS_MAIN(TestWorksheetMime)
#include "tst_worksheetmime.moc"
