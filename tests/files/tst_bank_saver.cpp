// Saving the bank: the bytes of the file, and what happens when the file cannot be written.
// Unwritable places are made for real: a folder under a plain file, /proc, a device node, a
// read-only file system, a full file system, a file-size limit that stops the write part-way.

#include "core/Module1.h"
#include "files/BankSaver.h"
#include "FilesTestSupport.h"
#include "support/BankRows.h"

#include <QSignalSpy>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace quillon;
using namespace quillon::test;

namespace
{
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

QByteArray oldBank()
{
    return QByteArray(672000, '7');
}
} // namespace

class BankSaverTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_mounts.enter(); }

    void saveAfterStartUpWrites672000Bytes()
    {
        WorkingFolder folder;
        StartedModule module;
        BankSaver saver(module);
        QVERIFY(!saver.save(folder.path(), QStringLiteral("temp.dat")));

        const QByteArray file = contentsOf(folder.file(QStringLiteral("temp.dat")));
        QCOMPARE(file.size(), 672000);
        QCOMPARE(file, startUpBankFile());
    }

    void fieldsAreDecimalLeftAlignedSpacePadded()
    {
        WorkingFolder folder;
        StartedModule module;
        test::putValue(module, 0, 0, 0);
        test::putValue(module, 0, 1, 32);
        test::putValue(module, 0, 2, 255);
        test::putValue(module, 1, 0, 255);
        test::putValue(module, 1, 1, 0);
        test::putValue(module, 1, 2, 17);
        test::putValue(module, 199, 839, 123);
        test::putValue(module, 0, 840, 99); // position 840 is not in the file
        QVERIFY(!BankSaver(module).save(folder.path(), QStringLiteral("temp.dat")));

        const QByteArray file = contentsOf(folder.file(QStringLiteral("temp.dat")));
        QCOMPARE(file.size(), 672000);
        QCOMPARE(file.left(12), QByteArray::fromHex("302020203332202032353520"));
        QCOMPARE(file.mid(3360, 12), QByteArray::fromHex("323535203020202031372020"));
        QCOMPARE(file.mid(671996, 4), QByteArray("123 "));
    }

    void nameIsUsedAsTyped()
    {
        WorkingFolder folder;
        StartedModule module;
        QVERIFY(!BankSaver(module).save(folder.path(), QStringLiteral("monday")));
        QCOMPARE(filesIn(folder.path()), QStringList{"monday"});
        QCOMPARE(QFileInfo(folder.file("monday")).size(), 672000);
    }

    void savingTwiceGivesIdenticalFiles()
    {
        WorkingFolder folder;
        StartedModule module;
        test::putRow(module, 4, patternRecord(4, "5  "));
        BankSaver saver(module);
        QVERIFY(!saver.save(folder.path(), QStringLiteral("a.dat")));
        QVERIFY(!saver.save(folder.path(), QStringLiteral("b.dat")));
        QVERIFY(!saver.save(folder.path(), QStringLiteral("a.dat")));
        QCOMPARE(contentsOf(folder.file("a.dat")), contentsOf(folder.file("b.dat")));
        QCOMPARE(filesIn(folder.path()), (QStringList{"a.dat", "b.dat"}));
    }

    void longerOldFileIsReplacedWhole()
    {
        // The new file takes the old one's place, so no tail of a longer old file survives.
        WorkingFolder folder;
        QVERIFY(writeBytes(folder.file("temp.dat"), QByteArray(700000, '9')));
        StartedModule module;
        QVERIFY(!BankSaver(module).save(folder.path(), QStringLiteral("temp.dat")));
        QCOMPARE(contentsOf(folder.file("temp.dat")).size(), 672000);
    }

    void successCountsAsSaved()
    {
        WorkingFolder folder;
        StartedModule module;
        module.store(6, module.recbuf, {StoreKind::Received, {}});
        QVERIFY(module.hasUnsavedChanges());
        QSignalSpy unsaved(&module, &Module1::unsavedChanged);

        BankSaver saver(module);
        QVERIFY(saver.save(folder.path() + "/missing", QStringLiteral("temp.dat")));
        QVERIFY(module.hasUnsavedChanges());
        QCOMPARE(unsaved.count(), 0);

        QVERIFY(!saver.save(folder.path(), QStringLiteral("temp.dat")));
        QVERIFY(!module.hasUnsavedChanges());
        QCOMPARE(unsaved.count(), 1);
        QCOMPARE(unsaved.first().first().toBool(), false);
    }

    void unwritablePathIsReported_data()
    {
        QTest::addColumn<QString>("folder"); // relative to the working folder unless absolute
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty name") << "."
                                    << "" << int(FileProblem::NoName) << "no file name";
        QTest::newRow("a folder's name") << "."
                                         << "sub" << int(FileProblem::IsFolder) << "folder";
        QTest::newRow("missing folder")
            << "gone"
            << "temp.dat" << int(FileProblem::NoFolder) << "does not exist";
        QTest::newRow("missing drive")
            << "/no-such-drive"
            << "temp.dat" << int(FileProblem::NoFolder) << "does not exist";
        QTest::newRow("folder under a plain file")
            << "plain"
            << "temp.dat" << int(FileProblem::CannotCreate) << "Not a directory";
        QTest::newRow("name through a plain file")
            << "."
            << "plain/temp.dat" << int(FileProblem::CannotCreate) << "Not a directory";
        QTest::newRow("/proc") << "/proc"
                               << "temp.dat" << int(FileProblem::CannotCreate)
                               << "cannot be written";
    }

    void unwritablePathIsReported()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(int, problem);
        QFETCH(QString, reason);

        WorkingFolder work;
        QVERIFY(QDir(work.path()).mkdir("sub"));
        QVERIFY(writeBytes(work.file("plain"), "not a folder"));
        const QString dir =
            QDir::isAbsolutePath(folder) ? folder : QDir::cleanPath(work.file(folder));
        StartedModule module;
        module.store(0, module.recbuf, {StoreKind::Received, {}});
        const Bank before = module.membank;

        const auto failure = BankSaver(module).save(dir, name);
        QVERIFY(failure);
        QCOMPARE(int(failure->problem), problem);
        const QString text = failureText(*failure);
        QVERIFY2(text.contains(dir + '/' + name), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        QVERIFY(module.membank == before);
        QVERIFY(module.hasUnsavedChanges());
        QCOMPARE(filesIn(work.path()), QStringList{"plain"});
        QCOMPARE(contentsOf(work.file("plain")), QByteArray("not a folder"));
    }

    void deviceNodeIsLeftAlone()
    {
        // A device where the file should be is refused: the file is never swapped for a plain one.
        WorkingFolder work;
        const QString node = work.file("full");
        if (mknod(node.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            QSKIP(qPrintable(
                QStringLiteral("device nodes cannot be made here (%1)").arg(qt_error_string())));
        StartedModule module;
        const auto failure = BankSaver(module).save(work.path(), QStringLiteral("full"));
        QVERIFY(failure);
        QCOMPARE(failure->problem, FileProblem::NotAFile);
        QVERIFY(failureText(*failure).contains(node));
        struct stat info {
        };
        QCOMPARE(stat(node.toLocal8Bit().constData(), &info), 0);
        QVERIFY(S_ISCHR(info.st_mode));
    }

    void readOnlyFileSystemKeepsOldFile()
    {
        WorkingFolder work;
        const QString usb = work.file("usb");
        QVERIFY(QDir(work.path()).mkdir("usb"));
        const QString old = usb + "/temp.dat";
        QVERIFY(writeBytes(old, oldBank()));

        ReadOnlyFolder readOnly(usb, m_mounts);
        if (!readOnly.skipReason().isEmpty())
            QSKIP(qPrintable(readOnly.skipReason()));
        QVERIFY(readOnly.isReadOnly());

        StartedModule module;
        module.store(3, module.recbuf, {StoreKind::Received, {}});
        const auto failure = BankSaver(module).save(usb, QStringLiteral("temp.dat"));
        QVERIFY(failure);
        QCOMPARE(failure->problem, FileProblem::CannotCreate);
        const QString text = failureText(*failure);
        QVERIFY2(text.contains(old), qPrintable(text));
        QVERIFY2(text.contains("read-only") || text.contains("Permission denied"),
                 qPrintable(text));
        QCOMPARE(contentsOf(old), oldBank());
        QCOMPARE(filesIn(usb), QStringList{"temp.dat"});
        QVERIFY(module.hasUnsavedChanges());
    }

    void fullFileSystemKeepsOldFile()
    {
        // A 1 MB volume holds the old bank; the new one, written beside it, does not fit.
        WorkingFolder work;
        const QString usb = work.file("usb");
        QVERIFY(QDir(work.path()).mkdir("usb"));
        SmallVolume volume(usb, m_mounts);
        if (!volume.isMounted())
            QSKIP(qPrintable("a small file system cannot be mounted: " + volume.problem()));

        const QString old = usb + "/temp.dat";
        QVERIFY(writeBytes(old, oldBank()));
        StartedModule module;
        module.store(3, module.recbuf, {StoreKind::Received, {}});
        const auto failure = BankSaver(module).save(usb, QStringLiteral("temp.dat"));
        QVERIFY(failure);
        QCOMPARE(failure->problem, FileProblem::WriteFailed);
        const QString text = failureText(*failure);
        QVERIFY2(text.contains(old), qPrintable(text));
        QVERIFY2(text.contains("No space left on device"), qPrintable(text));
        QCOMPARE(contentsOf(old), oldBank());
        QCOMPARE(filesIn(usb), QStringList{"temp.dat"}); // nothing half-written left behind
        QVERIFY(module.hasUnsavedChanges());
    }

    void writeStoppedPartWayKeepsOldFile()
    {
        // The process may write no file longer than 100,000 bytes: the write stops part-way.
        WorkingFolder work;
        const QString old = work.file("temp.dat");
        QVERIFY(writeBytes(old, oldBank().left(50000)));

        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before;
        limited.rlim_cur = 100000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &before);
            std::signal(SIGXFSZ, previousHandler);
        });

        StartedModule module;
        module.store(3, module.recbuf, {StoreKind::Received, {}});
        const auto failure = BankSaver(module).save(work.path(), QStringLiteral("temp.dat"));
        restore.dismiss();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(failure);
        QCOMPARE(failure->problem, FileProblem::WriteFailed);
        QVERIFY2(failureText(*failure).contains(old), qPrintable(failureText(*failure)));
        QCOMPARE(contentsOf(old), oldBank().left(50000));
        QCOMPARE(filesIn(work.path()), QStringList{"temp.dat"});
        QVERIFY(module.hasUnsavedChanges());
    }

private:
    PrivateMounts m_mounts;
};

QTEST_GUILESS_MAIN(BankSaverTest)
#include "tst_bank_saver.moc"
