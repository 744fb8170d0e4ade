// The quit signals through a self-pipe: the handler only writes the signal
// number into a socket; the socket's notifier reads it on the event loop.
#include "ui/shell/quit_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvix {
namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's two ends; one set of handlers serves the whole process.
int signalSockets[2] = {-1, -1};

extern "C" void WriteSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TQuitSignals::TQuitSignals(std::function<void(int)> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
    if (signalSockets[0] >= 0) return;  // another instance has the handlers
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        signalSockets[0] = signalSockets[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TQuitSignals::ReadSignal);
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals) ::sigaction(signal, &action, nullptr);
}

TQuitSignals::~TQuitSignals() {
    if (!notifier_) return;
    for (int signal : kQuitSignals) ::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TQuitSignals::ReadSignal() {
    unsigned char byte = 0;
    if (::read(signalSockets[1], &byte, 1) == 1 && quit_) quit_(byte);
}

}  // namespace tarvix
