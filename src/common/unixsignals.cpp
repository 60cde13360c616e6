#include "common/unixsignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace {

int signalSockets[2] = {-1, -1};

// Ctrl+C, a polite stop (logout, shutdown, kill) and a closed terminal.
constexpr int handledSignals[] = {SIGINT, SIGTERM, SIGHUP};

void writeSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

void setHandler(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

UnixSignals::UnixSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignals::readSignal);
    for (const int signalNumber : handledSignals)
        setHandler(signalNumber, writeSignal);
}

UnixSignals::~UnixSignals()
{
    for (const int signalNumber : handledSignals)
        setHandler(signalNumber, SIG_DFL);
    for (int &socket : signalSockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

void UnixSignals::readSignal()
{
    unsigned char byte = 0;
    if (::read(signalSockets[1], &byte, 1) == 1)
        Q_EMIT received(byte);
}
