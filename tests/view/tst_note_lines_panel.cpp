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
        QTest::newRow("plain") << "Km 114/6" << QStringLiteral("Km 114/6");
        QTest::newRow("Latin-1 accents are kept")
            << QString::fromUtf8("Bézier ½ ÿ") << QString::fromUtf8("Bézier ½ ÿ");
        QTest::newRow("euro sign refused") << QString::fromUtf8("12€ x") << "12 x";
        QTest::newRow("Cyrillic and CJK refused") << QString::fromUtf8("aЖb中c") << "abc";
        QTest::newRow("emoji refused") << QString::fromUtf8("ok\U0001F600!") << "ok!";
        QTest::newRow("cut at twenty")
            << "abcdefghijklmnopqrstuvwxyz" << QStringLiteral("abcdefghijklmnopqrst");
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        NoteLinesPanel panel;
        panel.show();
        for (QLineEdit* line : panel.lines()) {
            type(line, typed);
            QCOMPARE(line->text(), shown);
        }
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
