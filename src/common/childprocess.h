#pragma once

#include <QProcess>

#include <sys/prctl.h>

#include <csignal>

// A child that ends with this application even when it is killed outright: the
// kernel sends it SIGTERM when the thread that started it ends, so the child
// must be waited for on that thread (as every tool run here is).
inline void endWithApplication(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}
