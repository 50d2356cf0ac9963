// The link's pure rules: command bytes, port names, "dfd.cfg", error texts; and the simulated
// instrument's own command reader and pacing, which the other link tests rely on.
#include "CommandParser.h"
#include "PacedWriter.h"

#include "link/InstrumentCommands.h"
#include "link/PortConfig.h"
#include "link/PortSetting.h"
#include "link/SerialErrorText.h"
#include "support/FileBytes.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(quillon::PortSetting)

class LinkRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void memoryRequestIsFiveCommandsOf22Characters_data()
    {
        QTest::addColumn<int>("memory");
        QTest::addColumn<QByteArray>("digits");
        QTest::newRow("7") << 7 << QByteArray("007");
        QTest::newRow("45") << 45 << QByteArray("045");
        QTest::newRow("100") << 100 << QByteArray("100");
        QTest::newRow("200") << 200 << QByteArray("200");
        QTest::newRow("99") << 99 << QByteArray("099");
    }

    void memoryRequestIsFiveCommandsOf22Characters()
    {
        QFETCH(int, memory);
        QFETCH(QByteArray, digits);
        const QByteArray z(21, 'Z');
        const QByteArray expected =
            "R" + z + "A" + z + digits.left(1) + z + digits.mid(1, 1) + z + digits.right(1) + z;
        QCOMPARE(memoryRequest(memory), expected);
        QCOMPARE(memoryRequest(memory).size(), 110);
    }

    void releaseIsRThenF()
    {
        QCOMPARE(releaseCommands(), QByteArray("RZZZZZZZZZZZZZZZZZZZZZFZZZZZZZZZZZZZZZZZZZZZ"));
    }

    void portNumbersNameDevices_data()
    {
        QTest::addColumn<int>("portno");
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("unix");
        QTest::newRow("1") << 1 << "COM1" << QStringLiteral("/dev/ttyS0");
        QTest::newRow("4") << 4 << "COM4" << QStringLiteral("/dev/ttyS3");
        QTest::newRow("7") << 7 << "COM7" << QStringLiteral("/dev/ttyS6");
        QTest::newRow("12") << 12 << "COM12" << QStringLiteral("/dev/ttyS11");
    }

    void portNumbersNameDevices()
    {
        QFETCH(int, portno);
        QFETCH(QString, windows);
        QFETCH(QString, unix);
        QCOMPARE(deviceNameOfPort(portno, PortNaming::Windows), windows);
        QCOMPARE(deviceNameOfPort(portno, PortNaming::Unix), unix);
        QCOMPARE(portNumberOfDevice(windows, PortNaming::Windows), portno);
        QCOMPARE(portNumberOfDevice(unix, PortNaming::Unix), portno);
        QCOMPARE(PortSetting::numbered(portno).deviceName(PortNaming::Unix), unix);
    }

    void devicesThatAreNotNumberedPorts()
    {
        QCOMPARE(portNumberOfDevice("/dev/ttyUSB0", PortNaming::Unix), 0);
        QCOMPARE(portNumberOfDevice("/dev/ttyS", PortNaming::Unix), 0);
        QCOMPARE(portNumberOfDevice("/dev/ttyS01", PortNaming::Unix), 0);
        QCOMPARE(portNumberOfDevice("COM0", PortNaming::Windows), 0);
        QCOMPARE(portNumberOfDevice("/dev/ttyS0", PortNaming::Windows), 0);
        QCOMPARE(PortSetting::named("/dev/pts/3").deviceName(PortNaming::Windows),
                 QString("/dev/pts/3"));
    }

    void configurationFileContents_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<PortSetting>("setting");
        QTest::newRow("as written") << QByteArray("3\r\n") << true << PortSetting::numbered(3);
        QTest::newRow("no line end") << QByteArray("2") << true << PortSetting::numbered(2);
        QTest::newRow("leading spaces")
            << QByteArray("   4\r\n") << true << PortSetting::numbered(4);
        QTest::newRow("ends at a comma")
            << QByteArray("7,9\r\n") << true << PortSetting::numbered(7);
        QTest::newRow("ends at a space")
            << QByteArray("2 5\r\n") << true << PortSetting::numbered(2);
        QTest::newRow("only the first line")
            << QByteArray("1\r\n4\r\n") << true << PortSetting::numbered(1);
        QTest::newRow("beyond 4") << QByteArray("7\r\n") << true << PortSetting::numbered(7);
        QTest::newRow("device path")
            << QByteArray("/dev/ttyUSB0\r\n") << true << PortSetting::named("/dev/ttyUSB0");
        QTest::newRow("pseudo-terminal")
            << QByteArray("/dev/pts/4\n") << true << PortSetting::named("/dev/pts/4");
        QTest::newRow("windows name")
            << QByteArray("COM7\r\n") << true << PortSetting::named("COM7");
        QTest::newRow("empty") << QByteArray() << false << PortSetting{};
        QTest::newRow("blank line") << QByteArray("\r\n3\r\n") << false << PortSetting{};
        QTest::newRow("words") << QByteArray("port three\r\n") << false << PortSetting{};
        QTest::newRow("number and letters") << QByteArray("3abc\r\n") << false << PortSetting{};
        QTest::newRow("too large") << QByteArray("99999\r\n") << false << PortSetting{};
    }

    void configurationFileContents()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, valid);
        QFETCH(PortSetting, setting);
        const auto parsed = PortConfig::parse(contents);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, setting);
    }

    void configurationFileIsWrittenWholeAndReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(PortConfig::kFileName);
        QString error;
        QVERIFY(!PortConfig::read(path, &error));
        QVERIFY(!error.isEmpty());

        QVERIFY(test::writeBytes(path, "/dev/some-long-device-name-that-is-longer\r\n"));
        QVERIFY(PortConfig::write(path, PortSetting::numbered(3), &error));
        QCOMPARE(test::contentsOf(path), QByteArray("3\r\n"));
        QCOMPARE(*PortConfig::read(path), PortSetting::numbered(3));

        QVERIFY(PortConfig::write(path, PortSetting::named("/dev/pts/9"), &error));
        QCOMPARE(*PortConfig::read(path), PortSetting::named("/dev/pts/9"));

        QVERIFY(
            !PortConfig::write(dir.filePath("missing/dfd.cfg"), PortSetting::numbered(1), &error));
        QVERIFY(!error.isEmpty());
    }

    void serialErrorsHaveTheirOwnTexts()
    {
        const QList<QSerialPort::SerialPortError> errors = {
            QSerialPort::DeviceNotFoundError, QSerialPort::PermissionError,
            QSerialPort::OpenError,           QSerialPort::NotOpenError,
            QSerialPort::WriteError,          QSerialPort::ReadError,
            QSerialPort::ResourceError,       QSerialPort::UnsupportedOperationError,
            QSerialPort::TimeoutError,        QSerialPort::UnknownError};
        QSet<QString> texts;
        for (auto e : errors)
            texts.insert(serialErrorText(e));
        QCOMPARE(texts.size(), errors.size());
        QVERIFY(isPortLostError(QSerialPort::ResourceError));
        QVERIFY(isPortLostError(QSerialPort::ReadError));
        QVERIFY(!isPortLostError(QSerialPort::WriteError));
        QVERIFY(!isPortLostError(QSerialPort::PermissionError));
    }

    // The simulator reads commands in 22-character pieces however the bytes are split.
    void simulatorReadsRequestsAndReleases()
    {
        sim::CommandParser parser;
        QList<sim::CommandParser::Event> events;
        const QByteArray bytes = memoryRequest(7) + releaseCommands() + memoryRequest(200);
        QList<QByteArray> commands;
        for (qsizetype i = 0; i < bytes.size(); i += 5)
            commands += parser.feed(
                QByteArrayView(bytes).sliced(i, qMin<qsizetype>(5, bytes.size() - i)), events);
        QCOMPARE(commands.size(), 12);
        QCOMPARE(events.size(), 3);
        QCOMPARE(events[0].kind, sim::CommandParser::Event::Kind::Request);
        QCOMPARE(events[0].memory, 7);
        QCOMPARE(events[1].kind, sim::CommandParser::Event::Kind::Release);
        QCOMPARE(events[2].memory, 200);

        // A request broken off by another R starts over.
        events.clear();
        parser.feed(
            QByteArray("RZZZZZZZZZZZZZZZZZZZZZAZZZZZZZZZZZZZZZZZZZZZ1ZZZZZZZZZZZZZZZZZZZZZ") +
                memoryRequest(12),
            events);
        QCOMPARE(events.size(), 1);
        QCOMPARE(events[0].memory, 12);
    }

    void simulatorPacesAt960BytesPerSecondWithoutDrift()
    {
        using Ns = sim::PacedWriter::Nanoseconds;
        const Ns start = 5s;
        QCOMPARE(sim::PacedWriter::byteDeadline(start, 959, true), start + 1s);
        QCOMPARE(sim::PacedWriter::byteDeadline(start, 9599, true), start + 10s);
        QCOMPARE(sim::PacedWriter::byteDeadline(start, 9599, false), start);

        sim::PacedWriter writer(true);
        writer.enqueue(QByteArray(960, 'a'), 0ms, start);
        writer.enqueue(QByteArray(96, 'b'), 100ms, start); // after a pause of 100 ms
        // Taken in uneven steps, the bytes still come due on the absolute schedule.
        qsizetype taken = 0;
        for (Ns now = start; now < start + 500ms; now += 7ms)
            taken += writer.takeDue(now).size();
        taken += writer.takeDue(start + 500ms).size();
        QCOMPARE(taken, 480); // 500 ms: 480 byte times
        QCOMPARE(writer.takeDue(start + 1s).size(), 960 - 480);
        QVERIFY(writer.pending());
        QCOMPARE(writer.nextDeadline(), start + 1s + 100ms + Ns(1'000'000'000 / 960));
        QCOMPARE(writer.takeDue(start + 1s + 99ms).size(), 0);
        QCOMPARE(writer.takeDue(start + 1s + 200ms).size(), 96);
        QVERIFY(!writer.pending());

        sim::PacedWriter unpaced(false);
        unpaced.enqueue(QByteArray(2000, 'c'), 0ms, start);
        QCOMPARE(unpaced.takeDue(start).size(), 2000);
    }
};

QTEST_GUILESS_MAIN(LinkRulesTest)
#include "tst_link_rules.moc"
