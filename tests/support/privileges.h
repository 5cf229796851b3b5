#pragma once

// Root ignores file permissions, and CI runs the tests as root. A test that
// needs a permission error therefore runs its check in a child process of the
// same test executable, as `nobody:nogroup` (setpriv) when the tests run as
// root, or as the current user otherwise (always so on Windows). The test
// function plays both roles: as the child (isUnprivilegedChild()) it runs
// the check on childArguments() and returns; as the parent it prepares the
// files, opens its folder to others (TempFolder::openToOthers) and calls
// runInUnprivilegedChild, skipping when that was skipped (tst_fs's
// unreadableFolder shows the whole pattern).
//
// For a data-driven function pass "function:row". The child inherits the
// sandboxed environment of the test, so it cannot reach the real home either.
// initTestCase() and cleanupTestCase() run in the child too: leave shared
// set-up and tear-down to the parent (return early when isUnprivilegedChild()).

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace testsupport {

struct ChildResult
{
    bool skipped = false;  // the child could not be run as an unprivileged user
    bool passed = false;   // it ran and its check passed
    int exitCode = -1;
    QString reason;        // why it was skipped
    QString output;        // everything the child printed
};

bool isUnprivilegedChild();
QStringList childArguments();

// Runs `testFunction` of this executable in an unprivileged child, handing it
// `arguments` (childArguments() there). Waits at most `timeoutMs`.
ChildResult runInUnprivilegedChild(const QString &testFunction, const QStringList &arguments,
                                   int timeoutMs = 60000);

// Mounts a test makes stay in a mount namespace of the test executable's own,
// which only root can enter, and only while the process has a single thread:
// call it from a global's initialiser. False where it could not.
bool enterPrivateMounts();

// A tmpfs at `folder` (made when missing), or folder `bindFrom` bound there,
// while the object lives, inside that namespace.
class PrivateMount
{
public:
    explicit PrivateMount(const QString &folder, const QString &bindFrom = {});
    ~PrivateMount();
    PrivateMount(const PrivateMount &) = delete;
    PrivateMount &operator=(const PrivateMount &) = delete;
    bool isMounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};

// Runs any program as nobody:nogroup when the caller is root, as the caller
// otherwise. Skipped when setpriv is missing or the program cannot start.
ChildResult runUnprivileged(const QString &program, const QStringList &arguments,
                            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                            int timeoutMs = 60000);

} // namespace testsupport
