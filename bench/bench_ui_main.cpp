// The main window's responsiveness: start-up to the first shown window, the
// time from a keystroke in a value box to the result shown on every
// calculator that registers a case, switching to each type when it has a
// thousand calculations, switching tabs among them, and peak memory.
//   bench_ui_main [path of the kelvo program, to measure its own peak memory]

#include "uicases.h"

#include "support/recordingdialogs.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "ui/framework/tformproblem.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/shell/tformmain.h"

#include <QAbstractButton>
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

void RunSteps(TFormMain& window, const QStringList& steps) {
    for (const QString& step : steps) {
        const int equals = step.indexOf(u'=');
        if (equals < 0) {
            if (auto* button = window.findChild<QAbstractButton*>(step))
                button->click();
            else
                std::fprintf(stderr, "no button %s\n", qPrintable(step));
            continue;
        }
        auto* edit = window.findChild<QLineEdit*>(step.left(equals));
        if (!edit) {
            std::fprintf(stderr, "no edit %s\n", qPrintable(step.left(equals)));
            continue;
        }
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, step.mid(equals + 1));
    }
}

} // namespace

std::vector<KeystrokeCase>& KeystrokeCases() {
    static std::vector<KeystrokeCase> cases;
    return cases;
}

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QTemporaryDir settings;
    RecordingDialogs dialogs; // a benchmark asks nothing; a message is printed at the end

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
    const int keystrokes = 2000;
    QElapsedTimer timer;
    for (const KeystrokeCase& entry : KeystrokeCases()) {
        window.ShowType(entry.type);
        RunSteps(window, entry.setup);
        auto* edit = window.findChild<QLineEdit*>(entry.edit);
        auto* result = window.findChild<QLineEdit*>(entry.result);
        if (!edit || !result) {
            std::printf("keystroke case %s: missing %s or %s\n", qPrintable(entry.title),
                        qPrintable(entry.edit), qPrintable(entry.result));
            continue;
        }
        edit->setFocus();
        edit->end(false);
        timer.start();
        for (int i = 0; i < keystrokes; ++i)
            QTest::keyClick(edit, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
        const double keyUs = timer.nsecsElapsed() / 1e3 / keystrokes;
        std::printf("keystroke to result, %s: %.1f us (result %s)\n", qPrintable(entry.title),
                    keyUs, qPrintable(result->text()));
    }

    // A thousand calculations of each type in turn: switching to the type
    // lists them all as tabs and shows the current one.
    RWorksheet* worksheet = window.Worksheet();
    const int switches = 40;
    double slowest = 0;
    int slowestType = 0;
    for (int type = 1; type <= CalcTypeCount; ++type) {
        const int first = worksheet->FindSelected(type);
        for (int i = 2; i <= 1000; ++i) {
            auto calculation = std::make_unique<RCalculation>();
            window.Calculator(type)->InitCalculation(*calculation);
            calculation->SetName(QStringLiteral("%1-%2").arg(type).arg(i));
            worksheet->Insert(first + i - 1, std::move(calculation));
        }
        const int other = type == 1 ? 2 : 1;
        timer.restart();
        for (int i = 0; i < switches; ++i) {
            window.ShowType(i % 2 ? other : type);
            QApplication::processEvents();
        }
        const double ms = timer.nsecsElapsed() / 1e6 / switches;
        std::printf("switching to %s with 1000 calculations and back: %.2f ms\n",
                    FindCalcType(type)->typeWord, ms);
        if (ms > slowest) {
            slowest = ms;
            slowestType = type;
        }
        // Back to one calculation of the type, so the next type is measured alone.
        for (int i = 2; i <= 1000; ++i)
            worksheet->Remove(first + 1);
        worksheet->At(first)->SetCurrent(true);
    }
    std::printf("slowest type switch: %s, %.2f ms\n", FindCalcType(slowestType)->typeWord,
                slowest);

    for (int i = 2; i <= 1000; ++i) {
        auto calculation = std::make_unique<RCalculation>();
        window.Calculator(1)->InitCalculation(*calculation);
        calculation->SetName(QStringLiteral("Resistor%1").arg(i));
        worksheet->Insert(i - 1, std::move(calculation));
    }
    window.FillTabs();

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
    for (const QString& message : dialogs.Messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(message));
    worksheet->Modified = false;
    window.close();
    return 0;
}
