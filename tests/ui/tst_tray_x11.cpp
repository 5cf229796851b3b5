#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/tray.h"
#include "app/trayduties.h"
#include "ui/dialogs/toast.h"
#include "ui/theme.h"

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>

// Runs the tray against a real X server: Xvfb started by xvfb-run, with the
// XEmbed tray host "trayer" starting after the program and killed again. The
// checks happen in a child copy of this program on the xcb platform, which
// reports what it saw as "key=value" lines. The program itself runs there
// too, several copies of it, in a home and runtime folder of the test's own.

using namespace ui;

namespace {

const char *const kChildVariable = "VARNHOLT_TRAY_X11_CHILD";

int childMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    registerEngineTypes();
    Theme::instance()->install(&app);
    QTextStream out(stdout);
    out << "platform=" << QGuiApplication::platformName() << '\n';

    QWidget window;
    window.resize(600, 400);
    window.show();
    AppState state([] { return QList<CategoryDef>{}; });
    Tray tray(&window, &state);
    Toast toast(&window);
    // No host yet: no icon. (What the close and the notices do then is
    // tst_tray's, for a tray that is there or not.)
    out << "visible=" << int(tray.isVisible()) << '\n';

    // The host starts after the program, as a panel may at login: the icon
    // docks (the host embeds it and gives it a size) at the next look.
    QProcess host;
    host.start(QStringLiteral("trayer"), QStringList{"--SetDockType", "true", "--expand", "true"});
    out << "host=" << int(host.waitForStarted()) << '\n';
    out.flush();
    if (host.state() != QProcess::Running)
        return 0;
    const bool docked = QTest::qWaitFor([&tray] { return tray.icon() && tray.icon()->geometry().width() > 0; },
                                        15000 + Tray::kPollMs);
    out << "docked=" << int(docked) << '\n';

    // The balloon is drawn by Qt here (no notification service on this
    // bus); in dark mode its text must still read against its fill.
    AppSettings::instance()->setTheme(2);
    window.hide();
    notify(&window, &toast, &tray, QStringLiteral("Local Disk (/) is almost full."));
    QWidget *balloon = nullptr;
    (void)QTest::qWaitFor([&balloon] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qstrcmp(w->metaObject()->className(), "QBalloonTip") == 0 && w->isVisible())
                balloon = w;
        return balloon != nullptr;
    }, 5000);
    if (balloon) {
        const QImage shot = balloon->grab().toImage();
        // Left of the contents, inside the outline: nothing but the fill.
        const QColor fill = shot.pixelColor(3, shot.height() / 2);
        const QColor text = balloon->findChildren<QLabel *>().constLast()->palette().color(QPalette::WindowText);
        out << "balloonContrast=" << Theme::contrastRatio(text, fill) << '\n';
        out << "balloonColours=" << text.name() << '/' << fill.name() << '\n';
    }
    AppSettings::instance()->setTheme(1);

    // The host goes while the window is hidden in the tray: the window comes
    // back.
    host.kill();
    host.waitForFinished();
    out << "back=" << int(QTest::qWaitFor([&window] { return window.isVisible(); }, 2 * Tray::kPollMs + 2000)) << '\n';
    out.flush();
    return 0;
}

// Runs `command` on an X server of its own, without a session bus (the
// icon takes the XEmbed path that trayer serves), and returns what it printed
// (its errors after the rest).
QString underXvfb(QProcessEnvironment env, const QStringList &command)
{
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("xvfb-run"),
                QStringList{QStringLiteral("-a"), QStringLiteral("-s"),
                            QStringLiteral("-screen 0 1024x768x24 -nolisten tcp")} + command);
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
    }
    return QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
}

QMap<QString, QString> runChild(QString *log)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    *log = underXvfb(env, {QCoreApplication::applicationFilePath()});
    QMap<QString, QString> values;
    for (const QString &line : log->split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !line.contains(u' '))
            values.insert(line.left(eq), line.mid(eq + 1));
    }
    return values;
}

