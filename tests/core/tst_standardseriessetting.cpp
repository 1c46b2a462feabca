#include "support/testsettings.h"

#include "core/standardseriessetting.h"

#include <QtTest>

// The "Standard values" preference in the user's settings file.
class TestStandardSeriesSetting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { file_ = UseTestSettings() + QStringLiteral("/Quillmarsh/Kelvo.conf"); }
    void storedByName();
    void readByName_data();
    void readByName();

private:
    QString file_;
};

// By name in the file, where the next start of the program reads it.
void TestStandardSeriesSetting::storedByName() {
    for (ESeries series : AllESeries()) {
        StoreStandardSeries(series);
        QCOMPARE(ReadStandardSeries(), series);
    }
    QFile file(file_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Preferences]\nStandardValues=E192\n"));
}

void TestStandardSeriesSetting::readByName_data() {
    QTest::addColumn<QString>("stored"); // "-": nothing stored
    QTest::addColumn<int>("series");
    for (const char* stored : {"-", "", "E13", "e24", "24"}) // anything else is E12
        QTest::newRow(stored) << stored << int(ESeries::E12);
    QTest::newRow("E96") << "E96" << int(ESeries::E96);
}

void TestStandardSeriesSetting::readByName() {
    QFETCH(QString, stored);
    QFETCH(int, series);
    QFile::remove(file_);
    QSettings settings(file_, QSettings::IniFormat);
    if (stored != "-")
        settings.setValue(QStringLiteral("Preferences/StandardValues"), stored);
    settings.sync();
    QCOMPARE(int(ReadStandardSeries()), series);
}

QTEST_GUILESS_MAIN(TestStandardSeriesSetting)
#include "tst_standardseriessetting.moc"
