#include "ui/framework/userdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// The desktop's question box: Enter gives the default the program chose.
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
    QTest::newRow("Yes/No/Cancel, Cancel") << true << Answer::Cancel;
}

void TestUserDialogs::enterGivesTheDefault() {
    QFETCH(bool, withCancel);
    QFETCH(Answer, preferred);
    DesktopDialogs dialogs;
    QTimer::singleShot(0, this, [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    });
    QCOMPARE(dialogs.Ask(nullptr, QStringLiteral("Overwrite?"), withCancel, preferred), preferred);
}

QTEST_MAIN(TestUserDialogs)
#include "tst_userdialogs.moc"
