#include "cli/console.h"

#include <QFile>

#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kDefaultColumns = 80;

int descriptorOf(console::Channel channel)
{
    return channel == console::Output ? STDOUT_FILENO : STDERR_FILENO;
}

// Never deleted: a stream may still write while the process ends.
QFile *deviceOn(FILE *file)
{
    auto *device = new QFile;
    device->open(file, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return device;
}

} // namespace

QIODevice *console::device(Channel channel)
{
    static QFile *const out = deviceOn(stdout);
    static QFile *const err = deviceOn(stderr);
    return channel == Output ? out : err;
}

bool console::isTerminal(Channel channel)
{
    return ::isatty(descriptorOf(channel));
}

int console::columns(Channel channel)
{
    if (!isTerminal(channel))
        return 0;
    winsize size = {};
    if (::ioctl(descriptorOf(channel), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("COLUMNS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : kDefaultColumns;
}