// Runs the real program next to trayer in a home, XDG and runtime folder
// of its own, so that no copy of this machine's user is ever asked to come
// forward. "$0" in the script is the program; `report <step>` prints
// "<step>.top=<map state>" for each of its top-level windows and
// "<step>.docked=<map state>" for each of its windows inside the tray panel.
QString runProgram(const QString &steps)
{
    const QString script = QStringLiteral(R"sh(
state() { xwininfo -id "$1" | sed -n 's/.*Map State: *//p'; }
report() {
    for id in $(xwininfo -root -children | grep -i '"varnholt"' | awk '{print $1}'); do
        echo "$1.top=$(state $id)"
    done
    for id in $(xwininfo -root -tree | grep '^       .*("varnholt" "Varnholt")' | awk '{print $1}'); do
        echo "$1.docked=$(state $id)"
    done
}
docked() {
    i=0
    while [ $i -lt 300 ] && ! xwininfo -root -tree | grep -q '^       .*("varnholt" "Varnholt")  *[0-9]'; do
        sleep 0.1; i=$((i+1))
    done
}
# A nearly full disk on the test machine would raise a balloon, a window of
# the program's own, at start-up.
mkdir -p "$XDG_CONFIG_HOME/Varnholt" && printf '[auto]\nlowSpaceAlerts=false\n' >"$XDG_CONFIG_HOME/Varnholt/Varnholt.conf"
trayer --SetDockType true --expand true >/dev/null 2>&1 &
host=$!
# The invisible window (off screen at -100,-100) is the one that takes the
# tray selection; a copy started before it finds no tray.
i=0
while [ $i -lt 100 ] && ! xwininfo -root -children | grep -q '"trayer": ().*+-100+-100'; do
    sleep 0.1; i=$((i+1))
done
# It takes the selection a moment after the window appears.
sleep 1
)sh") + steps + QStringLiteral("\nkill $host 2>/dev/null\nexit 0\n");
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
    return underXvfb(env, {QStringLiteral("sh"), QStringLiteral("-c"), script,
                           QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt")});
}

} // namespace

class TestTrayX11 final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("xvfb-run and Xvfb are needed (Debian package xvfb)");
    }

    void trayHostComesAndGoes()
    {
        QString log;
        const QMap<QString, QString> seen = runChild(&log);
        QVERIFY2(seen.value("platform") == "xcb", qPrintable(log));
        QCOMPARE(seen.value("visible"), QString("0"));
        if (seen.value("host") != "1")
            QSKIP("the XEmbed tray host trayer is needed (Debian package trayer)");
        QVERIFY2(seen.value("docked") == "1", qPrintable(log));
        QVERIFY2(seen.value("balloonContrast").toDouble() >= 4.5, qPrintable(log));
        QVERIFY2(seen.value("back") == "1", qPrintable(log));
    }

    // The program itself, one copy per session: of two background starts at
    // once one stays, docks its icon and maps no window; a later background
    // start changes nothing, a plain one brings the window forward, both end
    // at once; a copy killed leaves its socket, which the next one replaces;
    // the restart with administrator rights runs beside the user's copy.
    void oneCopyPerSession()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("trayer and xwininfo are needed (Debian packages trayer and x11-utils)");
        const QString out = runProgram(QStringLiteral(R"sh(
"$0" --background >/dev/null 2>&1 & a=$!
"$0" --background >/dev/null 2>&1 & b=$!
docked
# The start-up checks run a moment after the icon appears.
sleep 1.5
report start
for p in $a $b; do kill -0 $p 2>/dev/null || { wait $p; echo "raceExit=$?"; }; done
timeout 5 "$0" --background >/dev/null 2>&1; echo "quietExit=$?"
report quiet
timeout 5 "$0" >/dev/null 2>&1; echo "showExit=$?"
sleep 1
report shown
kill -9 $a $b 2>/dev/null; wait $a $b 2>/dev/null
for f in "$XDG_RUNTIME_DIR"/varnholt-*; do [ -S "$f" ] && echo "stale=1"; done
"$0" --background >/dev/null 2>&1 & c=$!
docked
timeout 5 "$0" --background >/dev/null 2>&1; echo "afterCrash=$?"
kill $c; wait $c
# As root: a user's copy runs, and root starts as pkexec starts it, with the
# user's runtime folder and display. Root's copy is a session of its own.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    n=$(dirname "$HOME")/nobody
    chmod 755 "$(dirname "$HOME")"
    mkdir -p "$n/home" "$n/runtime" && cp "$XAUTHORITY" "$n/xauth" && chown -R nobody:nogroup "$n" && chmod 700 "$n/runtime"
    env HOME="$n/home" XDG_CONFIG_HOME="$n/home" XDG_DATA_HOME="$n/home" XDG_CACHE_HOME="$n/home" TMPDIR="$n/home" \
        XDG_RUNTIME_DIR="$n/runtime" XAUTHORITY="$n/xauth" setpriv --reuid=nobody --regid=nogroup --clear-groups \
        "$0" --background >/dev/null 2>&1 &
    u=$!
    sleep 3
    for f in "$n/runtime"/varnholt-*; do [ -S "$f" ] && kill -0 $u 2>/dev/null && echo "userCopy=1"; done
    XDG_RUNTIME_DIR="$n/runtime" "$0" --elevated >/dev/null 2>&1 & r=$!
    sleep 3
    kill -0 $r 2>/dev/null && echo "elevated=1"
    kill $u $r; wait $u $r
fi
)sh"));
        const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
        const auto count = [&lines](const char *line) { return lines.count(QString::fromLatin1(line)); };
        QVERIFY2(lines.filter(QRegularExpression("^raceExit=")) == QStringList{"raceExit=0"}, qPrintable(out));
        QVERIFY2(count("start.docked=IsViewable") == 1 && count("start.top=IsViewable") == 0, qPrintable(out));
        QVERIFY2(count("quietExit=0") == 1 && count("quiet.top=IsViewable") == 0, qPrintable(out));
        QVERIFY2(count("showExit=0") == 1 && count("shown.top=IsViewable") == 1, qPrintable(out));
        QVERIFY2(count("shown.docked=IsViewable") == 1, qPrintable(out));
        QVERIFY2(count("stale=1") == 1 && count("afterCrash=0") == 1, qPrintable(out));
        if (count("userCopy=1") == 1)
            QVERIFY2(count("elevated=1") == 1, qPrintable(out));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildVariable))
        return childMain(argc, argv);
    QApplication app(argc, argv);
    TestTrayX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tray_x11.moc"
