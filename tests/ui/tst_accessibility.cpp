#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Checks the program the way assistive technology sees it: the real program
// runs on a virtual X server (xvfb-run) with a private session bus
// (dbus-run-session), on which the AT-SPI bus starts on demand, and a walker
// written with the python3 AT-SPI bindings goes through its screens by AT-SPI
// actions only (tests/fixtures/accessibility/walk_tree.py). Every control it
// finds shown must have a name.
//
// Without the Debian packages xvfb, dbus-x11, at-spi2-core and python3-pyatspi
// the test is skipped, naming what is missing.

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

struct Walk
{
    QMap<QString, int> named;         // screen -> named controls
    QMap<QString, QStringList> unnamed;  // screen -> "role  path" lines
    QStringList failures;
    QString output;
};

QString missingTools()
{
    QStringList missing;
    if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty())
        missing << QStringLiteral("xvfb (xvfb-run)");
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty())
        missing << QStringLiteral("dbus (dbus-run-session)");
    if (!QFileInfo::exists(QStringLiteral("/usr/share/dbus-1/services/org.a11y.Bus.service")))
        missing << QStringLiteral("at-spi2-core");
    QProcess probe;
    probe.start(kPython, {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        missing << QStringLiteral("python3-pyatspi");
    return missing.join(QStringLiteral(", "));
}

Walk walk()
{
    Walk result;
    // A home of its own: the walker fills it with files and settings.
    QTemporaryDir sandbox;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, folder] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "config"},
                                       {"XDG_DATA_HOME", "data"}, {"XDG_CACHE_HOME", "cache"},
                                       {"XDG_RUNTIME_DIR", "runtime"}, {"TMPDIR", "tmp"}}) {
        const QString path = sandbox.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.insert(QString::fromLatin1(name), path);
    }
    env.insert(QStringLiteral("VARNHOLT_LANG"), QStringLiteral("en"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));

    // xvfb-run -a can lose the race for a display number to a test running
    // beside it; a walk that never saw the program starts again, a moment
    // later, twice at most.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0)
            QTest::qSleep(1500);
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QStringLiteral("xvfb-run"),
                    {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x900x24 -nolisten tcp"),
                     QStringLiteral("dbus-run-session"), QStringLiteral("--"), kPython,
                     QStringLiteral(VARNHOLT_FIXTURES "/accessibility/walk_tree.py"),
                     QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt")});
        if (!child.waitForFinished(240000)) {
            child.kill();
            child.waitForFinished();
        }
        result = {};
        result.output = QString::fromLocal8Bit(child.readAll());
        for (const QString &line : result.output.split(u'\n')) {
            const QString kind = line.section(u' ', 0, 0);
            const QString rest = line.section(u' ', 1);
            if (kind == u"SCREEN")
                result.named.insert(rest.section(u' ', 0, -2), rest.section(u' ', -1).toInt());
            else if (kind == u"UNNAMED")
                result.unnamed[rest.section(u'\t', 0, 0)] << rest.section(u'\t', 1);
            else if (kind == u"FAILED")
                result.failures << rest;
        }
        if (!result.failures.join(u'\n').startsWith(QLatin1String("start")))
            break;
    }
    return result;
}

} // namespace

class TestAccessibility final : public QObject
{
    Q_OBJECT

    Walk m_walk;

private slots:
    void initTestCase()
    {
        const QString missing = missingTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("the accessibility bus cannot be set up here, missing: ") + missing));
        m_walk = walk();
        QVERIFY2(m_walk.failures.isEmpty(), qPrintable(m_walk.output));
    }

    void everyShownControlIsNamed_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"Overview", "Cleanup", "Cleanup results", "Overview with results",
                                   "Clean question", "Space Map", "Settings", "Update dialog"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }

    void everyShownControlIsNamed()
    {
        QFETCH(QString, screen);
        QVERIFY2(m_walk.named.contains(screen), qPrintable(m_walk.output));
        QVERIFY(m_walk.named.value(screen) > 0);
        QVERIFY2(m_walk.unnamed.value(screen).isEmpty(), qPrintable(m_walk.unnamed.value(screen).join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
