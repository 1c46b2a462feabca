#include "support/messagerecorder.h"

#include "core/calctypes.h"
#include "core/calculationsolver.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"

#include <QtTest>

// The solve path over the whole type table: every declared way to solve a
// calculation checks the fields it reads in its order under their names,
// calls its own arithmetic and writes only the fields it declares. The
// arithmetic itself is tested in tests/core/calc.
class TestCalculationSolver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void everySolve_data();
    void everySolve();
    void severalSolutions();
    void failures_data();
    void failures();
    void offScaleAndAddedCircuit();
    void designFromLoadedQ_data();
    void designFromLoadedQ();
};

namespace {

// The solves of a type: its unknowns', then its conversions.
std::vector<const SolveSpec*> SolvesOf(const CalcTypeInfo& info) {
    std::vector<const SolveSpec*> solves;
    for (const UnknownSpec& unknown : info.unknowns)
        solves.push_back(&unknown.solve);
    for (const SolveSpec& conversion : info.conversions)
        solves.push_back(&conversion);
    return solves;
}

// A calculation of the type whose k-th field read holds the k-th text (and
// an imaginary part of 1 where it has one), in the field's default unit.
RCalculation Filled(int type, const SolveSpec& solve, const QStringList& texts) {
    RCalculation calculation;
    InitCalculationOfType(type, calculation, RConfig());
    for (size_t k = 0; k < solve.reads.size(); ++k) {
        const ReadSpec& read = solve.reads[k];
        if (read.IsExtra()) {
            calculation.Extras().Set(read.extraKey, texts.value(int(k)));
            continue;
        }
        const bool complex = FindCalcType(type)->fields[size_t(read.field)].complex;
        calculation.Field(read.field).SetTexts(texts.value(int(k)), complex ? "1" : "");
    }
    return calculation;
}

QStringList Texts(const RCalculation& calculation) {
    QStringList texts;
    for (const RField& field : calculation.Fields())
        texts << field.text + QLatin1Char('|') + field.imagText;
    return texts;
}

const QStringList Primes = {"2", "3", "5", "7", "11"};

} // namespace

void TestCalculationSolver::everySolve_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("solve");
    // The fields written, "text|imaginary text" each, or the warning, when
    // the fields read hold 2, 3, 5, 7 and 11 in their declared order.
    QTest::addColumn<QString>("outcome");
    // Per type, the outcomes of its solves in their order, "; " between them.
    const QString zin = QStringLiteral("Error: Imaginary component of Zin must be 0.");
    const QMap<QString, QString> outcomes = {
        {"Resistor", "1.2|0; 6|0; 6|0"},
        {"Capacitor", "5|0; Error: No solution.; Error: No solution."},
        {"Inductor", "1.2|0; 6|0; 6|0"},
        {"Impedance", "1.20689655172414|0.517241379310345; 5|5; 5|5"},
        {"ReactanceC", "26525.8238486492|0; 26525.8238486492|0"},
        {"ReactanceI", "37.6991118430775|0; 0.238732414637843|0"},
        {"LNetwork",
         "2.52293577981651|0.743119266055046; 4.45283018867925|1.58490566037736; " + zin},
        {"PiNetwork",
         "3.29797787104159|0.645555131629149; 2.06420927467301|0.632580261593341; " + zin},
        {"TNetwork",
         "9.52293577981651|1.74311926605505; 6.21463414634146|1.66829268292683; " + zin},
        {"SWR", "1.767591879244|0"},
        {"Length", "0.609599980492801|0; 6.56168|0"},
        {"Area", "0.185806069931273|0; 21.527822|0"},
        {"VolDry", "0.0566340247026289|0; 70.62892|0"},
        {"VolFluid", "59.14706|0; 0.0676280444032214|0"},
        {"Weight", "0.90718496|0; 4.40924417441841|0"},
        {"Wavelen", "149.9|0; 149.9|0"},
        {"Dipole", "74.95|0; 74.95|0"},
        {"Resonant", "64.9747334361397|0; 2110.8579925487|0; 2110.8579925487|0"},
        {"AirCoil", "0.252372299616394|0; 7.09458668766596|0; Error: No solution.; "
                    "21.2033016296991|0"},
        {"AntImped", "Error: No solution."},
    };
    int types = 0;
    for (int type = 1; type <= CalcTypeCount; ++type) {
        const CalcTypeInfo& info = *FindCalcType(type);
        const QStringList outcome = outcomes.value(info.typeWord).split(QStringLiteral("; "));
        const std::vector<const SolveSpec*> solves = SolvesOf(info);
        int row = 0;
        for (int k = 0; k < int(solves.size()); ++k) {
            if (solves[size_t(k)]->solver)
                QTest::addRow("%s %d", info.typeWord, k) << type << k << outcome.value(row++);
        }
        QVERIFY2(row == outcome.size(), info.typeWord);
        types += row > 0 ? 1 : 0;
    }
    QCOMPARE(types, outcomes.size());
}

