#include "ui/presentation/tformabout.h"
#include "ui/presentation/tformsplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// Counts the timer events of the splash timer and records, at the moment the
// main window is shown, how many had arrived and whether the splash was still
// visible.
class ShowWatcher : public QObject {
public:
    ShowWatcher(QWidget* watched, QTimer* timer, const QWidget& splash) : splash_(splash) {
        watched->installEventFilter(this);
        timer->installEventFilter(this);
        timer_ = timer;
    }

    int shows = 0;
    int timerEvents = 0;
    int timerEventsAtShow = -1;
    bool splashVisibleAtShow = true;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == timer_ && event->type() == QEvent::Timer) {
            ++timerEvents;
        } else if (object != timer_ && event->type() == QEvent::Show) {
            ++shows;
            timerEventsAtShow = timerEvents;
            splashVisibleAtShow = splash_.isVisible();
        }
        return false;
    }

private:
    const QWidget& splash_;
    QObject* timer_ = nullptr;
};

QPoint ScreenCentre() {
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}

// Shows the splash until its first painting has gone to the screen, when its
// version label is put up; the splash does not hand over.
bool ShowUntilPainted(TFormSplash& splash, QWidget& mainWindow) {
    QSignalSpy painted(&splash, &TFormSplash::FirstPainted);
    splash.Start(&mainWindow);
    const bool ok = painted.wait(2000) || painted.count() == 1;
    splash.Timer()->stop();
    return ok;
}

} // namespace

class TestSplashAbout : public QObject {
    Q_OBJECT

private slots:
    void splashTimerIsOneShotOfThreeSeconds();
    void splashIsBorderlessAndTakesThePictureSize();
    void splashVersionLabel();
    void versionLabelSitsOnADarkPartOfThePicture();
    void firstPaintedAnnouncedOnce_data();
    void firstPaintedAnnouncedOnce();
    void splashHandsOverToTheMainWindowInOneStep();
    void splashIsCentredOnTheScreen();
    void aboutTexts_data();
    void aboutTexts();
    void aboutLayout();
    void aboutBorrowsThePictureAtFirstShowing();
    void aboutShowsThePictureAgainAtSecondShowing();
    void aboutIsCentredAndSizedToContents();
    void okClosesWithAccepted();
    void aboutWithoutSplashStillOpens();
};

void TestSplashAbout::splashTimerIsOneShotOfThreeSeconds() {
    TFormSplash splash;
    QTimer* timer = splash.findChild<QTimer*>(QStringLiteral("TimerSplash"));
    QVERIFY(timer);
    QCOMPARE(timer, splash.Timer());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(!timer->isActive());
}

void TestSplashAbout::splashIsBorderlessAndTakesThePictureSize() {
    TFormSplash splash;
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.windowType(), Qt::SplashScreen);

    QLabel* image = splash.findChild<QLabel*>(QStringLiteral("ImageSplash"));
    QVERIFY(image);
    QCOMPARE(image, splash.ImageSplash());
    const QPixmap picture = image->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(440, 270));
    QCOMPARE(splash.size(), QSize(440, 270));
    QCOMPARE(image->geometry(), splash.rect());
}

