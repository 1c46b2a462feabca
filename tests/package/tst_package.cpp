#include "core/report/samplesheet.h"

#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The Debian package made of this build, as a user's machine would get it:
// built with CPack into a scratch folder, unpacked there (nothing is
// installed), looked at and run from where it was unpacked.
class TestPackage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fileList();
    void control_data();
    void control();
    void documents();
    void unpackedProgramRuns();
    void lintianFindsNoError();

private:
    QTemporaryDir scratch_;
    QString deb_;
    QString root_;
};

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run RunCommand(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray Unzipped(const QString& file) {
    return RunCommand(QStringLiteral("gzip"), {QStringLiteral("-dc"), file}).out;
}

const QString Share = QStringLiteral("./usr/share/");
const QString AppId = QStringLiteral("org.quillmarsh.Kelvo");

} // namespace

void TestPackage::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(scratch_.isValid());
    const Run arch = RunCommand(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    QCOMPARE(arch.status, 0);
    const QString out = scratch_.filePath(QStringLiteral("out"));
    const Run cpack = RunCommand(
        QStringLiteral(KELVO_CPACK),
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
         QStringLiteral(KELVO_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), out});
    QVERIFY2(cpack.status == 0, (cpack.out + cpack.err).constData());
    deb_ = out + QStringLiteral("/kelvo_" KELVO_VERSION "_") +
           QString::fromLatin1(arch.out.trimmed()) + QStringLiteral(".deb");
    QVERIFY2(QFileInfo(deb_).isFile(), qPrintable(deb_ + " is missing"));
    root_ = scratch_.filePath(QStringLiteral("root"));
    const Run unpack = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, root_});
    QVERIFY2(unpack.status == 0, unpack.err.constData());
}

// Exactly these files, owned by root, none writable by others than root;
// the program executable and stripped.
void TestPackage::fileList() {
    QStringList expected{QStringLiteral("./usr/bin/kelvo"),
                         Share + "applications/" + AppId + ".desktop",
                         Share + "doc/kelvo/changelog.gz",
                         Share + "doc/kelvo/copyright",
                         Share + "icons/hicolor/scalable/apps/" + AppId + ".svg",
                         Share + "man/man1/kelvo.1.gz",
                         Share + "metainfo/" + AppId + ".metainfo.xml",
                         Share + "mime/packages/" + AppId + ".xml"};
    for (const char* size : {"16x16", "32x32", "48x48", "256x256"})
        expected << Share + "icons/hicolor/" + size + "/apps/" + AppId + ".png";
    const QDir help(QStringLiteral(KELVO_SOURCE_DIR "/resources/help"));
    for (const QString& page : help.entryList(QDir::Files))
        expected << Share + "kelvo/help/" + page;
    expected.sort();

    const Run listing = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb_});
    QCOMPARE(listing.status, 0);
    QStringList files;
    for (const QByteArray& line : listing.out.split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() < 6)
            continue;
        const QString mode = QString::fromLatin1(columns[0]);
        const QString path = QString::fromUtf8(columns[5]);
        QCOMPARE(QString::fromLatin1(columns[1]), QStringLiteral("root/root"));
        if (mode.startsWith(u'-')) {
            files << path;
            QCOMPARE(mode, path.endsWith(QLatin1String("/bin/kelvo"))
                               ? QStringLiteral("-rwxr-xr-x")
                               : QStringLiteral("-rw-r--r--"));
        } else {
            QCOMPARE(mode, QStringLiteral("drwxr-xr-x"));
        }
    }
    files.sort();
    QCOMPARE(files, expected);

    const Run file =
        RunCommand(QStringLiteral("file"), {QStringLiteral("-b"), root_ + "/usr/bin/kelvo"});
    QVERIFY2(file.out.contains("ELF") && file.out.contains(", stripped"), file.out.constData());
}

void TestPackage::control_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pattern"); // the whole value must match

    const QString arch = QString::fromLatin1(
        RunCommand(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).out.trimmed());
    QTest::newRow("Package") << "Package"
                             << "kelvo";
    QTest::newRow("Version") << "Version" << QRegularExpression::escape(KELVO_VERSION);
    QTest::newRow("Architecture") << "Architecture" << arch;
    QTest::newRow("Section") << "Section"
                             << "hamradio";
    QTest::newRow("Priority") << "Priority"
                              << "optional";
    QTest::newRow("Maintainer") << "Maintainer"
                                << QRegularExpression::escape(
                                       "Kelvo developers <kelvo@quillmarsh.com>");
    // Computed from the program: every library with its least version.
    QTest::newRow("Depends") << "Depends"
                             << "(?=.*\\blibc6 \\(>= [0-9.]+\\))"
                                "(?=.*\\blibqt6core6 \\(>= 6[0-9.]*\\))"
                                "(?=.*\\blibqt6gui6 \\(>= 6[0-9.]*\\))"
                                "(?=.*\\blibqt6widgets6 \\(>= 6[0-9.]*\\))"
                                "(?=.*\\blibqt6printsupport6 \\(>= 6[0-9.]*\\))"
                                "(?=.*\\bqt6-qpa-plugins\\b).*";
    QTest::newRow("Description") << "Description"
                                 << "calculator for radio amateurs and electronics hobbyists\n"
                                    "( \\S.*\n| \\.\n)+ \\S.*";
    QTest::newRow("no invented Homepage") << "Homepage"
                                          << "";
}

