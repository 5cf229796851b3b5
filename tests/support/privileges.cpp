#include "privileges.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace testsupport {

namespace {
const char kChildVar[] = "VARNHOLT_TEST_CHILD";
const char kArgsVar[] = "VARNHOLT_TEST_CHILD_ARGS";
bool g_inPrivateMounts = false;

// Only root has rights to give up. On Windows the child runs as the current
// user, with the rights that user has.
bool isRoot()
{
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}
} // namespace

bool enterPrivateMounts()
{
#ifndef Q_OS_WIN
    // Threads keep their namespace: only a lone one takes the process along.
    const bool alone = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() == 1;
    g_inPrivateMounts = isRoot() && alone && ::unshare(CLONE_NEWNS) == 0
        && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
#endif
    return g_inPrivateMounts;
}

PrivateMount::PrivateMount(const QString &folder, const QString &bindFrom) : m_folder(folder)
{
    const QByteArray from = bindFrom.isEmpty() ? QByteArray("none") : QFile::encodeName(bindFrom);
#ifndef Q_OS_WIN
    m_mounted = g_inPrivateMounts && !folder.isEmpty() && QDir().mkpath(folder)
        && ::mount(from.constData(), QFile::encodeName(folder).constData(), bindFrom.isEmpty() ? "tmpfs" : nullptr,
                   bindFrom.isEmpty() ? 0 : MS_BIND, nullptr)
            == 0;
#endif
}

PrivateMount::~PrivateMount()
{
#ifndef Q_OS_WIN
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
#endif
}

bool isUnprivilegedChild()
{
    return qEnvironmentVariableIsSet(kChildVar);
}

QStringList childArguments()
{
    const QString joined = qEnvironmentVariable(kArgsVar);
    return joined.isEmpty() ? QStringList() : joined.split(QLatin1Char('\n'));
}

ChildResult runUnprivileged(const QString &program, const QStringList &arguments,
                            const QProcessEnvironment &environment, int timeoutMs)
{
    ChildResult r;
    QString exe = program;
    QStringList args = arguments;
    if (isRoot()) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty()) {
            r.skipped = true;
            r.reason = QStringLiteral("running as root and setpriv is not installed");
            return r;
        }
        args = QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                           QStringLiteral("--clear-groups"), QStringLiteral("--")}
            + arguments;
        args.insert(4, program);
        exe = setpriv;
    }
    QProcess p;
    p.setProcessEnvironment(environment);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(exe, args);
    if (!p.waitForStarted(timeoutMs)) {
        r.skipped = true;
        r.reason = QStringLiteral("could not start %1: %2").arg(exe, p.errorString());
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.output = QString::fromLocal8Bit(p.readAll());
        r.reason = QStringLiteral("timed out");
        return r;
    }
    r.output = QString::fromLocal8Bit(p.readAll());
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    // setpriv reports 126/127 when the program is not reachable for nobody.
    if (r.exitCode == 126 || r.exitCode == 127) {
        r.skipped = true;
        r.reason = QStringLiteral("%1 is not executable for an unprivileged user").arg(program);
        return r;
    }
    r.passed = r.exitCode == 0;
    return r;
}

ChildResult runInUnprivilegedChild(const QString &testFunction, const QStringList &arguments, int timeoutMs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVar), QStringLiteral("1"));
    env.insert(QString::fromLatin1(kArgsVar), arguments.join(QLatin1Char('\n')));
    ChildResult r = runUnprivileged(QCoreApplication::applicationFilePath(), {testFunction}, env, timeoutMs);
    if (r.skipped || !r.passed)
        return r;
    // A child that skipped or ran nothing proves nothing.
    const QString function = testFunction.section(QLatin1Char(':'), 0, 0);
    bool ranIt = false;
    for (const QString &line : r.output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("PASS   :")) && line.contains(QLatin1String("::") + function + QLatin1Char('(')))
            ranIt = true;
    }
    if (!ranIt || r.output.contains(QLatin1String("SKIP   :"))) {
        r.passed = false;
        r.skipped = r.output.contains(QLatin1String("SKIP   :"));
        r.reason = r.output;
    }
    return r;
}

} // namespace testsupport