void TestSplashAbout::splashVersionLabel() {
    TFormSplash splash;
    QWidget mainWindow;
    QVERIFY(ShowUntilPainted(splash, mainWindow));
    QLabel* label = splash.findChild<QLabel*>(QStringLiteral("LabelVersion"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("v2.0.1"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(!label->autoFillBackground());
    QVERIFY(label->parentWidget() == &splash);
    QVERIFY(splash.rect().contains(label->geometry()));
    // Drawn over the picture, not under it.
    QCOMPARE(splash.childAt(label->geometry().center()), label);
}

void TestSplashAbout::versionLabelSitsOnADarkPartOfThePicture() {
    TFormSplash splash;
    QWidget mainWindow;
    QVERIFY(ShowUntilPainted(splash, mainWindow));
    QLabel* label = splash.findChild<QLabel*>(QStringLiteral("LabelVersion"));
    const QImage picture = splash.ImageSplash()->pixmap().toImage();
    const qreal scale = picture.devicePixelRatio();
    const QRect area = label->geometry();
    QVERIFY(area.width() >= label->fontMetrics().horizontalAdvance(label->text()));

    int brightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = picture.pixelColor(int(x * scale), int(y * scale));
            brightest = qMax(brightest, qGray(c.rgb()));
        }
    }
    QVERIFY2(brightest < 80, qPrintable(QStringLiteral("brightest %1").arg(brightest)));
}

void TestSplashAbout::firstPaintedAnnouncedOnce_data() {
    QTest::addColumn<bool>("onScreen");
    QTest::newRow("painted") << true;
    QTest::newRow("never on the screen") << false;
}

// The program creates its other forms when the splash announces its first
// painting: exactly once, after the picture has been painted, with the
// version put up then; a splash that never gets on the screen announces it
// before it hands over, so that the forms exist when the main window shows.
void TestSplashAbout::firstPaintedAnnouncedOnce() {
    QFETCH(bool, onScreen);
    QWidget mainWindow;
    TFormSplash splash;
    QLabel* version = splash.findChild<QLabel*>(QStringLiteral("LabelVersion"));
    QVERIFY(version->isHidden());
    int announced = 0;
    bool mainShownAtAnnouncement = true;
    bool versionUpAtAnnouncement = false;
    connect(&splash, &TFormSplash::FirstPainted, &splash, [&] {
        ++announced;
        mainShownAtAnnouncement = mainWindow.isVisible();
        versionUpAtAnnouncement = version->isVisible();
    });
    if (onScreen) {
        splash.SetInterval(300);
        splash.Start(&mainWindow);
        QCOMPARE(announced, 0); // not before the event loop has painted it
        QTRY_COMPARE(announced, 1);
        QVERIFY(!mainWindow.isVisible());
        QTRY_VERIFY(mainWindow.isVisible());
    } else {
        splash.setAttribute(Qt::WA_DontShowOnScreen);
        splash.SetInterval(50);
        splash.Start(&mainWindow);
        QTRY_VERIFY(mainWindow.isVisible());
    }
    QCOMPARE(announced, 1);
    QVERIFY(!mainShownAtAnnouncement);
    QVERIFY(versionUpAtAnnouncement);
}

void TestSplashAbout::splashHandsOverToTheMainWindowInOneStep() {
    QWidget mainWindow;
    TFormSplash splash;
    splash.SetInterval(40);
    QSignalSpy fired(splash.Timer(), &QTimer::timeout);
    ShowWatcher watcher(&mainWindow, splash.Timer(), splash);

    bool mainShownAfterHandler = false;
    bool splashHiddenAfterHandler = false;
    bool timerStoppedAfterHandler = false;
    // Connected after the splash's own handler, so it runs right after it.
    connect(splash.Timer(), &QTimer::timeout, &splash, [&] {
        mainShownAfterHandler = mainWindow.isVisible();
        splashHiddenAfterHandler = !splash.isVisible();
        timerStoppedAfterHandler = !splash.Timer()->isActive();
    });

    splash.Start(&mainWindow);
    QVERIFY(splash.isVisible());
    QVERIFY(!mainWindow.isVisible());
    QVERIFY(splash.Timer()->isActive());

    QTRY_VERIFY(mainWindow.isVisible());
    QCOMPARE(fired.count(), 1);
    QCOMPARE(watcher.shows, 1);
    QCOMPARE(watcher.timerEventsAtShow, 1);
    QVERIFY(watcher.splashVisibleAtShow);
    QVERIFY(mainShownAfterHandler);
    QVERIFY(splashHiddenAfterHandler);
    QVERIFY(timerStoppedAfterHandler);

    // The splash stays in existence, hidden, and does not come back.
    QTest::qWait(100);
    QCOMPARE(fired.count(), 1);
    QVERIFY(!splash.isVisible());
    QVERIFY(mainWindow.isVisible());
}

void TestSplashAbout::splashIsCentredOnTheScreen() {
    QWidget mainWindow;
    TFormSplash splash;
    splash.Start(&mainWindow);
    QCOMPARE(splash.geometry().center(), ScreenCentre());
    splash.Timer()->stop();
}

void TestSplashAbout::aboutTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("product") << "Label1"
                             << "Kelvo";
    QTest::newRow("version caption") << "Label4"
                                     << "Version";
    QTest::newRow("version") << "LabelVersion"
                             << "2.0.1";
    QTest::newRow("credit 1") << "Label2"
                              << "Calculations for the radio amateur's bench.";
    QTest::newRow("credit 2") << "Label3" << QString::fromUtf8("Copyright \u00a9 2026 Quillmarsh.");
}

