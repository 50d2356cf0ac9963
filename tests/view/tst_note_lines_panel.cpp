// The note lines: twenty characters at most, and only characters a record can hold.
#include "view/NoteLinesPanel.h"

#include <QLineEdit>
#include <QTest>

using namespace quillon;

namespace
{

// Types text as a keyboard would, one character (code point) per key press, any script.
void type(QWidget* widget, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, length);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, key, Qt::NoModifier);
        i += length - 1;
    }
}

} // namespace

class NoteLinesPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("refused"); // what the hint names
        QTest::newRow("plain") << "Km 114/6" << QStringLiteral("Km 114/6") << QString();
        QTest::newRow("Latin-1 accents are kept")
            << QString::fromUtf8("Bézier ½ ÿ") << QString::fromUtf8("Bézier ½ ÿ") << QString();
        QTest::newRow("euro sign refused")
            << QString::fromUtf8("12€ x") << "12 x" << QString::fromUtf8("€");
        QTest::newRow("Cyrillic and CJK refused")
            << QString::fromUtf8("aЖb中c") << "abc" << QString::fromUtf8("中");
        QTest::newRow("emoji refused")
            << QString::fromUtf8("ok\U0001F600!") << "ok!" << QString::fromUtf8("\U0001F600");
        QTest::newRow("cut at twenty")
            << "abcdefghijklmnopqrstuvwxyz" << QStringLiteral("abcdefghijklmnopqrst") << QString();
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, refused);
        NoteLinesPanel panel;
        panel.show();
        QString hint;
        connect(&panel, &NoteLinesPanel::characterRefused, [&hint](const QString& h) { hint = h; });
        for (QLineEdit* line : panel.lines()) {
            type(line, typed);
            QCOMPARE(line->text(), shown);
        }
        // The last character refused is named to the operator.
        QCOMPARE(hint.isEmpty(), refused.isEmpty());
        QVERIFY2(refused.isEmpty() || hint.contains(u'"' + refused + u'"'), qPrintable(hint));
    }

    // A line is shown without the spaces that fill it to twenty characters, so typing at its end
    // appends; a line left as it was keeps every character it holds.
    void trailingSpacesGiveWayToTyping()
    {
        NoteLinesPanel panel;
        panel.show();
        NoteTexts stored;
        stored[2] = QStringLiteral("abc") + QString(17, u' ');
        stored[3] = QStringLiteral("km 12") + QString(15, u' ');
        panel.setTexts(stored);
        QLineEdit* line = panel.lines()[2];
        QCOMPARE(line->text(), QStringLiteral("abc"));
        line->setFocus();
        QTest::keyClick(line, Qt::Key_End);
        type(line, QStringLiteral("de"));
        QCOMPARE(line->text(), QStringLiteral("abcde"));

        const NoteEdits edits = panel.edits();
        QCOMPARE(edits[2], std::optional<QString>(QStringLiteral("abcde")));
        QVERIFY(!edits[3]);
        QCOMPARE(panel.texts()[3], stored[3]); // the report keeps the stored characters
        QCOMPARE(panel.texts()[2], QStringLiteral("abcde"));
    }

    void pastedTextOutsideTheCodePageIsRefused()
    {
        NoteLinesPanel panel;
        QLineEdit* line = panel.lines()[5];
        line->setText(QStringLiteral("weld"));
        line->end(false);
        line->insert(QString::fromUtf8(" → 350"));
        QCOMPARE(line->text(), QStringLiteral("weld"));
        line->insert(QStringLiteral(" 350"));
        QCOMPARE(line->text(), QStringLiteral("weld 350"));
    }
};

QTEST_MAIN(NoteLinesPanelTest)
#include "tst_note_lines_panel.moc"
