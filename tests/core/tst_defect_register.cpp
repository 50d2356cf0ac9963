// The defect register's rules: notes normalised, entries of one test told by the latest, the
// date from the instrument's clock or the archive, the class ranks, worsened, previous mismatch
// and the register's order.
#include "core/DefectRegister.h"
#include "support/Records.h"

#include <QDateTime>
#include <QTest>

using namespace quillon;

namespace
{
constexpr qint64 kArchived = 1725184800000; // 2024-09-01T10:00Z

// A test at km `km` with class and previous class, taken at the clock hhmmddmmyy; `echo` tells
// tests apart by their samples.
Record located(int echo, const QString& km, const QString& cls, const QString& prev = {},
               const QString& clock = QStringLiteral("1000010924"))
{
    Record r = test::gateRecord();
    r[100] = std::int16_t(echo);
    test::setTimeDate(r, clock);
    test::setNote(r, DivisionLine, QStringLiteral("North"));
    test::setNote(r, SectionLine, QStringLiteral("A-B"));
    test::setNote(r, KmPostLine, km);
    test::setNote(r, ClassLine, cls);
    test::setNote(r, PreviousClassLine, prev);
    return r;
}

// Adds tests of one location, a month apart, each "class" or "class/prev".
std::vector<DefectLocation> lifeOf(const QStringList& tests)
{
    DefectRegister reg;
    for (int i = 0; i < tests.size(); ++i) {
        const QStringList parts = tests[i].split(u'/');
        const QString month = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        const QString clock = QStringLiteral("100001") + month + QStringLiteral("24");
        reg.add(i + 1, kArchived, 5, located(i, "12/4", parts[0], parts.value(1), clock));
    }
    return reg.locations();
}
} // namespace

