#pragma once

// The processor time this process has used, for the goals on how little CPU the link takes.

#include <sys/resource.h>

namespace quillon::test
{

// User and system time of the whole process so far, in seconds.
inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace quillon::test
