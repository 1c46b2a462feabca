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

    // Shows the splash centred on the screen and starts the timer;
    // mainWindow is shown when the timer fires. The splash paints once the
    // event loop runs.
    void Start(QWidget* mainWindow);

    QLabel* ImageSplash() const { return imageSplash_; }
    QTimer* Timer() const { return timerSplash_; }

    // Tests shorten the wait; the program keeps the default.
    void SetInterval(int ms);

signals:
    // Once, as soon as the first painting of the splash (the picture) has
    // gone to the screen; at the latest just before it hands over to the main
    // window. The version label is shown then, and the program creates its
    // other forms, so that neither delays the picture.
    void FirstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void TimerSplashTimer();
    void AnnouncePainted();
    void ShowVersion();
    void PlaceVersionLabel();

    QLabel* imageSplash_;
    QLabel* labelVersion_;
    QTimer* timerSplash_;
    QPointer<QWidget> mainWindow_;
    bool painted_ = false;
    bool announced_ = false;
};