void TestCalculationSolver::everySolve() {
    QFETCH(int, type);
    QFETCH(int, solve);
    QFETCH(QString, outcome);
    const CalcTypeInfo& info = *FindCalcType(type);
    const SolveSpec& declared = *SolvesOf(info)[size_t(solve)];
    MessageRecorder messages;

    // Each field read is checked, after those before it, under its name.
    for (size_t k = 0; k < declared.reads.size(); ++k) {
        if (!(declared.reads[k].configurations & 1u)) // not read in configuration 0
            continue;
        QStringList texts = Primes.mid(0, int(k));
        while (texts.size() < int(declared.reads.size()))
            texts << QStringLiteral("x");
        RCalculation calculation = Filled(type, declared, texts);
        const QStringList before = Texts(calculation);
        messages.Reset();
        QCOMPARE(SolveCalculation(calculation, info, declared).kind, SolveResult::Kind::Refused);
        QCOMPARE(messages.warning, QStringLiteral("Error: Real value for ") +
                                       ReadName(info, declared.reads[k]) +
                                       QStringLiteral(" did not contain a valid number."));
        QCOMPARE(Texts(calculation), before);
    }

    // Valid readings: the answer goes into the fields written, and only there.
    RCalculation calculation = Filled(type, declared, Primes);
    const QStringList before = Texts(calculation);
    messages.Reset();
    const SolveResult result = SolveCalculation(calculation, info, declared);
    QStringList written;
    for (int field : declared.writes)
        written << Texts(calculation)[field];
    QCOMPARE(outcome.startsWith("Error: ") ? messages.warning : written.join(u' '), outcome);
    QCOMPARE(result.kind != SolveResult::Kind::Stored, outcome.startsWith("Error: "));
    for (int field = 0; field < calculation.FieldCount(); ++field) {
        if (std::find(declared.writes.begin(), declared.writes.end(), field) ==
            declared.writes.end())
            QCOMPARE(Texts(calculation)[field], before[field]);
    }
}

namespace {

// The calculation of a type with the texts given by field number.
RCalculation WithTexts(int type, const QMap<int, QString>& texts, int configuration = 0) {
    RCalculation calculation;
    InitCalculationOfType(type, calculation, RConfig());
    calculation.SetConfiguration(configuration);
    for (auto it = texts.begin(); it != texts.end(); ++it)
        calculation.Field(it.key()).text = it.value();
    return calculation;
}

SolveResult Solve(RCalculation& calculation, int unknown) {
    const CalcTypeInfo& info = *FindCalcType(calculation.Type());
    return SolveCalculation(calculation, info, info.unknowns[size_t(unknown)].solve);
}

} // namespace

// A design stores both solutions in the elements' solution fields (plain
// ohms) and Solution 1 in the elements themselves, in their own unit.
void TestCalculationSolver::severalSolutions() {
    MessageRecorder messages;
    RCalculation design = WithTexts(7, {{0, "50"}, {3, "200"}});
    design.Field(1).unitIndex = 1;
    const SolveResult result = Solve(design, 2);
    QCOMPARE(result.kind, SolveResult::Kind::Stored);
    QCOMPARE(result.solutions, 2);
    QCOMPARE(design.Solution(), 0);
    QCOMPARE(design.Field(1).imagText, QStringLiteral("-0.0866025403784439"));
    QCOMPARE(design.Field(1).solutions[0].imagText, QStringLiteral("-86.6025403784439"));
    QCOMPARE(design.Field(1).solutions[1].imagText, QStringLiteral("86.6025403784439"));
    QCOMPARE(design.Field(2).solutions[1].imagText, QStringLiteral("-115.470053837925"));
    QCOMPARE(messages.clears, 1);

    // The antenna's result: the impedance with both signs of its reactance.
    RCalculation antenna = WithTexts(20, {{1, "50"}, {2, "1.5"}});
    QCOMPARE(Solve(antenna, 0).solutions, 2);
    QCOMPARE(antenna.Field(5).solutions[1].imagText, QStringLiteral("-19.2307692307692"));
    QCOMPARE(antenna.Field(5).imagText, antenna.Field(5).solutions[0].imagText);
}

void TestCalculationSolver::failures_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("unknown");
    QTest::addColumn<QString>("first"); // the texts read, in their order
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("kind"); // SolveResult::Kind
    QTest::addColumn<QString>("warning");
    const int refused = int(SolveResult::Kind::Refused);
    // No L network of the type exists: the elements' answers go.
    QTest::newRow("design without a network")
        << 7 << 2 << "50"
        << "200" << int(SolveResult::Kind::Emptied) << "Error: No solution found.";
    // A degenerate root leaves the elements as they were.
    QTest::newRow("design with a degenerate root") << 7 << 2 << "50"
                                                   << "50" << refused << "Error: No solution.";
    // 1.6E299 F is a number, but not in picofarads.
    QTest::newRow("answer beyond its unit") << 5 << 1 << "1"
                                            << "1e-306" << refused << "Error: No solution.";
    // An empty box of a calculator that works both ways is no input at all.
    QTest::newRow("nothing typed") << 16 << -1 << ""
                                   << "" << int(SolveResult::Kind::Nothing) << "";
}