void TestPackage::control() {
    QFETCH(QString, field);
    QFETCH(QString, pattern);
    const Run run = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, field});
    QCOMPARE(run.status, 0);
    QString value = QString::fromUtf8(run.out);
    value.chop(1); // the line break after the field
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
    QVERIFY2(whole.match(value).hasMatch(), qPrintable(field + ": " + value));
}

// The manual page documents every option the program knows; the changelog
// and the AppStream releases name this version.
void TestPackage::documents() {
    const Run usage = RunCommand(root_ + "/usr/bin/kelvo", {QStringLiteral("--help")});
    QCOMPARE(usage.status, 0);
    const QString manual = QString::fromUtf8(Unzipped(root_ + "/usr/share/man/man1/kelvo.1.gz"));
    QVERIFY(manual.startsWith(QLatin1String(".TH KELVO 1 ")));
    const qsizetype begin = manual.indexOf(QLatin1String("\n.SH OPTIONS\n"));
    QVERIFY(begin > 0);
    const QString section =
        manual.mid(begin, manual.indexOf(QLatin1String("\n.SH "), begin + 1) - begin);
    QRegularExpressionMatchIterator options = QRegularExpression(QStringLiteral("--([a-z][a-z-]+)"))
                                                  .globalMatch(QString::fromUtf8(usage.out));
    int count = 0;
    for (; options.hasNext(); ++count) {
        const QString option = options.next().captured(1);
        // As roff writes it: every hyphen escaped, "\-\-help" not part of "\-\-help\-all".
        const QString typed = "--" + option;
        const QString roff = QRegularExpression::escape(QString(typed).replace(u'-', "\\-"));
        QVERIFY2(section.contains(QRegularExpression(roff + "(?![\\w\\\\])")),
                 qPrintable(typed + " is not documented"));
    }
    QVERIFY(count >= 5);
    QVERIFY(manual.contains(QLatin1String(".RI [ worksheet ]")));

    const QByteArray changelog = Unzipped(root_ + "/usr/share/doc/kelvo/changelog.gz");
    QVERIFY2(changelog.startsWith("kelvo (" KELVO_VERSION ") "), changelog.left(80).constData());
    QFile metainfo(root_ + "/usr/share/metainfo/" + AppId + ".metainfo.xml");
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QVERIFY(metainfo.readAll().contains("<release version=\"" KELVO_VERSION "\""));
}

// Run where it was unpacked, the program counts as installed: it takes its
// preferences from the user's configuration folder (their precision shows in
// the report), not from beside itself, although it could write there.
void TestPackage::unpackedProgramRuns() {
    const QString program = root_ + "/usr/bin/kelvo";
    const QString home = scratch_.filePath(QStringLiteral("home"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), home);

    const Run version = RunCommand(program, {QStringLiteral("--version")}, environment);
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("kelvo " KELVO_VERSION "\n"));

    RConfig config;
    config.FileName = home + "/.config/kelvo/Kelvo.cfg";
    config.Precision = 3;
    QVERIFY(QDir().mkpath(home + "/.config/kelvo") && config.Write());
    RWorksheet sheet;
    FillSampleSheet(sheet);
    sheet.FileName = scratch_.filePath(QStringLiteral("antenna.kvw"));
    QVERIFY(sheet.Write());

    const Run report =
        RunCommand(program, {QStringLiteral("--report"), sheet.FileName}, environment);
    QCOMPARE(QString::fromUtf8(report.err), QString());
    QCOMPARE(report.status, 0);
    QCOMPARE(report.out, ReportAsText(BuildReport(sheet, 3)));
}

void TestPackage::lintianFindsNoError() {
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty())
        QSKIP("lintian is not installed");
    const Run run =
        RunCommand(lintian, {QStringLiteral("--allow-root"), QStringLiteral("--no-cfg"),
                             QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb_});
    const QString out = QString::fromUtf8(run.out);
    qInfo().noquote() << out;
    QVERIFY2(run.status >= 0, run.err.constData());
    QVERIFY2(!QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)
                  .match(out)
                  .hasMatch(),
             qPrintable(out));
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
