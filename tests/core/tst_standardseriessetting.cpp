#include "support/testsettings.h"

#include "core/standardseriessetting.h"

#include <QtTest>

// The "Standard values" preference in the user's settings file.
class TestStandardSeriesSetting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { folder_ = UseTestSettings(); }
    void init() { QFile::remove(File()); }
    void nothingStoredIsE12();
    void roundTrip_data();
    void roundTrip();
    void unknownNameIsE12_data();
    void unknownNameIsE12();

private:
    QString File() const { return folder_ + QStringLiteral("/Quillmarsh/Kelvo.conf"); }
    QString folder_;
};

void TestStandardSeriesSetting::nothingStoredIsE12() {
    QCOMPARE(ReadStandardSeries(), ESeries::E12);
    QVERIFY(!QFileInfo::exists(File()));
}

void TestStandardSeriesSetting::roundTrip_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<QByteArray>("line");
    for (ESeries series : AllESeries())
        QTest::newRow(qPrintable(ESeriesName(series)))
            << int(series) << "StandardValues=" + ESeriesName(series).toLatin1();
}

// Stored by name in the file, where the next start of the program reads it.
void TestStandardSeriesSetting::roundTrip() {
    QFETCH(int, series);
    QFETCH(QByteArray, line);
    StoreStandardSeries(ESeries(series));
    QFile file(File());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[Preferences]\n" + line + "\n");
    QCOMPARE(int(ReadStandardSeries()), series);
}

void TestStandardSeriesSetting::unknownNameIsE12_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << "";
    QTest::newRow("no such series") << "E13";
    QTest::newRow("lower case") << "e24";
    QTest::newRow("a number") << "24";
}

void TestStandardSeriesSetting::unknownNameIsE12() {
    QFETCH(QString, stored);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillmarsh"),
              QStringLiteral("Kelvo"))
        .setValue(QStringLiteral("Preferences/StandardValues"), stored);
    QCOMPARE(ReadStandardSeries(), ESeries::E12);
}

QTEST_GUILESS_MAIN(TestStandardSeriesSetting)
#include "tst_standardseriessetting.moc"
