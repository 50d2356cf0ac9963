#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <optional>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon::test
{

// The group that owns `path`, by name; empty when it has none.
inline QString groupOf(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}

// Runs `attempt` as a user whose access the mode of `device` (a terminal of ours) refuses
// although its group may read and write it, and returns what `attempt` returned. A normal user
// takes the owner's rights away; root, whom no mode refuses, runs `attempt` in a child that has
// become nobody, with the device in the group dialout where there is one. Nothing, with `skip`
// set, when neither can be arranged.
inline std::optional<QByteArray>
asRefusedUser(const QString& device, const std::function<QByteArray()>& attempt, QString* skip)
{
    const QByteArray path = QFile::encodeName(device);
    if (::geteuid() != 0) {
        // Owner without rights, group with them: the owner's class applies to us.
        if (::chmod(path.constData(), 0060) != 0) {
            *skip = QStringLiteral("cannot change the terminal's mode");
            return std::nullopt;
        }
        const QByteArray out = attempt();
        ::chmod(path.constData(), 0620);
        return out;
    }
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) {
        *skip = QStringLiteral("no user nobody to become");
        return std::nullopt;
    }
    if (const group* serial = ::getgrnam("dialout"))
        if (::chown(path.constData(), uid_t(-1), serial->gr_gid) != 0)
            qWarning("the terminal stays in its own group");
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    int fds[2];
    if (::chmod(path.constData(), 0660) != 0 || ::pipe(fds) != 0) {
        *skip = QStringLiteral("cannot prepare the terminal");
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        const QByteArray out = dropped ? attempt() : QByteArray();
        const ssize_t written = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(dropped && written == out.size() ? 0 : 1);
    }
    ::close(fds[1]);
    QByteArray got;
    char buffer[512];
    for (ssize_t n; child > 0 && (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        got.append(buffer, n);
    ::close(fds[0]);
    int status = 1;
    if (child > 0)
        ::waitpid(child, &status, 0);
    ::chmod(path.constData(), 0620);
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *skip = QStringLiteral("cannot become nobody");
        return std::nullopt;
    }
    return got;
}

} // namespace quillon::test
