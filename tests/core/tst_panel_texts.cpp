// The setup panel, the leading-number rule, the note lines and the bank table's cells.
#include "core/BankTable.h"
#include "core/LeadingNumber.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"
#include "core/TestedTime.h"
#include "support/Records.h"

#include <QTest>

using namespace quillon;

namespace
{
// The panel boxes and where their characters stand in the record, with how many are shown.
struct Box {
    const char* control;
    int position;
    int read;
};
const Box kBoxes[] = {
    {"txtzero", 260, 7},   {"txtrange", 267, 7},  {"txtvelo", 274, 7},   {"txtdelay", 281, 7},
    {"txtgain", 288, 5},   {"txtgate", 295, 7},   {"txtstart", 302, 7},  {"txtend", 309, 7},
    {"txtlevel", 316, 7},  {"txtgate2", 323, 7},  {"txtstart2", 330, 7}, {"txtend2", 337, 7},
    {"txtlevel2", 344, 7}, {"txtmem", 351, 7},    {"txtmemno", 358, 7},  {"txtaction", 365, 7},
    {"txtrefg", 372, 4},   {"txtreject", 376, 7}, {"txtsetref", 383, 7}, {"txtVideo", 390, 7},
    {"txtmode", 397, 7},   {"txtclock", 404, 7},  {"txtcolor", 411, 7},  {"txthorn", 418, 7},
    {"txtbrt", 425, 6},    {"txtdac", 431, 7},    {"txtcur", 438, 7},    {"txtpoint", 445, 7},
    {"Txtent", 452, 6},    {"txtmea", 459, 7},    {"txtxoff", 466, 7},   {"txtangle", 473, 7},
    {"txtthick", 480, 7},  {"txtblk1", 487, 7},   {"txthud", 494, 7},    {"txtbeep", 501, 7},
    {"txtblk2", 508, 7},   {"txtbeam", 525, 5},   {"txtsurf", 530, 5},   {"txtdpth", 535, 5},
};

// A character for every setup position that differs from its neighbours.
QChar markOf(int position)
{
    return QChar(char16_t(0x21 + (position * 7) % 94));
}

Record markedRecord()
{
    Record r = test::spaceRecord();
    for (int p = 260; p <= 539; ++p)
        r[p] = std::int16_t(markOf(p).unicode());
    putText(r, 459, "ON     "); // MEASURE on, so the readouts stay
    putText(r, 404, "ON     ");
    return r;
}

QString allTexts(const PanelTexts& panel, const NoteTexts& notes)
{
    QString all;
    for (const QString& s : panel.boxes)
        all += s;
    for (const QString& s : panel.readouts)
        all += s;
    all += panel.txttmdt;
    for (const QString& s : notes)
        all += s;
    return all;
}
} // namespace

class PanelTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyBoxShowsItsGroupVerbatim_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        for (const Box& b : kBoxes) {
            QString text;
            for (int i = 0; i < b.read; ++i)
                text += markOf(b.position + i);
            if (QByteArrayView(b.control) == "txtgain")
                text += QStringLiteral("dB");
            if (QByteArrayView(b.control) == "txtmea")
                text = QStringLiteral("ON     ");
            if (QByteArrayView(b.control) == "txtclock")
                text = QStringLiteral("ON     ");
            QTest::newRow(b.control) << QString::fromLatin1(b.control) << text;
        }
    }

    void everyBoxShowsItsGroupVerbatim()
    {
        QFETCH(QString, control);
        QFETCH(QString, expected);
        QCOMPARE(panelTexts(markedRecord()).value(control), expected);
    }

    void unreadPositionsNeverShow_data()
    {
        QTest::addColumn<int>("position");
        for (int p : {293, 294, 458, 558, 559, 560, 801, 802, 820, 840})
            QTest::newRow(QByteArray::number(p).constData()) << p;
    }

    void unreadPositionsNeverShow()
    {
        QFETCH(int, position);
        Record r = test::spaceRecord();
        putText(r, 459, "ON     ");
        r[position] = '#';
        const QString all = allTexts(panelTexts(r), noteTexts(r));
        QVERIFY2(!all.contains(u'#'), qPrintable(all));
        // The same character one position before a hidden one does show (the groups are right).
        Record shown = test::spaceRecord();
        putText(shown, 459, "ON     ");
        shown[292] = '#';
        QVERIFY(panelTexts(shown).value(u"txtgain").contains(u'#'));
    }

    void allSpaceSetupGivesBlankBoxes()
    {
        const PanelTexts panel = panelTexts(test::spaceRecord());
        for (const Box& b : kBoxes) {
            QString expected(b.read, u' ');
            if (QByteArrayView(b.control) == "txtgain")
                expected += QStringLiteral("dB");
            QCOMPARE(panel.value(QString::fromLatin1(b.control)), expected);
        }
        QCOMPARE(panel.value(u"txtgain"), QStringLiteral("     dB"));
        QCOMPARE(panel.value(u"txttmdt"), QStringLiteral("Tm:   :   Dt:  /  /  "));
    }

    void initialTextsBeforeTheFirstRecord()
    {
        const PanelTexts panel = initialPanelTexts();
        const std::pair<const char*, const char*> expected[] = {
            {"txtzero", "108"},   {"txtrange", "100"},     {"txtvelo", "5920"},
            {"txtdelay", "0.0"},  {"txtgain", "25"},       {"txtrefg", "25"},
            {"txtgate", "OFF"},   {"txtgate2", "OFF"},     {"txtstart", "30%"},
            {"txtstart2", "30%"}, {"txtend", "70%"},       {"txtend2", "70%"},
            {"txtlevel", "40%"},  {"txtlevel2", "40%"},    {"txtmem", "A Scan"},
            {"txtmemno", "1"},    {"txtaction", "Send"},   {"txtreject", "00%"},
            {"txtsetref", "OFF"}, {"txtVideo", "Envelop"}, {"txtmode", "Single"},
            {"txtclock", "OFF"},  {"txtcolor", "OFF"},     {"txthorn", "OFF"},
            {"txtdac", "OFF"},    {"txtmea", "OFF"},       {"txtxoff", "OFF"},
            {"txtblk1", "OFF"},   {"txthud", "OFF"},       {"txtbeep", "OFF"},
            {"txtbrt", "50"},     {"txtcur", "001"},       {"txtpoint", "001"},
            {"Txtent", "ENTER"},  {"txtblk2", "ENTER"},    {"txtangle", "000"},
            {"txtthick", "0100"}, {"txtbeam", ""},         {"txtsurf", ""},
            {"txtdpth", ""},
        };
        for (const auto& [control, text] : expected)
            QCOMPARE(panel.value(QString::fromLatin1(control)), QString::fromLatin1(text));
        QCOMPARE(panel.value(u"txttmdt"), QStringLiteral("Tm: 7:55  Dt: 28/4/2003"));
    }

    void timeDateCaption_data()
    {
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<QByteArray>("timeDate");
        QTest::addColumn<QString>("caption");
        QTest::newRow("clock OFF")
            << QByteArray("OFF    ") << QByteArray("1234280403") << QStringLiteral("Tm: ");
        QTest::newRow("clock ON") << QByteArray("ON     ") << QByteArray("1234280403")
                                  << QStringLiteral("Tm: 12:34 Dt:28/04/03");
        QTest::newRow("clock off in lower case counts as on")
            << QByteArray("off    ") << QByteArray("0755280403")
            << QStringLiteral("Tm: 07:55 Dt:28/04/03");
        QTest::newRow("OFF with other characters counts as on")
            << QByteArray("OFFxxxx") << QByteArray(" 9 5 1 2 3")
            << QStringLiteral("Tm:  9: 5 Dt: 1/ 2/ 3");
        QTest::newRow("OFF with fewer spaces counts as on")
            << QByteArray("OFF   \0", 7) << QByteArray("0000000000")
            << QStringLiteral("Tm: 00:00 Dt:00/00/00");
        QTest::newRow("all spaces") << QByteArray("       ") << QByteArray("          ")
                                    << QStringLiteral("Tm:   :   Dt:  /  /  ");
    }

    void timeDateCaption()
    {
        QFETCH(QByteArray, clock);
        QFETCH(QByteArray, timeDate);
        QFETCH(QString, caption);
        Record r = test::spaceRecord();
        putText(r, 404, clock);
        putText(r, 515, timeDate);
        QCOMPARE(panelTexts(r).txttmdt, caption);
    }

    void testedAt_data()
    {
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<QByteArray>("timeDate");
        QTest::addColumn<QString>("iso");
        QTest::newRow("clock on") << QByteArray("ON     ") << QByteArray("1000010924")
                                  << QStringLiteral("2024-09-01T10:00");
        QTest::newRow("clock OFF is read all the same")
            << QByteArray("OFF    ") << QByteArray("0803101024")
            << QStringLiteral("2024-10-10T08:03");
        QTest::newRow("space before a single digit")
            << QByteArray("ON     ") << QByteArray(" 9 5 1 2 3")
            << QStringLiteral("2003-02-01T09:05");
        QTest::newRow("year 99 is 2099") << QByteArray("ON     ") << QByteArray("2359311299")
                                         << QStringLiteral("2099-12-31T23:59");
        QTest::newRow("no digits")
            << QByteArray("ON     ") << QByteArray("          ") << QString();
        QTest::newRow("code 0") << QByteArray("ON     ") << QByteArray(10, '\0') << QString();
        QTest::newRow("31 February")
            << QByteArray("ON     ") << QByteArray("1200310224") << QString();
        QTest::newRow("hour 24") << QByteArray("ON     ") << QByteArray("2400010124") << QString();
        QTest::newRow("month 13") << QByteArray("ON     ") << QByteArray("1200011324") << QString();
    }

    void testedAt()
    {
        QFETCH(QByteArray, clock);
        QFETCH(QByteArray, timeDate);
        QFETCH(QString, iso);
        Record r = test::spaceRecord();
        putText(r, 404, clock);
        putText(r, 515, timeDate);
        QCOMPARE(testedIsoText(r), iso);
        QCOMPARE(quillon::testedAt(r).isValid(), !iso.isEmpty());
    }

    void testedAtSortsByDateBeforeTimeOfDay()
    {
        Record morning = test::spaceRecord();
        Record later = test::spaceRecord();
        putText(morning, 515, "0803101024"); // 10 October, 08:03
        putText(later, 515, "1020210924");   // 21 September, 10:20
        QVERIFY(quillon::testedAt(later) < quillon::testedAt(morning));
    }

    void cellNumberTakesTheInstrumentsUnits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: a text cell
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("unit");
        const double text = qQNaN();
        QTest::newRow("padded number") << "200    " << 200.0 << 0 << "";
        QTest::newRow("gain") << "41.5 dB" << 41.5 << 1 << " dB";
        QTest::newRow("gain, no space") << "100.0dB" << 100.0 << 1 << "dB";
        QTest::newRow("percent") << "05%    " << 5.0 << 0 << "%";
        QTest::newRow("signed") << "-12" << -12.0 << 0 << "";
        QTest::newRow("a unit alone") << "   dB" << text << 0 << "";
        QTest::newRow("another unit") << "43 mm" << text << 0 << "";
        QTest::newRow("a DAC curve") << "DAC -12" << text << 0 << "";
        QTest::newRow("blank gain") << "     dB" << text << 0 << "";
    }

    void cellNumberTakesTheInstrumentsUnits()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, unit);
        const auto number = cellNumber(text);
        QCOMPARE(number.has_value(), !qIsNaN(value));
        if (number) {
            QCOMPARE(number->value, value);
            QCOMPARE(number->decimals, decimals);
            QCOMPARE(number->unit, unit);
        }
        QCOMPARE(trimmedCell(text), QStringView(text).trimmed());
    }

    void measureOffBlanksTheReadouts_data()
    {
        QTest::addColumn<QByteArray>("measure");
        QTest::addColumn<bool>("blank");
        QTest::newRow("OFF") << QByteArray("OFF    ") << true;
        QTest::newRow("ON") << QByteArray("ON     ") << false;
        QTest::newRow("seven spaces") << QByteArray("       ") << false;
        QTest::newRow("lower case off") << QByteArray("off    ") << false;
        QTest::newRow("OFF without its spaces") << QByteArray("OFF0000") << false;
    }

    void measureOffBlanksTheReadouts()
    {
        QFETCH(QByteArray, measure);
        QFETCH(bool, blank);
        Record r = test::spaceRecord();
        putText(r, 459, measure);
        putText(r, 525, "123.4 45.6 78.9");
        const PanelTexts panel = panelTexts(r);
        QCOMPARE(panel.value(u"txtbeam"), blank ? QString() : QStringLiteral("123.4"));
        QCOMPARE(panel.value(u"txtsurf"), blank ? QString() : QStringLiteral(" 45.6"));
        QCOMPARE(panel.value(u"txtdpth"), blank ? QString() : QStringLiteral(" 78.9"));
        QCOMPARE(panel.value(u"txtmea"), QString::fromLatin1(measure));
    }

    void boxesAreFoundByTheirNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << "txtzero" << 0;
        QTest::newRow("gain") << "txtgain" << 4;
        QTest::newRow("capital T") << "Txtent" << 28;
        QTest::newRow("last") << "txtblk2" << 36;
        QTest::newRow("case counts") << "txtent" << -1;
        QTest::newRow("a readout is no panel box") << "txtbeam" << -1;
        QTest::newRow("time and date line") << "txttmdt" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void boxesAreFoundByTheirNames()
    {
        QFETCH(QString, control);
        QFETCH(int, index);
        QCOMPARE(panelFieldIndex(control), index);
        QCOMPARE(panelFieldIndex(control.toLatin1().constData()), index);
        if (index >= 0) {
            QCOMPARE(QLatin1String(kPanelFields[index].control), control);
            PanelTexts panel;
            QVERIFY(panel.setValue(control, QStringLiteral("x")));
            QCOMPARE(panel.boxes[index], QStringLiteral("x"));
            QCOMPARE(panel.value(control), QStringLiteral("x"));
        }
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("30% and four spaces") << QStringLiteral("30%    ") << 30.0;
        QTest::newRow("0.0 and spaces") << QStringLiteral("0.0    ") << 0.0;
        QTest::newRow("12.5 and letters") << QStringLiteral("12.5abc") << 12.5;
        QTest::newRow("seven spaces") << QStringLiteral("       ") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("leading spaces") << QStringLiteral("    100") << 100.0;
        QTest::newRow("spaces inside") << QStringLiteral("1 2 .5 ") << 12.5;
        QTest::newRow("minus") << QStringLiteral("-20    ") << -20.0;
        QTest::newRow("plus") << QStringLiteral("+7") << 7.0;
        QTest::newRow("sign then spaces") << QStringLiteral(" - 3.5 ") << -3.5;
        QTest::newRow("second point stops") << QStringLiteral("1.2.3") << 1.2;
        QTest::newRow("second sign stops") << QStringLiteral("12-3") << 12.0;
        QTest::newRow("letters first") << QStringLiteral("abc12") << 0.0;
        QTest::newRow("percent first") << QStringLiteral("%30") << 0.0;
        QTest::newRow("point first") << QStringLiteral(".5") << 0.5;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
        QTest::newRow("exponent letter stops") << QStringLiteral("1E2") << 1.0;
        QTest::newRow("comma stops") << QStringLiteral("2,5") << 2.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(quillon::leadingNumber(text), number);
    }

    void noteDisplay_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("all spaces") << QByteArray(20, ' ') << QString();
        QTest::newRow("one character among spaces")
            << QByteArray("         x          ") << QStringLiteral("         x          ");
        QTest::newRow("text with trailing spaces")
            << QByteArray("abc                 ") << QStringLiteral("abc                 ");
        QTest::newRow("full") << QByteArray("12345678901234567890")
                              << QStringLiteral("12345678901234567890");
        QTest::newRow("Latin-1 byte")
            << QByteArray("caf\xe9                ") << QStringLiteral("caf\u00e9                ");
    }

    void noteDisplay()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, shown);
        for (int n : {0, 5, 11}) {
            Record r = test::spaceRecord();
            putText(r, 561 + 20 * n, line);
            const NoteTexts notes = noteTexts(r);
            for (int k = 0; k < 12; ++k)
                QCOMPARE(notes[k], k == n ? shown : QString());
        }
    }

    void neverReceivedNotesShowCode0Lines()
    {
        // A bank row as start-up leaves it: spaces up to 599, code 0 from 600 on. Code 0 is not
        // shown: line 1 is its nineteen spaces, lines 2..11 are empty boxes.
        Record r{};
        for (int p = 261; p <= 599; ++p)
            r[p] = 32;
        const NoteTexts notes = noteTexts(r);
        QCOMPARE(notes[0], QString());
        QCOMPARE(notes[1], QString(19, u' '));
        for (int n = 2; n < 12; ++n)
            QCOMPARE(notes[n], QString());
    }

    void noteSave_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        // Stored: the characters given, then spaces up to twenty.
        const auto row = [](const char* name, const QString& typed, const QByteArray& stored) {
            QTest::newRow(name) << typed << stored.leftJustified(20, ' ');
        };
        row("empty", QString(), "");
        row("three letters", QStringLiteral("abc"), "abc");
        row("twenty", QStringLiteral("ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJKLMNOPQRST");
        row("more than twenty is cut", QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
            "ABCDEFGHIJKLMNOPQRST");
        const QByteArray greeting = QByteArray("Gr\xfc\xdf") + "e \xb0" + "C"; // 8 characters
        row("Latin-1 letters keep their code", QStringLiteral("Gr\u00fc\u00dfe \u00b0C"), greeting);
        row("euro sign becomes ?", QStringLiteral("5\u20ac"), "5?");
        row("Cyrillic becomes ?", QStringLiteral("\u0416a"), "?a");
        row("character beyond 16 bits is one ?", QStringLiteral("a\U0001F600b"), "a?b");
        row("twenty characters, one of them beyond 16 bits",
            QStringLiteral("ABCDEFGHIJKLMNOPQRS\U0001F600"), "ABCDEFGHIJKLMNOPQRS?");
        row("lone surrogate is ?", QString(QChar(0xd800)) + u'x', "?x");
    }

    void noteSave()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QCOMPARE(stored.size(), 20);
        Record r{};
        r[560] = 5;
        r[801] = 6;
        NoteTexts lines;
        lines[3] = typed;
        writeNoteLines(r, everyLine(lines));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(int(r[621 + i]), int(static_cast<unsigned char>(stored[i])));
        for (int n = 0; n < 12; ++n)
            if (n != 3)
                for (int i = 0; i < 20; ++i)
                    QCOMPARE(int(r[561 + 20 * n + i]), 32);
        QCOMPARE(int(r[560]), 5);
        QCOMPARE(int(r[801]), 6);
    }

    void savedLinesReopenAsTyped()
    {
        Record r = test::randomRecord(4);
        NoteTexts lines;
        lines[2] = QStringLiteral("abc");
        writeNoteLines(r, everyLine(lines));
        for (int p = 581; p <= 600; ++p)
            QCOMPARE(int(r[p]), 32);
        QCOMPARE(int(r[601]), int('a'));
        for (int p = 604; p <= 620; ++p)
            QCOMPARE(int(r[p]), 32);
        const NoteTexts shown = noteTexts(r);
        QCOMPARE(shown[1], QString());
        QCOMPARE(shown[2], QStringLiteral("abc") + QString(17, u' '));
    }

    void twelveEmptyLinesSaveAsSpaces()
    {
        Record r = test::randomRecord(5);
        writeNoteLines(r, everyLine(NoteTexts{}));
        for (int p = 561; p <= 800; ++p)
            QCOMPARE(int(r[p]), 32);
        for (const QString& line : noteTexts(r))
            QCOMPARE(line, QString());
    }

    void noteCaptions()
    {
        const char* expected[12] = {"Operator Name/Code",
                                    "Division",
                                    "Section",
                                    "Km. Post",
                                    "Rail LH/RH  &  Up/Dn",
                                    "Deffect Location",
                                    "Rolling Mark",
                                    "Type of Probe",
                                    "Flaw Code",
                                    "Def. Class OBS/IMR/REM",
                                    "Prev. Defect Class",
                                    "Peak Patt. Detail"};
        for (int n = 0; n < 12; ++n)
            QCOMPARE(QByteArray(kNoteCaptions[n]), QByteArray(expected[n]));
    }
};

QTEST_GUILESS_MAIN(PanelTextsTest)
#include "tst_panel_texts.moc"
