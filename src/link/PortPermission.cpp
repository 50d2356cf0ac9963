#include "link/PortPermission.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>
#endif

namespace quillon
{

namespace
{
#ifdef Q_OS_UNIX
// The groups of the user's account (as /etc/group lists them now) include `gid`.
bool accountHasGroup(gid_t gid)
{
    const passwd* pw = ::getpwuid(::getuid());
    if (!pw)
        return false;
    int count = 32;
    std::vector<gid_t> groups;
    for (int attempt = 0; attempt < 4; ++attempt) {
        groups.resize(std::size_t(count));
        if (::getgrouplist(pw->pw_name, pw->pw_gid, groups.data(), &count) >= 0) {
            groups.resize(std::size_t(count));
            return std::find(groups.begin(), groups.end(), gid) != groups.end();
        }
    }
    return false;
}

// The running process has `gid` among its groups.
bool sessionHasGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(std::size_t(count), 0);
    groups.resize(std::size_t(std::max(::getgroups(count, groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}
#endif
} // namespace

std::optional<PortPermission> PortPermission::probe(const QString& device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    struct stat st = {};
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    errno = 0;
    if (::access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES)
        return std::nullopt;

    PortPermission p;
    p.device = device;
    const QFileInfo info(device);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() && canonical != device)
        p.target = canonical;
    if (const ::group* g = ::getgrgid(st.st_gid))
        p.group = QString::fromLocal8Bit(g->gr_name);
    p.groupMayUse = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    p.member = !sessionHasGroup(st.st_gid) && accountHasGroup(st.st_gid);
    return p;
#else
    Q_UNUSED(device);
    return std::nullopt;
#endif
}

QString PortPermission::advice() const
{
    const QString name = target.isEmpty() ? device : QStringLiteral("%1 (%2)").arg(device, target);
    if (group.isEmpty())
        return tr("Permission denied on %1, which belongs to no named group: ask the "
                  "administrator to give you read and write access to it.")
            .arg(name);
    // Joining root's group would be bad advice, and a group without read and write on the
    // device would not help.
    if (group == u"root" || !groupMayUse)
        return tr("Permission denied on %1, owned by group %2, which may not read and "
                  "write it: ask the administrator to give you access to it.")
            .arg(name, group);
    if (member)
        return tr("Permission denied on %1, owned by group %2: you were added to %2 "
                  "after this session began. Log out and log in again.")
            .arg(name, group);
    return tr("Permission denied on %1, owned by group %2: add yourself to %2 "
              "(sudo adduser $USER %2) and log in again.")
        .arg(name, group);
}

} // namespace quillon
