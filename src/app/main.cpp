#include "commandline.h"

#include "ui/framework/userdialogs.h"
#include "ui/presentation/tformsplash.h"
#include "ui/shell/tformmain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    // A report, the usage or the version need no window and no display.
    if (IsCommandLineRequest(argc, argv))
        return RunCommandLine(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo"));
    // Where the user's settings beyond Kelvo.cfg live (the chart window's).
    QApplication::setOrganizationName(QStringLiteral("Quillmarsh"));
    QApplication::setOrganizationDomain(QStringLiteral("quillmarsh.com"));
    QApplication::setApplicationVersion(QStringLiteral(KELVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmarsh.Kelvo"));

    DesktopDialogs dialogs;
    TFormMain mainWindow(dialogs);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        mainWindow.SetStartupFile(arguments.at(1));

    // Whatever is not needed to paint the splash waits until it has been
    // painted: the icons, the main window's controls and every other form.
    TFormSplash splash;
    QObject::connect(&splash, &TFormSplash::FirstPainted, &mainWindow, [&] {
        QIcon icon;
        for (int size : {16, 32, 48, 256})
            icon.addFile(QStringLiteral(":/icons/kelvo-%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
        mainWindow.CreateForms(&splash);
    });
    splash.Start(&mainWindow);
    return QApplication::exec();
}
