// quillon-cli register over an archive filled by import-frames: three rounds over two defects
// and one test without a location, written as JSON, CSV, XLSX and a PDF report; and the same
// register from the team archive the file was synced to.
#include "support/CliRun.h"
#include "support/FileBytes.h"
#include "support/PgCluster.h"
#include "support/Records.h"

#include "core/DefectRules.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using test::runCli;

namespace
{
// A memory as the instrument sends it after an inspection at `km` on `day` of September 2024.
Record inspection(int memory, const QString& km, const QString& cls, const QString& prev, int day)
{
    Record r = test::realisticRecord(memory);
    r[120] = std::int16_t(40 + day); // every inspection's echo differs
    r[130] = std::int16_t(memory);
    const QString dd = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    test::setTimeDate(r, QStringLiteral("0915") + dd + QStringLiteral("0924"));
    for (int n = 0; n < 12; ++n)
        test::setNote(r, n, {});
    test::setNote(r, OperatorLine, QStringLiteral("Op %1").arg(day));
    test::setNote(r, DivisionLine, "north");
    test::setNote(r, SectionLine, "A - B");
    test::setNote(r, KmPostLine, km);
    test::setNote(r, RailLine, "LH Up");
    test::setNote(r, FlawCodeLine, "211");
    test::setNote(r, ClassLine, cls);
    test::setNote(r, PreviousClassLine, prev);
    return r;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class RegisterCliTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_db;

private slots:
    void initTestCase()
    {
        m_db = m_dir.filePath("archive.sqlite");
        Record unlocated = inspection(3, "", "OBS", "", 2);
        for (int n = DivisionLine; n <= RailLine; ++n)
            test::setNote(unlocated, n, {});
        const std::vector<std::vector<Record>> rounds{
            {inspection(1, "10/2", "OBS", "NONE", 1), inspection(2, "20/4", "REM", "", 1),
             unlocated},
            {inspection(1, "10/2", "REM", "OBS", 8), inspection(2, "20/4", "REM", "OBS", 8)},
            {inspection(1, " 10/2 ", "imr", "REM", 15)}};
        for (size_t i = 0; i < rounds.size(); ++i) {
            QByteArray capture;
            for (const Record& r : rounds[i])
                capture += test::frameBytes(r);
            const QString file = m_dir.filePath(QStringLiteral("round%1.bin").arg(i));
            QVERIFY(test::writeBytes(file, capture));
            QCOMPARE(
                runCli({"import-frames", file, "--archive", m_db, "-o", m_dir.filePath("bank.dat")})
                    .exit,
                0);
        }
    }

    void jsonListsLocationsInOrder()
    {
        const test::CliResult r = runCli({"register", "--db", m_db});
        QCOMPARE(r.exit, 0);
        QStringList keys;
        const QByteArray firstObject = r.out.left(r.out.indexOf('}'));
        for (const auto& m : QRegularExpression("\"(\\w+)\":").globalMatch(firstObject))
            keys << m.captured(1);
        QCOMPARE(keys, QStringList({"locations", "division", "section", "km", "rail", "location",
                                    "class", "flaw_code", "inspections", "history", "first", "last",
                                    "worsened", "prev_mismatch", "memory", "entry", "operator"}));
        const QJsonArray locations =
            QJsonDocument::fromJson(r.out).object().value("locations").toArray();
        QCOMPARE(locations.size(), 2);
        const QJsonObject worse = locations[0].toObject();
        QCOMPARE(worse.value("km").toString(), QStringLiteral("10/2"));
        QCOMPARE(worse.value("division").toString(), QStringLiteral("NORTH"));
        QCOMPARE(worse.value("class").toString(), QStringLiteral("IMR"));
        QCOMPARE(worse.value("history").toVariant().toStringList(),
                 QStringList({"OBS", "REM", "IMR"}));
        QCOMPARE(worse.value("first").toString(), QStringLiteral("2024-09-01T09:15"));
        QCOMPARE(worse.value("last").toString(), QStringLiteral("2024-09-15T09:15"));
        QCOMPARE(worse.value("worsened").toBool(), true);
        QCOMPARE(worse.value("prev_mismatch").toBool(), false);
        QCOMPARE(worse.value("inspections").toInt(), 3);
        QCOMPARE(worse.value("memory").toInt(), 1);
        QCOMPARE(worse.value("entry").toInt(), 6);
        QCOMPARE(worse.value("operator").toString(), QStringLiteral("Op 15"));
        const QJsonObject mismatch = locations[1].toObject();
        QCOMPARE(mismatch.value("km").toString(), QStringLiteral("20/4"));
        QCOMPARE(mismatch.value("worsened").toBool(), false);
        QCOMPARE(mismatch.value("prev_mismatch").toBool(), true);
    }

    void csvAndSpreadsheet()
    {
        const test::CliResult csv = runCli({"register", "--db", m_db, "--format", "csv"});
        QCOMPARE(csv.exit, 0);
        const QList<QByteArray> lines = csv.out.split('\n');
        QCOMPARE(lines.size(), 4); // heading, two locations, the end
        QCOMPARE(lines[0], QByteArray("\xEF\xBB\xBF"
                                      "division,section,km,rail,location,class,flaw_code,"
                                      "inspections,history,first,last,worsened,prev_mismatch,"
                                      "memory,entry,operator\r"));
        QCOMPARE(lines[1], QByteArray("NORTH,A - B,10/2,LH UP,,IMR,211,3,OBS > REM > IMR,"
                                      "2024-09-01T09:15,2024-09-15T09:15,true,false,1,6,Op 15\r"));

        const QString xlsx = m_dir.filePath("register.xlsx");
        QCOMPARE(runCli({"register", "--db", m_db, "--format", "xlsx"}).exit, 1); // needs -o
        QCOMPARE(runCli({"register", "--db", m_db, "--format", "xlsx", "-o", xlsx}).exit, 0);
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
reg, tests = book['Register'], book['Tests']
print(book.sheetnames, reg.max_row, tests.max_row, reg['H2'].value, reg['I2'].value)
print([c.value for c in tests[2]])
)"),
                                                          xlsx});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(python.readAll()).split(u'\n'),
                 QStringList({"['Register', 'Tests'] 3 6 3 OBS > REM > IMR",
                              "['NORTH', 'A - B', '10/2', 'LH UP', None, '2024-09-01T09:15', "
                              "'OBS', 211, 'NONE', 'Op 1', 1, 1, 'instrument']",
                              ""}));
    }

    void pdfReport()
    {
        // Under a long path with letters a face may join: copied out as typed, its middle given up.
        const QString deep = m_dir.filePath(QStringLiteral("office-fi-fl-ffi-").repeated(12));
        QVERIFY(QDir().mkpath(deep) && QFile::copy(m_db, deep + "/archive.sqlite"));
        const QString pdf = m_dir.filePath("register.pdf");
        QCOMPARE(
            runCli({"register", "--db", deep + "/archive.sqlite", "--format", "pdf", "-o", pdf})
                .exit,
            0);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Defect register") && text.contains("Page 1 of 1"),
                 qPrintable(text));
        QVERIFY(text.contains(
            QRegularExpression("Source: " + QRegularExpression::escape(deep.left(deep.size() / 3)) +
                               ".*….*fi-fl-ffi-/archive.sqlite +Date of report: .* Locations: 2")));
        QVERIFY(text.contains(QRegularExpression("10/2 .*IMR .*OBS > REM > IMR .*WORSENED")));
        QVERIFY(text.contains(QRegularExpression("20/4 .*REM .*PREV. MISMATCH")));

        // On the narrower Letter page every heading and date still stands whole.
        qputenv("LC_ALL", "en_US.UTF-8");
        const int letterExit =
            runCli({"register", "--db", m_db, "--format", "pdf", "-o", pdf}).exit;
        qunsetenv("LC_ALL"); // before any check, so that a failure leaves the later cases alone
        QCOMPARE(letterExit, 0);
        const QString letter = pdfText(pdf);
        QVERIFY2(letter.contains(QRegularExpression("Class +Flaw Code +Tests +History")) &&
                     letter.contains("2024-09-15 09:15") && !letter.contains(u'…'),
                 qPrintable(letter));
    }

    void teamArchiveGivesTheSameRegister()
    {
        test::PgCluster cluster;
        QString why;
        QVERIFY2(cluster.create(&why) && cluster.freshDatabase("team", &why), qPrintable(why));
        const QString server = cluster.conninfo("team");
        QCOMPARE(runCli({"server", "init", "--server", server}).exit, 0);
        QCOMPARE(runCli({"archive", "sync", "--db", m_db, "--server", server}).exit, 0);
        const test::CliResult fromFile = runCli({"register", "--db", m_db});
        const test::CliResult fromServer = runCli({"register", "--server", server});
        QCOMPARE(fromServer.exit, 0);
        QCOMPARE(fromServer.out, fromFile.out);
        // A team archive of the schema before the register's values: refused until server init
        // brings it up to date, the values then made from the entries it holds.
        QVERIFY2(
            cluster.run(
                "DROP TABLE quillon.location_summary, quillon.test_summary, quillon.entry_facts;"
                " UPDATE quillon.about SET version = 1",
                "team", &why),
            qPrintable(why));
        QCOMPARE(runCli({"register", "--server", server}).exit, 4);
        QCOMPARE(runCli({"server", "init", "--server", server}).exit, 0);
        QCOMPARE(runCli({"register", "--server", server}).out, fromFile.out);
        cluster.stop(&why);
        QCOMPARE(runCli({"register", "--server", server}).exit, 4); // as the archive commands
    }

    void missingArchiveIsUnusableInput()
    {
        const QString missing = m_dir.filePath("none.sqlite");
        const test::CliResult r = runCli({"register", "--db", missing, "--format", "csv"});
        QCOMPARE(r.exit, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains(missing.toUtf8()));
        QVERIFY(!QFile::exists(missing));
    }
};

QTEST_GUILESS_MAIN(RegisterCliTest)
#include "tst_register_cli.moc"