void TestSplashAbout::aboutTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    TFormSplash splash;
    TFormAbout about(&splash);
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QWidget* panelBottom = about.findChild<QWidget*>(QStringLiteral("PanelBottom"));
    QVERIFY(panelBottom);
    QLabel* label = panelBottom->findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
}

void TestSplashAbout::aboutLayout() {
    TFormSplash splash;
    TFormAbout about(&splash);
    QWidget* panelBottom = about.findChild<QWidget*>(QStringLiteral("PanelBottom"));
    QFrame* bevel = about.findChild<QFrame*>(QStringLiteral("Bevel1"));
    QVERIFY(bevel);
    QCOMPARE(bevel->frameShape(), QFrame::HLine);
    QCOMPARE(bevel->parentWidget(), panelBottom);

    QPushButton* ok = about.findChild<QPushButton*>(QStringLiteral("ButtonOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(ok->isDefault());

    about.show();
    QWidget* panelTop = about.findChild<QWidget*>(QStringLiteral("PanelTop"));
    QVERIFY(panelTop);
    QCOMPARE(panelTop->geometry().top(), 0);
    QVERIFY(panelBottom->geometry().top() >= panelTop->geometry().bottom());
    // The version number follows its caption on the same line.
    QLabel* caption = about.findChild<QLabel*>(QStringLiteral("Label4"));
    QLabel* version = about.findChild<QLabel*>(QStringLiteral("LabelVersion"));
    QCOMPARE(version->geometry().center().y(), caption->geometry().center().y());
    QVERIFY(version->geometry().left() > caption->geometry().right());
    // Every text is shown whole.
    for (QLabel* label : panelBottom->findChildren<QLabel*>()) {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }
    about.close();
}

void TestSplashAbout::aboutBorrowsThePictureAtFirstShowing() {
    TFormSplash splash;
    TFormAbout about(&splash);
    QLabel* picture = splash.ImageSplash();
    QWidget* panelTop = about.findChild<QWidget*>(QStringLiteral("PanelTop"));
    QCOMPARE(picture->parentWidget(), &splash);

    about.show();
    QCOMPARE(picture->parentWidget(), panelTop);
    QVERIFY(panelTop->layout()->indexOf(picture) >= 0);
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->size(), QSize(440, 270));
    QCOMPARE(panelTop->size(), QSize(about.width(), 270));
    about.close();
    QCOMPARE(picture->parentWidget(), panelTop);
}

void TestSplashAbout::aboutShowsThePictureAgainAtSecondShowing() {
    TFormSplash splash;
    TFormAbout about(&splash);
    QLabel* picture = splash.ImageSplash();
    QWidget* panelTop = about.findChild<QWidget*>(QStringLiteral("PanelTop"));

    about.show();
    const QRect firstGeometry = picture->geometry();
    const QSize firstSize = about.size();
    about.close();

    about.show();
    QCOMPARE(picture->parentWidget(), panelTop);
    QCOMPARE(panelTop->layout()->count(), 1);
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->geometry(), firstGeometry);
    QCOMPARE(about.size(), firstSize);
    about.close();
}

void TestSplashAbout::aboutIsCentredAndSizedToContents() {
    TFormSplash splash;
    TFormAbout about(&splash);
    about.show();
    QCOMPARE(about.frameGeometry().center(), ScreenCentre());
    QCOMPARE(about.size(), about.sizeHint());
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.width() >= 440);
    about.close();
}

void TestSplashAbout::okClosesWithAccepted() {
    TFormSplash splash;
    TFormAbout about(&splash);
    QSignalSpy finished(&about, &QDialog::finished);
    about.open();
    QVERIFY(about.isVisible());
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("ButtonOK")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void TestSplashAbout::aboutWithoutSplashStillOpens() {
    TFormAbout about(nullptr);
    about.show();
    QVERIFY(about.isVisible());
    QCOMPARE(about.findChild<QWidget*>(QStringLiteral("PanelTop"))->layout()->count(), 0);
    about.close();
}

QTEST_MAIN(TestSplashAbout)
#include "tst_splashabout.moc"
