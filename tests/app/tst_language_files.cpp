// Files never follow the language. quillon-cli run under a German locale writes what it writes
// under C, and the window's writers (bank file, report PDF, document, the overview's table)
// with the German translation installed write what they write in English, byte for byte.

#include "app/Language.h"
#include "core/BankFile.h"
#include "core/DisplaySnapshot.h"
#include "core/Module1.h"
#include "report/DocxWriter.h"
#include "report/ReportPrinter.h"
#include "support/CliRun.h"
#include "support/Records.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"
#include "view/WindowSettings.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace
{

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return p.waitForFinished() ? p.readAllStandardOutput() : QByteArray();
}

// Six received memories with notes, in a bank with their marks.
Bank testBank()
{
    Module1 module;
    module.startUp();
    for (int row = 0; row < 6; ++row)
        module.store(row, test::realisticRecord(row + 1), {StoreKind::Received, {}});
    return module.membank;
}

} // namespace

class LanguageFilesTest : public QObject
{
    Q_OBJECT

    // What the window writes, by file.
    QMap<QString, QByteArray> windowFiles(const QString& tag)
    {
        QMap<QString, QByteArray> files;
        Module1 module;
        BankFileContents contents;
        BankFileError error;
        const QByteArray bank = writeBank(testBank());
        files[QStringLiteral("bank")] = bank;
        if (readBank(bank, contents, &error))
            module.loadBank(contents, m_work.filePath(QStringLiteral("b.dat")));
        const DisplaySnapshot shown = snapshotOf(module.membank[2]);
        const QString pdf = m_work.filePath(tag + QStringLiteral(".pdf"));
        if (ReportPrinter::writePdf(pdf, {shown}).ok())
            files[QStringLiteral("report")] = pdfText(pdf);
        const DocxContent document = DocxWriter::content(shown); // the package holds its time
        files[QStringLiteral("document")] =
            (document.heading + document.menuLines + document.noteLines).join(u'\n').toUtf8() +
            document.picturePng;
        BankTableModel model(module);
        BankOverviewWindow overview(model);
        QStringList table = overview.shownHeader();
        for (int r = 0; r < 6; ++r)
            table += overview.rowTexts(r);
        files[QStringLiteral("overview table")] = table.join(u'\n').toUtf8();
        return files;
    }

    // What quillon-cli writes, by command.
    QMap<QString, QByteArray> cliFiles(const QString& tag)
    {
        QMap<QString, QByteArray> files;
        const QString out = m_work.filePath(tag);
        const auto run = [&](const QString& name, const QStringList& args, const QString& file) {
            const test::CliResult r = test::runCli(args);
            QVERIFY2(r.exit == 0, r.err.constData());
            files[name] = file.isEmpty()                         ? r.out
                          : file.endsWith(QLatin1String(".pdf")) ? pdfText(file)
                                                                 : fileBytes(file);
        };
        run(QStringLiteral("import-frames bank"),
            {"import-frames", m_capture, "--into", m_bank, "-o", out + ".dat"}, out + ".dat");
        run(QStringLiteral("table csv"), {"table", m_bank, "--format", "csv"}, {});
        run(QStringLiteral("table json"), {"table", m_bank, "--format", "json"}, {});
        run(QStringLiteral("record json"), {"record", "--bank", m_bank, "--memory", "3"}, {});
        run(QStringLiteral("report pdf"),
            {"report", "--bank", m_bank, "--memories", "all", "-o", out + ".pdf"}, out + ".pdf");
        return files;
    }

private slots:
    // The first of the system's languages that is translated; a choice made in the menu wins.
    void languageToUse_data()
    {
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("used");
        QTest::newRow("german") << QStringList{"de-AT", "en-US"} << ""
                                << "de";
        QTest::newRow("simplified") << QStringList{"zh-Hans-CN"} << ""
                                    << "zh_CN";
        QTest::newRow("traditional, then german") << QStringList{"zh-Hant-TW", "fr-FR", "de"} << ""
                                                  << "de";
        QTest::newRow("none translated") << QStringList{"fr-FR", "C"} << ""
                                         << "en";
        QTest::newRow("chosen") << QStringList{"de-DE"} << "zh_CN"
                                << "zh_CN";
        QTest::newRow("chosen english") << QStringList{"de-DE"} << "en"
                                        << "en";
    }

    void languageToUse()
    {
        QFETCH(QStringList, system);
        QFETCH(QString, chosen);
        QFETCH(QString, used);
        WindowSettings::enable(QStringLiteral("QuillonTest"));
        Language::choose(chosen);
        QCOMPARE(Language::chosen(), chosen);
        QCOMPARE(Language::effective(system), used);
        Language::choose({});
    }

    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_bank = m_work.filePath(QStringLiteral("bank.dat"));
        QFile bank(m_bank);
        QVERIFY(bank.open(QIODevice::WriteOnly) && bank.write(writeBank(testBank())) > 0);
        bank.close();
        m_capture = m_work.filePath(QStringLiteral("capture.bin"));
        QFile capture(m_capture);
        QVERIFY(capture.open(QIODevice::WriteOnly));
        capture.write(test::frameBytes(test::realisticRecord(9)));
        capture.close();
        // The C library's German numbers too, from a locale of our own: the system may have none.
        const QString locales = m_work.filePath(QStringLiteral("locales"));
        QVERIFY(QDir().mkpath(locales));
        QVERIFY(QProcess::execute(QStringLiteral("localedef"),
                                  {"-i", "de_DE", "-f", "UTF-8", locales + "/de_DE.UTF-8"}) == 0);
        m_germanEnv = {{"LOCPATH", locales},
                       {"LANG", "de_DE.UTF-8"},
                       {"LC_ALL", "de_DE.UTF-8"},
                       {"LANGUAGE", "de"}};
    }

    void cliWritesTheSameUnderGerman()
    {
        for (const auto& [name, value] : std::as_const(m_germanEnv))
            qputenv(name.toLatin1(), "C");
        qunsetenv("LOCPATH");
        const auto english = cliFiles(QStringLiteral("c"));
        for (const auto& [name, value] : std::as_const(m_germanEnv))
            qputenv(name.toLatin1(), value.toLocal8Bit());
        const auto german = cliFiles(QStringLiteral("de"));
        QCOMPARE(german.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            QVERIFY2(!it.value().isEmpty(), qPrintable(it.key()));
            QVERIFY2(german[it.key()] == it.value(), qPrintable(it.key()));
        }
    }

    void windowWritesTheSameInGerman()
    {
        const auto english = windowFiles(QStringLiteral("en"));
        QVERIFY(Language::install(QStringLiteral("de")));
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const auto german = windowFiles(QStringLiteral("de"));
        QCOMPARE(english.size(), 4);
        QCOMPARE(german.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            QVERIFY2(german[it.key()] == it.value(), qPrintable(it.key()));
    }

private:
    QTemporaryDir m_work;
    QString m_bank;
    QString m_capture;
    QList<std::pair<QString, QString>> m_germanEnv;
};

QTEST_MAIN(LanguageFilesTest)
#include "tst_language_files.moc"
