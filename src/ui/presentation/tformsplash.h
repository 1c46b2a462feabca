#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QTimer;

// The borderless picture shown while the program starts. It hands over to the
// main window when its timer fires and then stays, hidden, for the rest of the
// run: the About box borrows its picture control.
class TFormSplash final : public QWidget {
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 3000;

    explicit TFormSplash(QWidget* parent = nullptr);

    // Shows the splash centred on the screen, starts the timer and lets the
    // splash paint once; mainWindow is shown when the timer fires.
    void Start(QWidget* mainWindow);

    QLabel* ImageSplash() const { return imageSplash_; }
    QTimer* Timer() const { return timerSplash_; }

    // Tests shorten the wait; the program keeps the default.
    void SetInterval(int ms);

private:
    void TimerSplashTimer();
    void PlaceVersionLabel();

    QLabel* imageSplash_;
    QLabel* labelVersion_;
    QTimer* timerSplash_;
    QPointer<QWidget> mainWindow_;
};
