// The rules of the file forms that need no files: the path rule and the full-path box, the file
// list's patterns, the size rule of `direct`, and the messages.

#include "core/Edition.h"
#include "core/FileFailure.h"
#include "core/LoadedFile.h"
#include "files/FileList.h"
#include "files/PathRule.h"

#include <QTest>

using namespace quillon;

class FileRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void pathRule_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("boxAfterNameEdit");

        const QChar win = u'\\';
        const QChar nix = u'/';
        const auto row = [](const char* tag, const QString& folder, const QString& name,
                            QChar separator, const QString& written,
                            const QString& boxAfterNameEdit) {
            QTest::newRow(tag) << folder << name << separator << written << boxAfterNameEdit;
        };
        row("drive root C:", "C:\\", "temp.dat", win, "C:\\temp.dat", "C:\\\\temp.dat");
        row("folder on C:", "C:\\DATA", "temp.dat", win, "C:\\DATA\\temp.dat",
            "C:\\DATA\\temp.dat");
        row("click a.dat at a root", "D:\\", "a.dat", win, "D:\\a.dat", "D:\\\\a.dat");
        row("Linux root", "/", "temp.dat", nix, "/temp.dat", "//temp.dat");
        row("Linux folder", "/home/op/rail", "temp.dat", nix, "/home/op/rail/temp.dat",
            "/home/op/rail/temp.dat");
        row("folder ending in a separator", "/media/usb/", "day1.dat", nix, "/media/usb/day1.dat",
            "/media/usb//day1.dat");
        row("no extension added", "/data", "bank", nix, "/data/bank", "/data/bank");
        row("name as typed, spaces kept", "/data", " my bank.DAT ", nix, "/data/ my bank.DAT ",
            "/data/ my bank.DAT ");
    }

    void pathRule()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QChar, separator);
        QFETCH(QString, written);
        QFETCH(QString, boxAfterNameEdit);
        QCOMPARE(buildPath(folder, name, separator), written);
        QCOMPARE(pathBoxText(folder, name, separator), boxAfterNameEdit);
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("first pattern") << "*.dat" << QStringList{"*.dat"};
        QTest::newRow("waveform files") << "*.awv" << QStringList{"*.awv"};
        QTest::newRow("all files, with or without a dot") << "*.*" << QStringList{"*"};
        QTest::newRow("typed list") << "*.dat;*.awv" << QStringList{"*.dat", "*.awv"};
        QTest::newRow("typed with blanks") << " *.txt ; " << QStringList{"*.txt"};
        QTest::newRow("typed name part") << "day?.dat" << QStringList{"day?.dat"};
        QTest::newRow("nothing typed") << "" << QStringList{"*"};
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, filters);
        QCOMPARE(FileList::filtersOf(pattern), filters);
    }

    void sizeRule_data()
    {
        QTest::addColumn<bool>("pellisor");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("bank");
        QTest::newRow("smallest waveform file") << false << qint64(1141) << false;
        QTest::newRow("9,999 bytes") << false << qint64(9999) << false;
        QTest::newRow("10,000 bytes") << false << qint64(10000) << true;
        QTest::newRow("a bank file") << false << qint64(672000) << true;
        QTest::newRow("empty file") << false << qint64(0) << false;
        QTest::newRow("Pellisor: 9,999 bytes") << true << qint64(9999) << true;
        QTest::newRow("Pellisor: empty file") << true << qint64(0) << true;
        QTest::newRow("Pellisor: a bank file") << true << qint64(672000) << true;
    }

    void sizeRule()
    {
        QFETCH(bool, pellisor);
        QFETCH(qint64, size);
        QFETCH(bool, bank);
        const Edition edition = pellisor ? Edition::pellisor() : Edition::quillon();
        QCOMPARE(fileKindOf(size, edition) == FileKind::Bank, bank);
    }

    void messagesNameFileAndReason_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("saving");

        const auto row = [](const char* name, FileProblem p, const QString& detail,
                            const QString& reason, bool saving) {
            QTest::newRow(name) << int(p) << detail << reason << saving;
        };
        row("empty name", FileProblem::NoName, {}, "no file name", true);
        row("a folder", FileProblem::IsFolder, {}, "folder", true);
        row("a device", FileProblem::NotAFile, {}, "device", true);
        row("missing folder", FileProblem::NoFolder, "/media/usb", "/media/usb", true);
        row("read-only", FileProblem::CannotCreate, "Read-only file system",
            "Read-only file system", true);
        row("full disk", FileProblem::WriteFailed, "No space left on device",
            "No space left on device", true);
        row("replace", FileProblem::ReplaceFailed, "Permission denied", "Permission denied", true);
        row("missing file", FileProblem::NotFound, {}, "no such file", false);
        row("unreadable", FileProblem::CannotRead, "Permission denied", "Permission denied", false);
        row("bad bank", FileProblem::BadBank, "memory 3, position 17: \"x\" is not a number",
            "memory 3, position 17", false);
        row("short waveform", FileProblem::BadWaveform, "a waveform file needs at least 1141 bytes",
            "1141 bytes", false);
    }

    void messagesNameFileAndReason()
    {
        QFETCH(int, problem);
        QFETCH(QString, detail);
        QFETCH(QString, reason);
        QFETCH(bool, saving);
        const QString path = QStringLiteral("/media/usb/day %1.dat");
        const QString text = failureText({FileProblem(problem), path, detail});
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        // The operator learns what became of the bank: not saved, or nothing changed by the load.
        QVERIFY2(text.contains(saving ? QStringLiteral("not saved")
                                      : QStringLiteral("Nothing was changed")),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(FileRulesTest)
#include "tst_file_rules.moc"
