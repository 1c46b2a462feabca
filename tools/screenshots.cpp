// Takes pictures of Kelvo's windows in typical states, for the README and
// for looking over the screens after a change:
//   kelvo_screenshots <output folder>
// Run it on a real or virtual display (xvfb-run).

#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "ui/framework/tformproblem.h"
#include "ui/framework/userdialogs.h"
#include "ui/presentation/rtabcontrol.h"
#include "ui/presentation/tformabout.h"
#include "ui/presentation/tformsplash.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/tformmain.h"
#include "ui/shell/tformoptions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString folder;

void Save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(150);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void Type(TFormMain& window, const QString& edit, const QString& text) {
    auto* line = window.findChild<QLineEdit*>(edit);
    line->selectAll();
    line->del();
    QTest::keyClicks(line, text);
}

void Click(TFormMain& window, const QString& name) {
    auto* button = window.findChild<QAbstractButton*>(name);
    button->click();
}

void ShowType(TFormMain& window, const QString& caption) {
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeType"));
    const auto items = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    emit tree->itemClicked(items.first(), 0);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    QTemporaryDir settings;

    DesktopDialogs dialogs;
    TFormSplash splash;
    TFormMain window(dialogs);
    window.SetConfigFileName(settings.filePath(QStringLiteral("Kelvo.cfg")));
    splash.show();
    Save(&splash, QStringLiteral("splash"));
    splash.hide();
    window.CreateForms(&splash);
    window.show();
    window.Config()->AutoCalculate = 1;

    Type(window, QStringLiteral("EditR1"), QStringLiteral("100"));
    Click(window, QStringLiteral("RadioR22"));
    Type(window, QStringLiteral("EditR2"), QStringLiteral("2.2"));
    Save(&window, QStringLiteral("resistor-parallel"));
    Click(window, QStringLiteral("RadioSeries"));
    Save(&window, QStringLiteral("resistor-series"));
    Type(window, QStringLiteral("EditR2"), QStringLiteral("-"));
    Save(&window, QStringLiteral("resistor-warning"));
    Type(window, QStringLiteral("EditR2"), QStringLiteral("2.2"));

    ShowType(window, QStringLiteral("Capacitor"));
    Type(window, QStringLiteral("EditC1"), QStringLiteral("100"));
    Click(window, QStringLiteral("RadioC22"));
    Type(window, QStringLiteral("EditC2"), QStringLiteral("0.001"));
    Save(&window, QStringLiteral("capacitor-parallel"));
    Click(window, QStringLiteral("RadioSeries"));
    Save(&window, QStringLiteral("capacitor-series"));

    ShowType(window, QStringLiteral("Inductor"));
    Type(window, QStringLiteral("EditL1"), QStringLiteral("10"));
    Click(window, QStringLiteral("RadioL22"));
    Type(window, QStringLiteral("EditL2"), QStringLiteral("1"));
    Save(&window, QStringLiteral("inductor-parallel"));
    Click(window, QStringLiteral("RadioSeries"));
    Click(window, QStringLiteral("RadioL1"));
    Save(&window, QStringLiteral("inductor-series-unknown-l1"));

    // Several tabs: new calculations are named by the proposal.
    ShowType(window, QStringLiteral("Resistor"));
    RWorksheet* worksheet = window.Worksheet();
    for (const char* name : {"Dummy load", "Bias network", "Resistor4"}) {
        auto calculation = std::make_unique<RCalculation>();
        window.CurrentCalculator()->InitCalculation(*calculation);
        calculation->SetName(QString::fromLatin1(name));
        worksheet->Insert(worksheet->IndexOf(window.CurrentCalculation()) + 1,
                          std::move(calculation));
    }
    window.FillTabs();
    Save(&window, QStringLiteral("resistor-tabs"));

    ShowType(window, QStringLiteral("Pi Network"));
    Save(&window, QStringLiteral("blank-type"));
    ShowType(window, QStringLiteral("Resistor"));

    // The preferences, one picture per page.
    TFormOptions* options = window.Options();
    auto* pages = options->findChild<QTabWidget*>(QStringLiteral("PageControlOptions"));
    for (int page = 0; page < pages->count(); ++page) {
        QTimer::singleShot(300, [&, page] {
            pages->setCurrentIndex(page);
            Save(options, QStringLiteral("preferences-%1").arg(page + 1));
            options->reject();
        });
        options->Execute(*window.Config());
    }

    HelpViewer help({QStringLiteral(KELVO_SOURCE_DIR "/resources/help")});
    help.ShowTopic(3000);
    Save(help.Window(), QStringLiteral("help-resistor"));
    help.ShowContents();
    Save(help.Window(), QStringLiteral("help-contents"));
    help.Close();

    auto* about = window.findChild<TFormAbout*>();
    QTimer::singleShot(300, [&] {
        Save(about, QStringLiteral("about"));
        about->accept();
    });
    about->exec();

    window.Worksheet()->Modified = false;
    window.close();
    return 0;
}
