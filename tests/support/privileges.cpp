#include "privileges.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace testsupport {

namespace {
const char kChildVar[] = "VARNHOLT_TEST_CHILD";
const char kArgsVar[] = "VARNHOLT_TEST_CHILD_ARGS";

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
