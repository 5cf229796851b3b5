#include "holder.h"

#include <QFile>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

Holder::Holder(const QString &path, Kind kind)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return;
    const QByteArray native = QFile::encodeName(path);
    m_pid = ::fork();
    if (m_pid == 0) {
        // Only system calls from here on: the parent has threads.
        ::close(ready[0]);
        bool ok = true;
        if (kind == WorkingFolder || kind == OtherUsersWorkingFolder)
            ok = ::chdir(native.constData()) == 0;
        else if (kind == Root)
            ok = ::chroot(native.constData()) == 0;
        else {
            const int fd = ::open(native.constData(), O_RDONLY);
            ok = fd >= 0 && (kind != Lock || ::flock(fd, LOCK_EX) == 0);
        }
        if (kind == OtherUsersWorkingFolder)
            ok = ok && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        if (!ok || ::write(ready[1], "r", 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char c = 0;
    m_ready = m_pid > 0 && ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
}

void Holder::release()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
}

} // namespace testsupport
