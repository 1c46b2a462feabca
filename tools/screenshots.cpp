// Takes pictures of Kelvo's windows in typical states, for the README and
// for looking over the screens after a change:
//   kelvo_screenshots <output folder>
// Run it on a real or virtual display (xvfb-run).

#include "screenshotkit.h"

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

#include <algorithm>

namespace {

QString folder;

void Save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(150);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

std::vector<Scene>& Scenes() {
    static std::vector<Scene> scenes;
    return scenes;
}

void ShotKit::Save(const QString& name, QWidget* widget) {
    ::Save(widget ? widget : &window, name);
}

void ShotKit::Type(const QString& edit, const QString& text) {
    auto* line = window.findChild<QLineEdit*>(edit);
    if (!line) {
        qWarning("no edit %s", qPrintable(edit));
        return;
    }
    line->setFocus();
    line->selectAll();
    line->del();
    QTest::keyClicks(line, text);
}

void ShotKit::Click(const QString& name) {
    auto* button = window.findChild<QAbstractButton*>(name);
    if (!button) {
        qWarning("no button %s", qPrintable(name));
        return;
    }
    button->click();
}

void ShotKit::ShowType(const QString& caption) {
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeType"));
    const auto items = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    emit tree->itemClicked(items.first(), 0);
}

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

    ShotKit kit(window, folder);
    std::stable_sort(Scenes().begin(), Scenes().end(),
                     [](const Scene& a, const Scene& b) { return a.order < b.order; });
    for (const Scene& scene : Scenes()) {
        scene.run(kit);
        window.Config()->AutoCalculate = 1;
    }

    // Several tabs: new calculations are named by the proposal.
    kit.ShowType(QStringLiteral("Resistor"));
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

    kit.ShowType(QStringLiteral("Resistor"));

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

    TFormAbout* about = window.About();
    QTimer::singleShot(300, [&] {
        Save(about, QStringLiteral("about"));
        about->accept();
    });
    about->exec();

    window.Worksheet()->Modified = false;
    window.close();
    return 0;
}
