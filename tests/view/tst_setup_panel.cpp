// The "Menu Data" panel: captions above their boxes in four columns, the last two rows with the
// caption at the left, the colours and weights of the instrument's menu, texts shown verbatim.
#include "core/FontFallback.h"
#include "view/PanelStyle.h"
#include "view/SetupPanel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace quillon;

namespace
{

QLabel* captionOf(const SetupPanel& panel, const QString& text, QPoint near)
{
    QLabel* best = nullptr;
    int distance = INT_MAX;
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        if (label->text() != text)
            continue;
        const int d = (label->geometry().center() - near).manhattanLength();
        if (d < distance) {
            distance = d;
            best = label;
        }
    }
    return best;
}

QLineEdit* boxNamed(const SetupPanel& panel, const char* name)
{
    return panel.findChild<QLineEdit*>(QString::fromLatin1(name));
}

} // namespace

class SetupPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_panel = new SetupPanel;
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        QCOMPARE(m_panel->title(), QStringLiteral("Menu Data"));
    }

    void captionAboveBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::newRow("ZERO") << "txtzero" << QStringLiteral("ZERO");
        QTest::newRow("VEL M/S") << "txtvelo" << QStringLiteral("VEL M/S");
        QTest::newRow("GATE 2") << "txtgate2" << QStringLiteral("GATE 2");
        QTest::newRow("START of gate 2") << "txtstart2" << QStringLiteral("START");
        QTest::newRow("MEM NO") << "txtmemno" << QStringLiteral("MEM NO");
        QTest::newRow("VIDEO") << "txtVideo" << QStringLiteral("VIDEO");
        QTest::newRow("BRIGHT") << "txtbrt" << QStringLiteral("BRIGHT");
        QTest::newRow("PRESS") << "Txtent" << QStringLiteral("PRESS");
        QTest::newRow("MEASURE") << "txtmea" << QStringLiteral("MEASURE");
        QTest::newRow("HUD") << "txthud" << QStringLiteral("HUD");
        QTest::newRow("BEEP") << "txtbeep" << QStringLiteral("BEEP");
    }

    void captionAboveBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QLineEdit* b = boxNamed(*m_panel, box.toLatin1().constData());
        QVERIFY(b);
        QLabel* c = captionOf(*m_panel, caption, b->geometry().center());
        QVERIFY(c);
        QVERIFY(c->geometry().bottom() <= b->geometry().top());
        QVERIFY(b->geometry().top() - c->geometry().bottom() < b->height());
        QCOMPARE(c->geometry().left(), b->geometry().left());
    }

    void fourColumns()
    {
        // Row by row, the boxes stand in the same four columns; "ENTER" is a caption only, and the
        // boxes without a caption (txtblk1, txtblk2) keep their places in row 9.
        const char* rows[][4] = {{"txtzero", "txtrange", "txtvelo", "txtdelay"},
                                 {"txtgate", "txtstart", "txtend", "txtlevel"},
                                 {"txtmem", "txtmemno", "txtaction", nullptr},
                                 {"txtdac", "txtcur", "txtpoint", "Txtent"},
                                 {"txtblk1", "txthud", "txtbeep", "txtblk2"}};
        int previousTop = -1;
        for (const auto& row : rows) {
            const int top = boxNamed(*m_panel, row[0])->geometry().top();
            QVERIFY(top > previousTop);
            previousTop = top;
            for (int col = 0; col < 4; ++col) {
                if (!row[col])
                    continue;
                const QRect g = boxNamed(*m_panel, row[col])->geometry();
                QCOMPARE(g.top(), top);
                QCOMPARE(g.left(), boxNamed(*m_panel, rows[0][col])->geometry().left());
            }
        }
        QLabel* enter = captionOf(*m_panel, QStringLiteral("ENTER"),
                                  boxNamed(*m_panel, "txtaction")->geometry().center());
        QVERIFY(enter->geometry().left() > boxNamed(*m_panel, "txtaction")->geometry().right());
    }

    void lastRowsHaveCaptionsAtTheLeft_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Beam Path") << "txtbeam" << QStringLiteral("Beam Path");
        QTest::newRow("Surface") << "txtsurf" << QStringLiteral("Surface");
        QTest::newRow("Depth") << "txtdpth" << QStringLiteral("Depth");
        QTest::newRow("Gain") << "txtgain" << QStringLiteral("Gain");
        QTest::newRow("REF") << "txtrefg" << QStringLiteral("REF");
    }

    void lastRowsHaveCaptionsAtTheLeft()
    {
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QLineEdit* b = boxNamed(*m_panel, box.toLatin1().constData());
        QLabel* c = captionOf(*m_panel, caption, b->geometry().center());
        QVERIFY(c);
        QVERIFY(c->geometry().right() < b->geometry().left());
        QVERIFY(qAbs(c->geometry().center().y() - b->geometry().center().y()) <= 2);
        // Below the nine captioned rows.
        QVERIFY(b->geometry().top() > boxNamed(*m_panel, "txtblk1")->geometry().bottom());
    }

    void coloursAndWeights()
    {
        auto colourOf = [](QLabel* l) { return l->palette().color(QPalette::WindowText); };
        const QPoint anywhere;
        for (const char* caption : {"ZERO", "GATE 1", "ENTER", "PRESS", "REF", "THICK"}) {
            QLabel* c = captionOf(*m_panel, QString::fromLatin1(caption), anywhere);
            QCOMPARE(colourOf(c), QColor(0, 0, 255));
            QVERIFY(c->font().bold());
        }
        QLabel* gain = captionOf(*m_panel, QStringLiteral("Gain"), anywhere);
        QCOMPARE(colourOf(gain), QColor(255, 0, 0));
        QCOMPARE(colourOf(m_panel->timeDate()), QColor(0, 0, 255));
        QVERIFY(m_panel->timeDate()->font().bold());
        // The readout captions keep the default look.
        QLabel* beam = captionOf(*m_panel, QStringLiteral("Beam Path"), anywhere);
        QVERIFY(!beam->font().bold());
        QCOMPARE(colourOf(beam), m_panel->palette().color(QPalette::WindowText));

        const QColor buttonFace = m_panel->palette().color(QPalette::Button);
        for (QLineEdit* b : m_panel->boxes()) {
            QCOMPARE(b->palette().color(QPalette::Base), buttonFace);
            QCOMPARE(b->font().bold(), b->objectName() == QStringLiteral("txtgain"));
        }
    }

    void fontIsTheNamedFaceOrItsStandIn()
    {
        // "MS Sans Serif" where the system has it, else the first of its stand-ins it has.
        QString expected;
        for (const QString& family : fontFamilies(QStringLiteral("MS Sans Serif")))
            if (expected.isEmpty() &&
                QFontDatabase::families().contains(family, Qt::CaseInsensitive))
                expected = family;
        for (QLineEdit* b : m_panel->boxes()) {
            QCOMPARE(b->font().families().value(0), QStringLiteral("MS Sans Serif"));
            if (!expected.isEmpty())
                QCOMPARE(QFontInfo(b->font()).family(), expected);
            QCOMPARE(b->font().pointSizeF(), 9.75);
        }
        QCOMPARE(captionOf(*m_panel, QStringLiteral("ZERO"), {})->font().pointSizeF(), 9.75);
    }

    void textsAreShownVerbatim()
    {
        PanelTexts texts;
        for (int i = 0; i < kPanelFieldCount; ++i)
            texts.boxes[i] = QStringLiteral(" %1  ").arg(i).leftJustified(7);
        texts.boxes[3] = QString(7, QChar(u'\0'));
        texts.readouts = {QStringLiteral("  1.0"), QStringLiteral("     "), QString()};
        texts.txttmdt = QStringLiteral("Tm:   :   Dt:  /  /  ");
        m_panel->setTexts(texts);
        const PanelTexts read = m_panel->texts();
        QCOMPARE(read.boxes, texts.boxes);
        QCOMPARE(read.readouts, texts.readouts);
        QCOMPARE(read.txttmdt, texts.txttmdt);
    }

private:
    SetupPanel* m_panel = nullptr;
};

QTEST_MAIN(SetupPanelTest)
#include "tst_setup_panel.moc"
