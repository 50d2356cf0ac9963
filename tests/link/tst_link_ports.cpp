// Serial ports as a normal user sees them: the explanation of a device the user may not open
// (the rule, and a real pseudo-terminal whose mode refuses the user), how listed ports are
// described, and the watcher that follows a port appearing and disappearing (the simulated
// instrument's terminal behind its symlink).
#include "PseudoTerminal.h"
#include "SimProcess.h"

#include "link/PortDescription.h"
#include "link/PortPermission.h"
#include "link/PortWatcher.h"
#include "link/SerialLink.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;

namespace
{

// The watcher looks once a second; a change is seen at the next look, or a few looks
// later on a loaded machine.
constexpr int kSeen = 15 * int(PortWatcher::kPollInterval.count());

QString groupOf(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}

// What opening `device` says as a user the device's mode refuses: the link's error text and its
// advice, one per line. As root (whom no mode refuses) the open runs in a child that has become
// nobody. Empty with `skip` set when neither can be arranged.
QStringList openAsRefusedUser(const QString& device, QString* skip)
{
    const QByteArray path = QFile::encodeName(device);
    if (::geteuid() != 0) {
        // Owner without rights, group with them: the owner class applies to us.
        if (::chmod(path.constData(), 0060) != 0) {
            *skip = QStringLiteral("cannot change the terminal's mode");
            return {};
        }
        SerialLink link;
        QString error;
        const bool opened = link.open(device, &error);
        ::chmod(path.constData(), 0620);
        return {opened ? QStringLiteral("opened") : error, link.accessAdvice()};
    }
    const passwd* nobody = ::getpwnam("nobody");
    // Owned by the serial ports' group, as an adapter's device is, when there is one.
    if (const group* serial = ::getgrnam("dialout"))
        if (::chown(path.constData(), uid_t(-1), serial->gr_gid) != 0)
            qWarning("the terminal stays in its own group");
    if (!nobody || ::chmod(path.constData(), 0660) != 0) {
        *skip = QStringLiteral("no user nobody to become");
        return {};
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    int fds[2];
    if (::pipe(fds) != 0) {
        *skip = QStringLiteral("no pipe");
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        QByteArray out = "cannot become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0) {
            SerialLink link;
            QString error;
            const bool opened = link.open(device, &error);
            out = (opened ? QStringLiteral("opened") : error).toUtf8() + '\n' +
                  link.accessAdvice().toUtf8();
        }
        const ssize_t written = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(written == out.size() ? 0 : 1);
    }
    ::close(fds[1]);
    QByteArray got;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        got.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(path.constData(), 0620);
    if (got == "cannot become nobody") {
        *skip = QString::fromUtf8(got);
        return {};
    }
    return QString::fromUtf8(got).split(u'\n');
}

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
        QTest::newRow("symlink") << "/home/op/vantor"
                                 << "/dev/ttyACM0"
                                 << "uucp" << true << false
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
        QTest::newRow("both") << "FTDI"
                              << "FT232R USB UART" << true << "FTDI FT232R USB UART";
        QTest::newRow("maker repeated")
            << "Prolific"
            << "Prolific USB-Serial Controller" << true << "Prolific USB-Serial Controller";
        QTest::newRow("product only") << ""
                                      << "CP2102 USB to UART" << true << "CP2102 USB to UART";
        QTest::newRow("maker only") << "  Silicon   Labs "
                                    << "" << true << "Silicon Labs";
        QTest::newRow("identifiers only") << ""
                                          << "" << true << "USB 0403:6001";
        QTest::newRow("built-in port") << ""
                                       << "" << false << "";
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
        const QStringList said = openAsRefusedUser(device, &skip);
        if (said.isEmpty())
            QSKIP(qPrintable(skip));
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
