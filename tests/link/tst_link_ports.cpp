// Serial ports as a normal user sees them: the explanation of a device the user may not open
// (the rule, and a real pseudo-terminal whose mode refuses the user), how listed ports are
// described, and the watcher that follows a port appearing and disappearing (the simulated
// instrument's terminal behind its symlink).
#include "PseudoTerminal.h"
#include "RefusedUser.h"
#include "support/SimProcess.h"

#include "link/PortDescription.h"
#include "link/PortPermission.h"
#include "link/PortWatcher.h"
#include "link/SerialLink.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

namespace
{

// The watcher looks once a second; a change is seen at the next look, or a few looks
// later on a loaded machine.
constexpr int kSeen = 15 * int(PortWatcher::kPollInterval.count());

} // namespace

class LinkPortsTest : public QObject
{
    Q_OBJECT

private slots:
    void permissionAdviceNamesDeviceGroupAndRemedy_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("groupMayUse");
        QTest::addColumn<bool>("member");
        QTest::addColumn<QString>("advice");
        QTest::newRow("dialout") << "/dev/ttyUSB0" << QString() << "dialout" << true << false
                                 << "Permission denied on /dev/ttyUSB0, owned by group dialout: "
                                    "add yourself to dialout (sudo adduser $USER dialout) and "
                                    "log in again.";
        QTest::newRow("added but not logged in again")
            << "/dev/ttyS0" << QString() << "dialout" << true << true
            << "Permission denied on /dev/ttyS0, owned by group dialout: you were added to "
               "dialout after this session began. Log out and log in again.";
        QTest::newRow("symlink") << "/home/op/vantor" << QStringLiteral("/dev/ttyACM0") << "uucp"
                                 << true << false
                                 << "Permission denied on /home/op/vantor (/dev/ttyACM0), owned "
                                    "by group uucp: add yourself to uucp (sudo adduser $USER "
                                    "uucp) and log in again.";
        QTest::newRow("root's group") << "/dev/ttyS1" << QString() << "root" << true << false
                                      << "Permission denied on /dev/ttyS1, owned by group root, "
                                         "which may not read and write it: ask the "
                                         "administrator to give you access to it.";
        QTest::newRow("group may not read") << "/dev/pts/4" << QString() << "tty" << false << false
                                            << "Permission denied on /dev/pts/4, owned by group "
                                               "tty, which may not read and write it: ask the "
                                               "administrator to give you access to it.";
        QTest::newRow("group without name")
            << "/dev/ttyUSB1" << QString() << QString() << true << false
            << "Permission denied on /dev/ttyUSB1, which belongs to no named group: ask the "
               "administrator to give you read and write access to it.";
    }

    void permissionAdviceNamesDeviceGroupAndRemedy()
    {
        QFETCH(QString, device);
        QFETCH(QString, target);
        QFETCH(QString, group);
        QFETCH(bool, groupMayUse);
        QFETCH(bool, member);
        QFETCH(QString, advice);
        QCOMPARE((PortPermission{device, target, group, groupMayUse, member}.advice()), advice);
    }

    void listedPortsAreDescribedByMakerAndProduct_data()
    {
        QTest::addColumn<QString>("maker");
        QTest::addColumn<QString>("product");
        QTest::addColumn<bool>("ids");
        QTest::addColumn<QString>("description");
        QTest::newRow("both") << "FTDI" << QStringLiteral("FT232R USB UART") << true
                              << "FTDI FT232R USB UART";
        QTest::newRow("maker repeated")
            << "Prolific" << QStringLiteral("Prolific USB-Serial Controller") << true
            << "Prolific USB-Serial Controller";
        QTest::newRow("product only")
            << "" << QStringLiteral("CP2102 USB to UART") << true << "CP2102 USB to UART";
        QTest::newRow("maker only") << "  Silicon   Labs " << QString() << true << "Silicon Labs";
        QTest::newRow("identifiers only") << "" << QString() << true << "USB 0403:6001";
        QTest::newRow("built-in port") << "" << QString() << false << "";
    }

    void listedPortsAreDescribedByMakerAndProduct()
    {
        QFETCH(QString, maker);
        QFETCH(QString, product);
        QFETCH(bool, ids);
        QFETCH(QString, description);
        QCOMPARE(PortDescription::describe(maker, product, ids, 0x0403, 0x6001), description);
        const PortDescription port{QStringLiteral("/dev/ttyUSB0"), description};
        QCOMPARE(port.label(), description.isEmpty()
                                   ? QStringLiteral("/dev/ttyUSB0")
                                   : QStringLiteral("/dev/ttyUSB0 (%1)").arg(description));
    }

    // A real terminal whose mode refuses the user: the link says so, names the device and its
    // group and how to join it; a port merely in use says nothing of permission.
    void refusedTerminalIsExplained()
    {
        QString error;
        const auto pty = sim::PseudoTerminal::open(&error);
        QVERIFY2(pty, qPrintable(error));
        const QString device = pty->slavePath();
        QString skip;
        const auto out = asRefusedUser(
            device,
            [&device] {
                SerialLink link;
                QString error;
                const bool opened = link.open(device, &error);
                return (opened ? QStringLiteral("opened") : error).toUtf8() + '\n' +
                       link.accessAdvice().toUtf8();
            },
            &skip);
        if (!out)
            QSKIP(qPrintable(skip));
        const QStringList said = QString::fromUtf8(*out).split(u'\n');
        QCOMPARE(said.size(), 2);
        // The device's group may read and write it, and the user is not in that group.
        const QString group = groupOf(device);
        QVERIFY(!group.isEmpty());
        QCOMPARE(said[1], (PortPermission{device, {}, group, true, false}.advice()));
        QCOMPARE(said[0], said[1]); // the link's error text is that explanation
        if (group != u"root")
            QVERIFY2(said[1].contains(QStringLiteral("(sudo adduser $USER %1)").arg(group)),
                     qPrintable(said[1]));

        // Held by another link: refused, but not for lack of permission.
        SerialLink holder;
        QVERIFY2(holder.open(device, &error), qPrintable(error));
        SerialLink second;
        QVERIFY(!second.open(device, &error));
        QVERIFY2(!error.contains(u"Permission denied"), qPrintable(error));
        QVERIFY(second.accessAdvice().isEmpty());
    }

    // The simulator's symlink comes and goes: the watcher lists it while it leads to a terminal,
    // tells each change once, and looks only while held.
    void watcherFollowsTheSymlinkComingAndGoing()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("vantor"));
        PortWatcher watcher;
        watcher.setWatchedDevice(link);
        QVERIFY(!watcher.isWatching());
        watcher.hold();
        QVERIFY(watcher.isWatching());
        QVERIFY(!watcher.watchedPresent());
        auto listsLink = [&] {
            for (const PortDescription& port : watcher.ports())
                if (port.device == link)
                    return true;
            return false;
        };
        QVERIFY(!listsLink());
        QSignalSpy changed(&watcher, &PortWatcher::portsChanged);

        auto sim = std::make_unique<SimProcess>(QStringList{"--no-pace", "--link", link});
        QVERIFY(sim->start());
        QTRY_VERIFY_WITH_TIMEOUT(watcher.watchedPresent(), kSeen);
        QCOMPARE(watcher.watchedTarget(), sim->device());
        QVERIFY(listsLink());
        QCOMPARE(watcher.ports().last().description,
                 QStringLiteral("link to %1").arg(sim->device()));
        QCOMPARE(changed.size(), 1);

        sim.reset(); // ended, the simulator takes its symlink away
        QVERIFY(!QFileInfo(link).isSymLink());
        QTRY_VERIFY_WITH_TIMEOUT(!watcher.watchedPresent(), kSeen);
        QVERIFY(!listsLink());
        QCOMPARE(changed.size(), 2);

        watcher.release();
        QVERIFY(!watcher.isWatching());
    }
};

QTEST_GUILESS_MAIN(LinkPortsTest)
#include "tst_link_ports.moc"
