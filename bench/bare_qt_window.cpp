// The yardstick for the program's first window: a bare Qt window of the
// splash window's size, shown as soon as the application exists.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    window.resize(440, 270);
    window.show();
    return QApplication::exec();
}
