#include "ui/framework/userdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// The desktop's own question box: Enter gives the answer the program chose
// as the default, so that no key pressed by habit destroys anything.
class TestUserDialogs : public QObject {
    Q_OBJECT

private slots:
    void enterGivesTheDefault_data();
    void enterGivesTheDefault();
};

using Answer = UserDialogs::Answer;
Q_DECLARE_METATYPE(UserDialogs::Answer)

void TestUserDialogs::enterGivesTheDefault_data() {
    QTest::addColumn<bool>("withCancel");
    QTest::addColumn<Answer>("preferred");
    QTest::newRow("Yes/No, No") << false << Answer::No;
    QTest::newRow("Yes/No, Yes") << false << Answer::Yes;
    QTest::newRow("Yes/No/Cancel, Yes") << true << Answer::Yes;
    QTest::newRow("Yes/No/Cancel, Cancel") << true << Answer::Cancel;
}

void TestUserDialogs::enterGivesTheDefault() {
    QFETCH(bool, withCancel);
    QFETCH(Answer, preferred);
    DesktopDialogs dialogs;
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(dialogs.Ask(nullptr, QStringLiteral("Overwrite file 'a'?"), withCancel, preferred),
             preferred);
    QCOMPARE(shown, QStringLiteral("Overwrite file 'a'?"));
}

QTEST_MAIN(TestUserDialogs)
#include "tst_userdialogs.moc"
