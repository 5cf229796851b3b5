#pragma once

// A child of the test program that uses a file or folder until it is
// released: an open descriptor on it, a BSD lock, its working folder or its
// root, as root optionally under another user (POSIX).

#include <QString>

#include <sys/types.h>

namespace testsupport {

class Holder final
{
public:
    enum Kind { Descriptor, Lock, WorkingFolder, Root, OtherUsersWorkingFolder };

    // Returns once the child holds `path` (ready()) or failed to.
    explicit Holder(const QString &path, Kind kind = Descriptor);
    ~Holder() { release(); }
    Holder(const Holder &) = delete;
    Holder &operator=(const Holder &) = delete;

    void release();
    pid_t pid() const { return m_pid; }
    bool ready() const { return m_ready; }

private:
    pid_t m_pid = -1;
    bool m_ready = false;
};

} // namespace testsupport
