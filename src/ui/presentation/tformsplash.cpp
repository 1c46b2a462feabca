#include "ui/presentation/tformsplash.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace {

// Distance of the version text from the picture's lower right corner, where
// the picture is dark and plain so that white text reads well.
constexpr int VersionMarginRight = 18;
constexpr int VersionMarginBottom = 12;

// On a high-density screen the picture drawn at twice the size keeps it sharp.
QPixmap LoadSplashPicture() {
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap large(QStringLiteral(":/images/splash@2x.png"));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return QPixmap(QStringLiteral(":/images/splash.png"));
}

} // namespace

TFormSplash::TFormSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), imageSplash_(new QLabel(this)),
      labelVersion_(new QLabel(this)), timerSplash_(new QTimer(this)) {
    setObjectName(QStringLiteral("FormSplash"));

    const QPixmap picture = LoadSplashPicture();
    const QSize size = picture.deviceIndependentSize().toSize();
    setFixedSize(size);

    imageSplash_->setObjectName(QStringLiteral("ImageSplash"));
    imageSplash_->setPixmap(picture);
    imageSplash_->setAlignment(Qt::AlignCenter);
    imageSplash_->setGeometry(0, 0, size.width(), size.height());

    labelVersion_->setObjectName(QStringLiteral("LabelVersion"));
    labelVersion_->setText(QStringLiteral("v") + QStringLiteral(KELVO_VERSION));
    labelVersion_->setAutoFillBackground(false);
    QPalette palette = labelVersion_->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    labelVersion_->setPalette(palette);
    // Text needs the fonts, whose first use costs as much as the rest of the
    // splash together: the version follows right after the picture is up.
    labelVersion_->hide();

    timerSplash_->setObjectName(QStringLiteral("TimerSplash"));
    timerSplash_->setSingleShot(true);
    timerSplash_->setInterval(DefaultInterval);
    connect(timerSplash_, &QTimer::timeout, this, &TFormSplash::TimerSplashTimer);
}

void TFormSplash::ShowVersion() {
    if (!labelVersion_->isHidden())
        return;
    QFont font = labelVersion_->font();
    font.setBold(true);
    font.setPointSize(11);
    labelVersion_->setFont(font);
    PlaceVersionLabel();
    labelVersion_->raise();
    labelVersion_->show();
}

void TFormSplash::PlaceVersionLabel() {
    labelVersion_->adjustSize();
    labelVersion_->move(width() - labelVersion_->width() - VersionMarginRight,
                        height() - labelVersion_->height() - VersionMarginBottom);
}

void TFormSplash::Start(QWidget* mainWindow) {
    mainWindow_ = mainWindow;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    timerSplash_->start();
}

void TFormSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (painted_)
        return;
    painted_ = true;
    // Queued: the painting reaches the screen when this event is done.
    QMetaObject::invokeMethod(this, &TFormSplash::AnnouncePainted, Qt::QueuedConnection);
}

void TFormSplash::AnnouncePainted() {
    if (announced_)
        return;
    announced_ = true;
    ShowVersion();
    emit FirstPainted();
}

void TFormSplash::SetInterval(int ms) {
    timerSplash_->setInterval(ms);
}

void TFormSplash::TimerSplashTimer() {
    timerSplash_->stop();
    AnnouncePainted(); // a splash that never got on the screen still hands over
    if (mainWindow_) {
        mainWindow_->show();
    }
    hide();
}
