#include "core/designfrequency.h"
#include "core/rextras.h"

#include <QtTest>

class TestDesignFrequency : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void storedInTheExtras();
    void evaluate_data();
    void evaluate();
};

void TestDesignFrequency::storedInTheExtras() {
    RExtras extras;
    QCOMPARE(GetDesignFrequency(extras).unitIndex, 2); // MHz first chosen
    QVERIFY(SetDesignFrequency(extras, DesignFrequency{QStringLiteral(" 7.1e3 "), 1}));
    QVERIFY(!SetDesignFrequency(extras, DesignFrequency{QString(1024, u'1'), 0}));
    QCOMPARE(extras.Value(ExtraKeys::DesignFrequency), QStringLiteral(" 7.1e3 "));
    QCOMPARE(extras.Value(ExtraKeys::DesignFrequencyUnit), QStringLiteral("1"));
    QCOMPARE(GetDesignFrequency(extras).unitIndex, 1);
    for (const char* unit : {"abc", "3", "-1"}) { // not listed: the first unit
        extras.Set(ExtraKeys::DesignFrequencyUnit, QString::fromLatin1(unit));
        QCOMPARE(GetDesignFrequency(extras).unitIndex, 0);
    }
    // No frequency leaves no keys; other extras stay.
    extras.Set(ExtraKeys::Q, QStringLiteral("5"));
    QVERIFY(SetDesignFrequency(extras, DesignFrequency{QString(), 0}));
    QCOMPARE(extras.Count(), 1);
    QCOMPARE(GetDesignFrequency(extras).text, QString());
}

void TestDesignFrequency::evaluate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("state");
    QTest::addColumn<double>("hertz");
    QTest::addColumn<QString>("message");
    const int none = int(DesignFrequencyValue::State::None);
    const int invalid = int(DesignFrequencyValue::State::Invalid);
    const int valid = int(DesignFrequencyValue::State::Valid);
    QTest::newRow("7.1 MHz") << "7.1" << 2 << valid << 7.1e6 << "";
    QTest::newRow("3500 KHz") << "3500" << 1 << valid << 3.5e6 << "";
    QTest::newRow("50 Hz") << " 50 " << 0 << valid << 50.0 << "";
    QTest::newRow("empty") << "" << 2 << none << 0.0 << "";
    QTest::newRow("blanks") << "  " << 2 << none << 0.0 << "";
    QTest::newRow("abc")
        << "abc" << 2 << invalid << 0.0
        << "Error: Real value for Design frequency did not contain a valid number.";
    QTest::newRow("0") << "0" << 2 << invalid << 0.0
                       << "Error: Value for Design frequency cannot be zero.";
    QTest::newRow("negative") << "-7" << 2 << invalid << 0.0
                              << "Error: Value for Design frequency cannot be negative.";
    QTest::newRow("beyond a double")
        << "1e305" << 2 << invalid << 0.0 << "Error: Invalid frequency.";
}

void TestDesignFrequency::evaluate() {
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(int, state);
    QFETCH(double, hertz);
    QFETCH(QString, message);
    const DesignFrequencyValue value = EvaluateDesignFrequency(DesignFrequency{text, unit});
    QCOMPARE(int(value.state), state);
    QCOMPARE(value.hertz, hertz);
    QCOMPARE(value.message, message);
}

QTEST_GUILESS_MAIN(TestDesignFrequency)
#include "tst_designfrequency.moc"
