// The main window's responsiveness: start-up to the first shown window, the
// time from a keystroke in a value box to the result shown, switching types
// and tabs with a thousand calculations of one type, and peak memory.
//   bench_ui_main [path of the kelvo program, to measure its own peak memory]

#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "ui/framework/tformproblem.h"
#include "ui/framework/userdialogs.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/shell/tformmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/resource.h>

namespace {

// Answers every question with No; a benchmark never asks one.
class QuietDialogs final : public UserDialogs {
public:
    Answer Ask(QWidget*, const QString&, bool) override { return Answer::No; }
    void ShowMessage(QWidget*, MessageBoxKind, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool GetOpenFileName(QWidget*, const QString&, const QString&, QString&) override {
        return false;
    }
    bool GetSaveFileName(QWidget*, const QString&, const QString&, QString&) override {
        return false;
    }
    bool GetText(QWidget*, const QString&, const QString&, int, QString&) override {
        return false;
    }
    bool GetColor(QWidget*, QColor&) override { return false; }
};

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Peak resident memory of the real program, read while it runs.
long ProgramPeakKilobytes(const QString& program) {
    QProcess process;
    process.start(program, {});
    if (!process.waitForStarted())
        return -1;
    QTest::qWait(5000); // the splash takes three seconds
    QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
    long peak = -1;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    process.kill();
    process.waitForFinished();
    return peak;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QTemporaryDir settings;
    QuietDialogs dialogs;

    TFormMain window(dialogs);
    window.SetConfigFileName(settings.filePath(QStringLiteral("Kelvo.cfg")));
    window.CreateForms();
    window.show();
    QApplication::processEvents();
    const double startupMs = sinceStart.nsecsElapsed() / 1e6;
    std::printf("start-up to the first shown main window (without the splash's 3 s): %.1f ms\n",
                startupMs);

    // Keystroke to result, with automatic calculation.
    window.Config()->AutoCalculate = 1;
    auto* r1 = window.findChild<QLineEdit*>(QStringLiteral("EditR1"));
    auto* r2 = window.findChild<QLineEdit*>(QStringLiteral("EditR2"));
    auto* result = window.findChild<QLineEdit*>(QStringLiteral("EditRout"));
    QTest::keyClicks(r2, QStringLiteral("2.2"));
    QTest::keyClicks(r1, QStringLiteral("10"));
    const int keystrokes = 4000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keystrokes; ++i)
        QTest::keyClick(r1, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
    const double keyUs = timer.nsecsElapsed() / 1e3 / keystrokes;
    std::printf("keystroke in a value box to the result shown: %.1f us (result %s)\n", keyUs,
                qPrintable(result->text()));

    // A thousand resistor calculations.
    RWorksheet* worksheet = window.Worksheet();
    for (int i = 2; i <= 1000; ++i) {
        auto calculation = std::make_unique<RCalculation>();
        window.Calculator(1)->InitCalculation(*calculation);
        calculation->SetName(QStringLiteral("Resistor%1").arg(i));
        worksheet->Insert(i - 1, std::move(calculation));
    }
    window.FillTabs();

    const int switches = 100;
    timer.restart();
    for (int i = 0; i < switches; ++i) {
        window.ShowType(i % 2 ? 1 : 2);
        QApplication::processEvents();
    }
    std::printf("switching between a type with 1000 calculations and one with 1: %.2f ms\n",
                timer.nsecsElapsed() / 1e6 / switches);

    window.ShowType(1);
    RTabControl* tabs = window.Tabs();
    timer.restart();
    for (int i = 0; i < switches; ++i) {
        const int tab = (i * 397) % tabs->Count();
        tabs->SetTabIndex(tab);
        emit tabs->TabChanged(tab);
        QApplication::processEvents();
    }
    std::printf("switching tabs among 1000 calculations: %.2f ms\n",
                timer.nsecsElapsed() / 1e6 / switches);

    std::printf("peak memory of this benchmark: %.1f MB\n", PeakKilobytes() / 1024.0);
    if (argc > 1) {
        const long peak = ProgramPeakKilobytes(QString::fromLocal8Bit(argv[1]));
        std::printf("peak memory of the program after start-up: %.1f MB\n", peak / 1024.0);
    }
    worksheet->Modified = false;
    window.close();
    return 0;
}