void TestCalculationSolver::failures() {
    QFETCH(int, type);
    QFETCH(int, unknown);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, kind);
    QFETCH(QString, warning);
    const CalcTypeInfo& info = *FindCalcType(type);
    const SolveSpec& solve =
        unknown < 0 ? info.conversions[0] : info.unknowns[size_t(unknown)].solve;
    MessageRecorder messages;
    RCalculation calculation = WithTexts(type, {});
    calculation.Field(solve.reads[0].field).text = first;
    if (solve.reads.size() > 1)
        calculation.Field(solve.reads[1].field).text = second;
    for (int field : solve.writes)
        calculation.Field(field).SetTexts(QStringLiteral("7"), QString());
    calculation.SetSolution(1);
    QCOMPARE(int(SolveCalculation(calculation, info, solve).kind), kind);
    QCOMPARE(messages.warning, warning);
    const bool emptied = kind == int(SolveResult::Kind::Emptied);
    for (int field : solve.writes)
        QCOMPARE(calculation.Field(field).text, emptied ? QString() : QStringLiteral("7"));
    QCOMPARE(calculation.Solution(), emptied ? -1 : 1);
}

// The analyser's "H" is a reading; the added circuit is read only with one.
void TestCalculationSolver::offScaleAndAddedCircuit() {
    MessageRecorder messages;
    RCalculation calculation = WithTexts(20, {{1, "50"}, {2, "h"}, {3, "x"}, {4, "x"}});
    SolveResult result = Solve(calculation, 0);
    QCOMPARE(result.kind, SolveResult::Kind::Advice);
    QCOMPARE(result.advice, 1);
    QVERIFY(messages.warning.isEmpty());
    calculation.SetConfiguration(2);
    QCOMPARE(Solve(calculation, 0).kind, SolveResult::Kind::Refused);
    QCOMPARE(messages.warning,
             QStringLiteral(
                 "Error: Real value for Z of added Resistor did not contain a valid number."));
    calculation.Field(3).text = QStringLiteral("10");
    Solve(calculation, 0);
    QCOMPARE(
        messages.warning,
        QStringLiteral("Error: Real value for Z of added Coil did not contain a valid number."));
    calculation.Field(1).text = QStringLiteral("H");
    calculation.Field(2).text = QStringLiteral("2");
    calculation.Field(4).text = QStringLiteral("20");
    QCOMPARE(Solve(calculation, 0).kind, SolveResult::Kind::Refused);
    QCOMPARE(messages.warning, QStringLiteral("Error: No solution."));
}

void TestCalculationSolver::designFromLoadedQ_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("read"); // Zin, Zout, Q
    QTest::addColumn<QString>("outcome");  // Z1 Z2 Z3 as "text|imaginary text", or the warning
    QTest::newRow("Pi: 2000 to 50 with Q 10, Z2 in K")
        << 8 << QStringList{"2000", "50", "10"} << "0|-200 0|0.222473443634116 0|-40.4888165089458";
    QTest::newRow("T: 50 to 200 with Q 2, Z2 in K")
        << 9 << QStringList{"50", "200", "2"} << "0|-100 0|0.1 0|-100";
    QTest::newRow("Zin checked before Q")
        << 8 << QStringList{"abc", "50", "abc"}
        << "Error: Real value for Zin did not contain a valid number.";
    QTest::newRow("Q negative") << 8 << QStringList{"2000", "50", "-10"}
                                << "Error: Value for Q cannot be negative.";
}

// The design reads Zin, Zout and the Q kept among the extras, in that order;
// its elements are written in the unit their boxes show, or on failure keep
// what they held.
void TestCalculationSolver::designFromLoadedQ() {
    QFETCH(int, type);
    QFETCH(QStringList, read);
    QFETCH(QString, outcome);
    MessageRecorder messages;
    RCalculation calculation = WithTexts(type, {{0, read[0]}, {4, read[1]}});
    calculation.Extras().Set(ExtraKeys::Q, read[2]);
    for (int field : {1, 2, 3})
        calculation.Field(field).SetTexts(QStringLiteral("7"), QString());
    calculation.Field(2).unitIndex = 1;
    const SolveResult result = Solve(calculation, 2);
    const QStringList texts = Texts(calculation).mid(1, 3);
    const bool failed = outcome.startsWith("Error: ");
    QCOMPARE(failed ? messages.warning : texts.join(u' '), outcome);
    QCOMPARE(result.kind, failed ? SolveResult::Kind::Refused : SolveResult::Kind::Stored);
    if (failed)
        QCOMPARE(texts, QStringList({"7|", "7|", "7|"}));
    QCOMPARE(calculation.Solution(), -1);
    QCOMPARE(calculation.Field(2).solutions.size(), size_t(0));
}

QTEST_GUILESS_MAIN(TestCalculationSolver)
#include "tst_calculationsolver.moc"
