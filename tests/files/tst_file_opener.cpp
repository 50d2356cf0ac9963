// `direct`: what a chosen file does to the bank, the list marks and the record on display.

#include "core/BankFile.h"
#include "core/Module1.h"
#include "core/WaveformFile.h"
#include "files/BankSaver.h"
#include "files/FileOpener.h"
#include "FilesTestSupport.h"
#include "support/BankRows.h"

#include <QDir>
#include <QSignalSpy>

using namespace quillon;
using namespace quillon::test;

namespace
{

// The memories after start-up with a loaded-looking bank, a record on display and curmem set.
class PreparedModule : public StartedModule
{
public:
    PreparedModule()
    {
        for (int row = 0; row < kMemoryCount; ++row)
            test::putRow(*this, row, patternRecord(1000 + row), row == 2);
        markSaved({}); // as a loaded bank would leave it
        recbuf = patternRecord(77, "42 ");
        curmem = 17;
    }
};

} // namespace

class FileOpenerTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_folder = std::make_unique<WorkingFolder>();
        m_redraws = 0;
    }

    void cleanup()
    {
        while (!takeMessage().isEmpty()) {
        }
        m_folder.reset();
    }

    void loadOverUnsavedWorkAsksFirst()
    {
        StartedModule blank;
        QVERIFY(!BankSaver(blank).save(m_folder->path(), QStringLiteral("empty.dat")));
        PreparedModule module;
        module.store(9, module.recbuf, {StoreKind::Received, {}}); // a record received since
        const Bank before = module.membank;
        const Marks marksBefore = module.marked;

        auto* open = opener(module, Edition::quillon());
        open->open(m_folder->file("empty.dat"));
        QString question;
        QVERIFY(answerQuestion(QStringLiteral("Cancel"), &question));
        QVERIFY2(question.contains(m_folder->file("empty.dat")), qPrintable(question));
        QVERIFY(module.membank == before);
        QVERIFY(module.marked == marksBefore);
        QVERIFY(module.hasUnsavedChanges());
        QCOMPARE(m_redraws, 0);

        open->open(m_folder->file("empty.dat"));
        QVERIFY(answerQuestion(QStringLiteral("Load")));
        QCOMPARE(module.membank[9][0], 0);
        QCOMPARE(module.membank[9][300], 32);
        QVERIFY(!module.marked[9]);
        QCOMPARE(m_redraws, 1);
    }

    void unusableBankFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("memory");
        QTest::addColumn<int>("position");

        StartedModule source;
        const QByteArray good = writeBank(source.membank);
        // The good file with the field of `memory` at `position` written over by `text`.
        const auto edited = [&good](int memory, int position, const char* text) {
            return QByteArray(good).replace(4 * ((memory - 1) * 840 + position), 4, text);
        };

        // Stops after 100,000 fields: memory 120 has only its positions 0..39.
        QTest::newRow("truncated after 100,000 fields") << good.left(400000) << 120 << 40;
        QTest::newRow("cut in the last field") << good.left(671996) << 200 << 839;
        QTest::newRow("not a number") << edited(3, 17, "x   ") << 3 << 17;
        QTest::newRow("above 255") << edited(200, 839, "300 ") << 200 << 839;
        QTest::newRow("negative") << edited(50, 0, "-1  ") << 50 << 0;
        QTest::newRow("four-character field") << edited(1, 5, "1000") << 1 << 5; // reads "10000"
        QTest::newRow("10,000 bytes") << good.left(10000) << 3 << 820;
        // Also shifts everything after it by one byte.
        QTest::newRow("a value beyond 16 bits") << edited(150, 358, "70000") << 150 << 358;
    }

    void unusableBankFileChangesNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, memory);
        QFETCH(int, position);

        const QString path = m_folder->file("broken.dat");
        QVERIFY(writeBytes(path, file));
        PreparedModule module;
        module.store(4, module.recbuf, {StoreKind::Received, {}});
        const Bank bank = module.membank;
        const Marks marks = module.marked;
        const Record shown = module.recbuf;
        QSignalSpy replaced(&module, &Module1::bankReplaced);

        auto* open = opener(module, Edition::quillon());
        QSignalSpy failed(open, &FileOpener::failed);
        open->open(path);

        const QString text = takeMessage();
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("memory %1, position %2").arg(memory).arg(position)),
                 qPrintable(text));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(replaced.count(), 0);
        QCOMPARE(m_redraws, 0);
        QVERIFY(module.membank == bank);
        QVERIFY(module.marked == marks);
        QVERIFY(module.recbuf == shown);
        QVERIFY(module.hasUnsavedChanges());
        QVERIFY(openBoxes("quillonQuestion").isEmpty()); // a bad file is never offered for loading
    }

    void sizeDecidesNotName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("asBank");
        QTest::newRow("9,999-byte x.dat") << "x.dat" << 9999 << false;
        QTest::newRow("1,141-byte x.dat") << "x.dat" << 1141 << false;
        QTest::newRow("10,000-byte x.awv") << "x.awv" << 10000 << true;
        QTest::newRow("a whole bank as x.awv") << "x.awv" << 672000 << true;
    }

    void sizeDecidesNotName()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, asBank);

        PreparedModule module;
        const Bank bank = module.membank;
        const Record shown = module.recbuf;
        Record wave = patternRecord(3, "8  ");
        StartedModule blank;
        QByteArray bytes = size >= 672000 ? writeBank(blank.membank)
                                          : writeWaveform(wave, qMax(size, kWaveformMinSize));
        bytes.resize(size, ' ');
        QVERIFY(writeBytes(m_folder->file(name), bytes));

        auto* open = opener(module, Edition::quillon());
        open->open(m_folder->file(name));
        const QString message = takeMessage();
        if (!asBank) {
            QCOMPARE(message, QString());
            QCOMPARE(memoryNumberOf(module.recbuf), 8);
            QVERIFY(module.membank == bank);
        } else if (size == 672000) {
            QCOMPARE(message, QString());
            QVERIFY(module.recbuf == shown);
            QCOMPARE(module.membank[0][0], 0);
            QCOMPARE(module.membank[0][600], 0);
        } else {
            // Too short for a bank: reported as a bank file that ends early, the record untouched.
            QVERIFY2(message.contains("bank file"), qPrintable(message));
            QVERIFY(module.recbuf == shown);
            QVERIFY(module.membank == bank);
        }
    }

    void waveformImportShowsRecordOnly()
    {
        PreparedModule module;
        // Memory 1 holds a received record.
        module.recbuf = patternRecord(11, "1  ");
        module.store(0, module.recbuf, {StoreKind::Received, {}});
        QVERIFY(!BankSaver(module).saveTo(m_folder->file("saved.dat")));
        module.recbuf = patternRecord(77, "42 ");
        const Bank bank = module.membank;
        const Marks marks = module.marked;
        const Record before = module.recbuf;

        QByteArray file(5000, '\0');
        for (int j = 0; j < file.size(); ++j)
            file[j] = char((j * 3 + 1) % 256);
        file[480] = '0';
        file[481] = '0';
        file[482] = '7';
        QVERIFY(writeBytes(m_folder->file("mem7.awv"), file));

        QSignalSpy replaced(&module, &Module1::bankReplaced);
        QSignalSpy stored(&module, &Module1::rowChanged);
        auto* open = opener(module, Edition::quillon());
        open->open(m_folder->file("mem7.awv"));

        QCOMPARE(takeMessage(), QString());
        QCOMPARE(m_redraws, 1);
        const auto byte = [&](int offset) { return std::int16_t(quint8(file[offset])); };
        // The trace from offsets 1..251, setup groups from their offsets, the tail 875..1137.
        for (int i = 0; i <= 250; ++i)
            QCOMPARE(module.recbuf[i], byte(i + 1));
        const std::pair<int, int> atOffset[] = {{260, 268}, {266, 274}, {267, 282}, {323, 402},
                                                {372, 518}, {375, 521}, {425, 635}, {515, 841},
                                                {539, 871}, {540, 875}, {802, 1137}};
        for (const auto& [position, offset] : atOffset)
            QCOMPARE(module.recbuf[position], byte(offset));
        QCOMPARE(memoryNumberOf(module.recbuf), 7);
        for (int p = 251; p <= 259; ++p)
            QCOMPARE(module.recbuf[p], before[p]);
        for (int p = 803; p <= 840; ++p)
            QCOMPARE(module.recbuf[p], before[p]);
        for (int j = 1; j <= 1140; ++j)
            QCOMPARE(module.rawframe[j], byte(j));
        // Display only: memory 1 and every other row, the marks, curmem and the saved state stay.
        QVERIFY(module.membank == bank);
        QVERIFY(module.marked == marks);
        QVERIFY(module.marked[0]);
        QCOMPARE(module.curmem, 17);
        QCOMPARE(replaced.count(), 0);
        QCOMPARE(stored.count(), 0);
        QVERIFY(!module.hasUnsavedChanges());
    }

    void shortWaveformFileChangesNothing()
    {
        PreparedModule module;
        module.rawframe.fill(5);
        const Record shown = module.recbuf;
        const RawFrame frame = module.rawframe;
        QVERIFY(writeBytes(m_folder->file("short.awv"), QByteArray(1140, 'a')));
        QVERIFY(writeBytes(m_folder->file("empty.awv"), QByteArray()));

        auto* open = opener(module, Edition::quillon());
        for (const char* name : {"short.awv", "empty.awv"}) {
            open->open(m_folder->file(name));
            const QString text = takeMessage();
            QVERIFY2(text.contains(m_folder->file(name)), qPrintable(text));
            QVERIFY2(text.contains("1141"), qPrintable(text));
            QVERIFY(module.recbuf == shown);
            QVERIFY(module.rawframe == frame);
            QCOMPARE(m_redraws, 0);
        }
    }

    void unreadablePathsAreRefused_data()
    {
        QTest::addColumn<QString>("name"); // in the working folder, or an absolute path
        QTest::addColumn<bool>("pellisor");
        QTest::addColumn<QString>("reason");
        const QString tooLarge = QStringLiteral("it holds 3221225472 bytes, far more than a bank "
                                                "file's 672000");
        QTest::newRow("a missing file") << "temp.dat" << false << "there is no such file";
        QTest::newRow("a folder") << "folder" << false << "it is a folder";
        QTest::newRow("a device, which never ends")
            << "/dev/zero" << false << "it is a device or a pipe, not a file";
        // A file picked by mistake: refused by its size, unread.
        QTest::newRow("a 3 GB file") << "huge.dat" << false << tooLarge;
        QTest::newRow("a 3 GB file in Pellisor") << "huge.dat" << true << tooLarge;
    }

    void unreadablePathsAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, pellisor);
        QFETCH(QString, reason);
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("folder")));
        QVERIFY(writeBytes(m_folder->file(QStringLiteral("huge.dat")), {}));
        QVERIFY(QFile::resize(m_folder->file(QStringLiteral("huge.dat")), qint64(3) << 30));

        PreparedModule module;
        const Bank bank = module.membank;
        const Marks marks = module.marked;
        const Record shown = module.recbuf;
        const QString path = QDir(m_folder->path()).filePath(name);
        auto* open = opener(module, pellisor ? Edition::pellisor() : Edition::quillon());
        open->open(path);
        QCOMPARE(
            takeMessage(),
            QStringLiteral("\"%1\" cannot be opened: %2. Nothing was changed.").arg(path, reason));
        QVERIFY(module.membank == bank);
        QVERIFY(module.marked == marks);
        QVERIFY(module.recbuf == shown);
        QCOMPARE(m_redraws, 0);
    }

    void pellisorReadsEveryFileAsBank()
    {
        PreparedModule module;
        const Record shown = module.recbuf;
        const Bank bank = module.membank;
        QVERIFY(writeBytes(m_folder->file("x.awv"), writeWaveform(patternRecord(3, "8  "), 9999)));
        StartedModule source;
        test::putRow(source, 4, patternRecord(4, "5  "));
        QVERIFY(writeBytes(m_folder->file("notes.txt"), writeBank(source.membank)));

        auto* open = opener(module, Edition::pellisor());
        open->open(m_folder->file("x.awv"));
        const QString text = takeMessage();
        QVERIFY2(text.contains("bank file"), qPrintable(text));
        QVERIFY(module.recbuf == shown);
        QVERIFY(module.membank == bank);

        open->open(m_folder->file("notes.txt"));
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(module.membank[4][0], patternRecord(4)[0]);
        QVERIFY(module.marked[4]);
        QVERIFY(module.recbuf == shown);
    }

private:
    FileOpener* opener(Module1& module, const Edition& edition)
    {
        m_edition = std::make_unique<Edition>(edition);
        return new FileOpener(
            module, *m_edition, nullptr, [this](const QString&, FileKind) { ++m_redraws; },
            &module);
    }

    std::unique_ptr<WorkingFolder> m_folder;
    int m_redraws = 0;
    std::unique_ptr<Edition> m_edition;
};

QTEST_MAIN(FileOpenerTest)
#include "tst_file_opener.moc"
