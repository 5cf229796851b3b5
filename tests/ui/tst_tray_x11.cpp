#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/tray.h"
#include "app/trayduties.h"
#include "ui/dialogs/toast.h"
#include "ui/theme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <functional>

// Runs the tray against a real X server: Xvfb started by xvfb-run, with the
// XEmbed tray host "trayer" for one run and without any host for the other.
// The checks happen in a child copy of this program on the xcb platform,
// which reports what it saw as "key=value" lines.

using namespace ui;

namespace {

const char *const kChildVariable = "VARNHOLT_TRAY_X11_CHILD";

bool waitFor(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}

int childMain(int argc, char **argv, bool withHost)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    registerEngineTypes();
    Theme::instance()->install(&app);
    QTextStream out(stdout);

    // The host may still be starting; without one the answer never changes.
    const bool available = waitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, withHost ? 15000 : 1000);
    out << "platform=" << QGuiApplication::platformName() << '\n';
    out << "available=" << int(available) << '\n';

    QWidget window;
    window.resize(600, 400);
    window.show();
    AppState state([] { return QList<CategoryDef>{}; });
    Tray tray(&window, &state);
    Toast toast(&window);
    out << "visible=" << int(tray.isVisible()) << '\n';
    if (tray.icon()) {
        // The host embeds the icon window and gives it a size.
        const bool embedded = waitFor([&] { return tray.icon()->geometry().width() > 0; }, 10000);
        out << "embedded=" << int(embedded) << '\n';
    }
    out << "decision="
        << int(decideClose(AppSettings::instance()->closeAction(), tray.isVisible(), false)) << '\n';

    // A hidden window's notice goes to a balloon when an icon is there and
    // to the toast otherwise.
    // The balloon is drawn by Qt here (no notification service on this
    // bus); in dark mode its text must still read against its fill.
    AppSettings::instance()->setTheme(2);
    window.hide();
    notify(&window, &toast, &tray, QStringLiteral("Local Disk (/) is almost full."));
    out << "toast=" << int(!toast.isHidden()) << '\n';
    QWidget *balloon = nullptr;
    waitFor([&balloon] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qstrcmp(w->metaObject()->className(), "QBalloonTip") == 0 && w->isVisible())
                balloon = w;
        return balloon != nullptr;
    }, withHost ? 5000 : 0);
    if (balloon) {
        const QImage shot = balloon->grab().toImage();
        // Left of the contents, inside the outline: nothing but the fill.
        const QColor fill = shot.pixelColor(3, shot.height() / 2);
        const QColor text = balloon->findChildren<QLabel *>().constLast()->palette().color(QPalette::WindowText);
        out << "balloonContrast=" << Theme::contrastRatio(text, fill) << '\n';
        out << "balloonColours=" << text.name() << '/' << fill.name() << '\n';
    }
    AppSettings::instance()->setTheme(1);
    out.flush();
    return 0;
}

QMap<QString, QString> runChild(bool withHost, QString *log)
{
    const QString self = QCoreApplication::applicationFilePath();
    // trayer must own the tray selection before the child looks for it; the
    // child polls, so a plain background start is enough.
    const QString script = withHost ? QStringLiteral("trayer --SetDockType true --expand true >/dev/null 2>&1 & "
                                                     "\"$0\"; status=$?; kill $! 2>/dev/null; exit $status")
                                    : QStringLiteral("exec \"$0\"");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), withHost ? QStringLiteral("host") : QStringLiteral("none"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // No session bus: the icon takes the XEmbed path that trayer serves.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("xvfb-run"),
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24 -nolisten tcp"),
                 QStringLiteral("sh"), QStringLiteral("-c"), script, self});
    QMap<QString, QString> values;
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
    }
    *log = QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
    for (const QString &line : log->split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !line.contains(u' '))
            values.insert(line.left(eq), line.mid(eq + 1));
    }
    return values;
}

// Starts the real program with "--background" next to trayer and describes
// the X windows it owns once its icon is docked: "top=<map state>" for each
// top-level window and "docked=<map state>" for each window inside the tray
// panel, then "alive=1" when the program is still running.
QString runBackgroundProgram()
{
    const QString script = QStringLiteral(R"sh(
trayer --SetDockType true --expand true >/dev/null 2>&1 &
host=$!
"$0" --background >/dev/null 2>&1 &
app=$!
i=0
while [ $i -lt 300 ] && ! xwininfo -root -tree | grep -q '("varnholt" "Varnholt")  *[0-9]'; do
    sleep 0.1; i=$((i+1))
done
# The start-up checks run a moment after the icon appears.
sleep 1.5
state() { xwininfo -id "$1" | sed -n 's/.*Map State: *//p'; }
for id in $(xwininfo -root -children | grep -i '"varnholt"' | awk '{print $1}'); do
    echo "top=$(state $id)"
done
for id in $(xwininfo -root -tree | grep '^       .*("varnholt" "Varnholt")' | awk '{print $1}'); do
    echo "docked=$(state $id)"
done
kill -0 $app 2>/dev/null && echo alive=1
kill $app $host 2>/dev/null
wait $app
exit 0
)sh");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("xvfb-run"),
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24 -nolisten tcp"),
                 QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt")});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
    }
    return QString::fromLocal8Bit(child.readAllStandardOutput());
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

    void iconAppearsWithTrayHost()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            QSKIP("the XEmbed tray host trayer is needed (Debian package trayer)");
        QString log;
        const QMap<QString, QString> seen = runChild(true, &log);
        QVERIFY2(seen.value("platform") == "xcb", qPrintable(log));
        QCOMPARE(seen.value("available"), QString("1"));
        QCOMPARE(seen.value("visible"), QString("1"));
        QCOMPARE(seen.value("embedded"), QString("1"));
        QCOMPARE(seen.value("decision"), QString::number(int(CloseDecision::Ask)));
        QCOMPARE(seen.value("toast"), QString("0"));
        QVERIFY2(seen.value("balloonContrast").toDouble() >= 4.5, qPrintable(log));
    }

    void fallbacksWithoutTrayHost()
    {
        QString log;
        const QMap<QString, QString> seen = runChild(false, &log);
        QVERIFY2(seen.value("platform") == "xcb", qPrintable(log));
        QCOMPARE(seen.value("available"), QString("0"));
        QCOMPARE(seen.value("visible"), QString("0"));
        QVERIFY(!seen.contains("embedded"));
        // Closing the window then ends the program, and notices use the toast.
        QCOMPARE(seen.value("decision"), QString::number(int(CloseDecision::Accept)));
        QCOMPARE(seen.value("toast"), QString("1"));
    }
    // The program itself: "--background" docks the icon and maps no window.
    void backgroundStartShowsOnlyTheTrayIcon()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("trayer and xwininfo are needed (Debian packages trayer and x11-utils)");
        const QString out = runBackgroundProgram();
        const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.contains(QStringLiteral("alive=1")), qPrintable(out));
        QVERIFY2(lines.contains(QStringLiteral("docked=IsViewable")), qPrintable(out));
        for (const QString &line : lines)
            QVERIFY2(line != QStringLiteral("top=IsViewable"), qPrintable(out));
    }
};

int main(int argc, char **argv)
{
    const QByteArray mode = qgetenv(kChildVariable);
    if (!mode.isEmpty())
        return childMain(argc, argv, mode == "host");
    QApplication app(argc, argv);
    TestTrayX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tray_x11.moc"