class DefectRegisterTest : public QObject
{
    Q_OBJECT

private slots:
    void notesAreNormalised_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("padded") << "  12/4      "
                                << "12/4";
        QTest::newRow("runs of spaces") << "LH   Up  Dn"
                                        << "LH UP DN";
        QTest::newRow("code 0 inside") << QStringLiteral("k%1m 3").arg(QChar(0)) << "KM 3";
        QTest::newRow("code 0 between spaces") << QStringLiteral("a %1 b").arg(QChar(0)) << "A B";
        QTest::newRow("blank") << "     "
                               << "";
        QTest::newRow("latin-1 letters") << "Südstrecke"
                                         << "SÜDSTRECKE";
    }
    void notesAreNormalised()
    {
        QFETCH(QString, written);
        QFETCH(QString, normalised);
        QCOMPARE(normalisedNote(written), normalised);
    }

    void classesRankAndShow_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("shown");
        QTest::newRow("obs") << " obs " << int(DefectSeverity::Obs) << "OBS";
        QTest::newRow("rem") << "Rem" << int(DefectSeverity::Rem) << "REM";
        QTest::newRow("imr") << "IMR" << int(DefectSeverity::Imr) << "IMR";
        QTest::newRow("other text") << "watch  it" << int(DefectSeverity::Other) << "watch it";
        QTest::newRow("empty") << "" << int(DefectSeverity::Other) << "";
    }
    void classesRankAndShow()
    {
        QFETCH(QString, written);
        QFETCH(int, rank);
        QFETCH(QString, shown);
        DefectRegister reg;
        reg.add(1, kArchived, 1, located(1, "1", written));
        const auto locations = reg.locations();
        QCOMPARE(int(locations.at(0).severity), rank);
        QCOMPARE(locations.at(0).latest().defectClass, shown);
    }

    void entriesOfOneTestAreOneTest()
    {
        DefectRegister reg;
        const Record received = located(1, "12/4", "OBS");
        Record saved = received; // a note save re-classifies the same test
        test::setNote(saved, ClassLine, "REM");
        test::setNote(saved, 11, "peak 80");
        Record otherClock = received;
        test::setTimeDate(otherClock, "1000011024");
        reg.add(7, kArchived + 60000, 3, saved);
        reg.add(2, kArchived, 3, received); // arrives after the later entry
        reg.add(9, kArchived, 3, otherClock);
        QCOMPARE(reg.testCount(), 2);
        const auto locations = reg.locations();
        QCOMPARE(locations.size(), size_t(1));
        QCOMPARE(locations[0].history(), QStringList({"REM", "OBS"}));
        QCOMPARE(locations[0].tests.front().entry, 7);
        QCOMPARE(locations[0].latest().entry, 9);
    }

    void locationNeedsLinesOneToFour_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("kept");
        QTest::newRow("division only") << int(DivisionLine) << true;
        QTest::newRow("rail only") << int(RailLine) << true;
        QTest::newRow("defect location only") << int(DefectLocationLine) << false;
        QTest::newRow("flaw code only") << int(FlawCodeLine) << false;
    }
    void locationNeedsLinesOneToFour()
    {
        QFETCH(int, line);
        QFETCH(bool, kept);
        Record r = located(1, "", "OBS");
        for (int n = DivisionLine; n <= DefectLocationLine; ++n)
            test::setNote(r, n, "");
        test::setNote(r, line, QStringLiteral("x"));
        DefectRegister reg;
        reg.add(1, kArchived, 1, r);
        QCOMPARE(reg.locations().size(), size_t(kept ? 1 : 0));
    }

    void dateFromClockOrArchive_data()
    {
        QTest::addColumn<QString>("clock");
        QTest::addColumn<bool>("fromArchive");
        QTest::addColumn<QString>("iso");
        const QString archivedLocal =
            QDateTime::fromMSecsSinceEpoch(kArchived).toLocalTime().toString("yyyy-MM-ddTHH:mm");
        QTest::newRow("clock") << "0930150325" << false << "2025-03-15T09:30";
        QTest::newRow("single digits with spaces") << " 9 5 1 225" << false << "2025-02-01T09:05";
        QTest::newRow("no clock") << "          " << true << archivedLocal;
        QTest::newRow("31 February") << "0930310225" << true << archivedLocal;
        QTest::newRow("hour 24") << "2400010924" << true << archivedLocal;
    }
    void dateFromClockOrArchive()
    {
        QFETCH(QString, clock);
        QFETCH(bool, fromArchive);
        QFETCH(QString, iso);
        const EntryFacts facts = entryFacts(located(1, "1", "OBS", {}, clock), kArchived);
        QCOMPARE(facts.dateFromArchive, fromArchive);
        QCOMPARE(clockIsoText(facts.testedMs), iso);
    }

    void lifeOfALocation_data()
    {
        QTest::addColumn<QStringList>("tests");
        QTest::addColumn<bool>("worsened");
        QTest::addColumn<bool>("mismatch");
        QTest::newRow("found once") << QStringList{"OBS"} << false << false;
        QTest::newRow("found once, previous written") << QStringList{"OBS/REM"} << false << false;
        QTest::newRow("unchanged") << QStringList{"OBS", "OBS/obs"} << false << false;
        QTest::newRow("OBS to IMR") << QStringList{"OBS", "IMR/OBS"} << true << false;
        QTest::newRow("REM to IMR") << QStringList{"REM", "IMR/REM"} << true << false;
        QTest::newRow("IMR to REM") << QStringList{"IMR", "REM/IMR"} << false << false;
        QTest::newRow("other text to OBS") << QStringList{"check", "OBS/check"} << true << false;
        QTest::newRow("worse, previous wrong")
            << QStringList{"OBS", "REM", "IMR/OBS"} << true << true;
        QTest::newRow("previous left empty") << QStringList{"OBS", "OBS"} << false << true;
        QTest::newRow("NONE after no class") << QStringList{"", "OBS/none"} << true << false;
        QTest::newRow("NONE after OBS") << QStringList{"OBS", "OBS/NONE"} << false << true;
    }
    void lifeOfALocation()
    {
        QFETCH(QStringList, tests);
        QFETCH(bool, worsened);
        QFETCH(bool, mismatch);
        const auto locations = lifeOf(tests);
        QCOMPARE(locations.size(), size_t(1));
        const DefectLocation& l = locations[0];
        QCOMPARE(int(l.tests.size()), tests.size());
        QCOMPARE(l.worsened, worsened);
        QCOMPARE(l.prevMismatch, mismatch);
        QCOMPARE(l.km, QStringLiteral("12/4"));
        QCOMPARE(l.division, QStringLiteral("NORTH"));
    }

    void historyTexts()
    {
        const auto l = lifeOf({"OBS", "OBS/OBS", "obs/OBS", "REM/OBS", "IMR/REM"}).at(0);
        QCOMPARE(historyText(l), QStringLiteral("OBS > OBS > OBS > REM > IMR"));
        QCOMPARE(historyText(l, HistoryForm::Short), QStringLiteral("OBS\u00d73 > REM > IMR"));
    }

    void registerOrder()
    {
        DefectRegister reg;
        reg.add(1, kArchived, 1, located(1, "1", "OBS", {}, "1000010924"));
        reg.add(2, kArchived, 1, located(2, "2", "IMR", {}, "1000010924"));
        reg.add(3, kArchived, 1, located(3, "3", "OBS", {}, "1000011024"));
        reg.add(4, kArchived, 1, located(4, "4", "xyz", {}, "1000011224"));
        reg.add(5, kArchived, 1, located(5, "5", "REM", {}, "1000010824"));
        reg.add(6, kArchived, 1, located(6, "1", "REM", {}, "1000010724")); // an older test of km 1
        QStringList kms;
        for (const DefectLocation& l : reg.locations())
            kms.append(l.km);
        QCOMPARE(kms, QStringList({"2", "5", "3", "1", "4"}));
    }
};

QTEST_GUILESS_MAIN(DefectRegisterTest)
#include "tst_defect_register.moc"
