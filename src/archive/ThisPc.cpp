#include "archive/ThisPc.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace quillon
{

QString thisHost()
{
    return QSysInfo::machineHostName();
}

QString thisUser()
{
    if (const passwd* pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace quillon
