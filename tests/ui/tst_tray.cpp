#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "app/tray.h"
#include "app/trayduties.h"
#include "support/tempfolder.h"
#include "support/uitest.h"
#include "ui/dialogs/closedialog.h"
#include "ui/dialogs/overlay.h"
#include "ui/dialogs/toast.h"
#include "ui/widgets/button.h"

#include <QCheckBox>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

using namespace ui;

Q_DECLARE_METATYPE(ui::CloseDecision)

namespace {

// A window with the pieces the close rules act on, and a tray whose
// availability the test decides.
struct Rig
{
    AppState state{[] { return QList<CategoryDef>{}; }};
    QWidget window;
    Tray *tray = nullptr;
    int quits = 0;

    explicit Rig(bool trayAvailable = true)
    {
        window.resize(800, 600);
        tray = new Tray(&window, &state);
        tray->setAvailabilityProbe([trayAvailable] { return trayAvailable; });
        tray->sync();
        window.show();
    }

    bool close() { return handleCloseRequest(&window, &window, tray, false, [this] { ++quits; }); }

    CloseDialog *dialog() const
    {
        const QList<Overlay *> open = Overlay::openIn(&window);
        return open.isEmpty() ? nullptr : qobject_cast<CloseDialog *>(open.last());
    }
};

} // namespace

class TestTray final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

    void init()
    {
        QSettings().clear();
        AppSettings::instance()->setCloseAction(AppSettings::Ask);
    }

    void closeMatrix_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("quitting");
        QTest::addColumn<bool>("dialogOpen");
        QTest::addColumn<CloseDecision>("decision");
        QTest::newRow("out of range 3") << 3 << true << false << false << CloseDecision::Stay;
        QTest::newRow("out of range -1") << -1 << true << false << false << CloseDecision::Stay;
        for (int action : {0, 1, 2, 7}) {
            QTest::addRow("no tray, action %d", action) << action << false << false << false << CloseDecision::Quit;
            QTest::addRow("quitting, action %d", action) << action << true << true << true << CloseDecision::Accept;
        }
    }

    void closeMatrix()
    {
        QFETCH(int, action);
        QFETCH(bool, tray);
        QFETCH(bool, quitting);
        QFETCH(bool, dialogOpen);
        QTEST(decideClose(action, tray, quitting, dialogOpen), "decision");
    }

    // A close with the tray there asks (a second request opens no other
    // dialog) and does what was chosen, remembered or not; the tray is asked
    // again at the close, and one gone since the last look leaves nothing to
    // hide in. A stored "quit" quits without asking.
    void closeDialogChoice_data()
    {
        QTest::addColumn<int>("action");      // stored before the close
        QTest::addColumn<QString>("choice");  // in the dialog; "none": no dialog opens
        QTest::addColumn<bool>("remember");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<int>("quits");
        const int ask = AppSettings::Ask, keep = AppSettings::KeepRunning, quit = AppSettings::Quit;
        QTest::newRow("keep in tray") << ask << "keep" << true << keep << false << 0;
        QTest::newRow("quit, remembered") << ask << "quit" << true << quit << true << 1;
        QTest::newRow("quit, not remembered") << ask << "quit" << false << ask << true << 1;
        QTest::newRow("dismissed changes nothing") << ask << "escape" << true << ask << true << 0;
        QTest::newRow("keep, the tray gone meanwhile") << ask << "keep, no tray" << true << keep << true << 1;
        QTest::newRow("stored quit") << quit << "none" << true << quit << true << 1;
        QTest::newRow("ask, the tray gone") << ask << "none, no tray" << true << ask << true << 1;
        QTest::newRow("keep running, the tray gone") << keep << "none, no tray" << true << keep << true << 1;
    }

    void closeDialogChoice()
    {
        QFETCH(int, action);
        QFETCH(QString, choice);
        QFETCH(bool, remember);
        QFETCH(int, stored);
        QFETCH(bool, visible);
        QFETCH(int, quits);
        Rig rig;
        AppSettings::instance()->setCloseAction(action);
        rig.window.showMinimized();
        if (choice == u"none, no tray")
            rig.tray->setAvailabilityProbe([] { return false; });
        QVERIFY(!rig.close());
        QPointer<CloseDialog> dialog = rig.dialog();
        QCOMPARE(bool(dialog), !choice.startsWith(u"none"));
        if (dialog) {
            QVERIFY(!rig.window.isMinimized());
            // A second request while the dialog is open opens no other.
            QVERIFY(!rig.close());
            QCOMPARE(Overlay::openIn(&rig.window).size(), 1);
            if (!remember)
                dialog->rememberBox()->click();
            if (choice == "keep, no tray")
                rig.tray->setAvailabilityProbe([] { return false; });
            if (choice == "escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(choice.startsWith("keep") ? dialog->keepButton() : dialog->quitButton(),
                                  Qt::LeftButton);
        }
        QCOMPARE(rig.quits, 0); // deferred until the close event is over
        QTRY_VERIFY(dialog.isNull());
        QTRY_COMPARE(rig.quits, quits);
        QCOMPARE(AppSettings::instance()->closeAction(), stored);
        QCOMPARE(rig.window.isVisible(), visible);
        QCOMPARE(trayNoticeShown(), !visible);
        if (stored == AppSettings::KeepRunning && !visible) {
            // Later closes hide at once, without a dialog.
            showAndRaise(&rig.window);
            QVERIFY(!rig.close());
            QVERIFY(!rig.window.isVisible() && !rig.dialog());
        }
    }

    // The drive line shows the free space of the moment the menu opens, not
    // of start-up: space taken in between must show.
    void menuEntries()
    {
        // Open, -, Smart Scan, Space Map, -, drive, -, Settings, Check for Updates, -, Quit
        Rig rig;
        QVERIFY(!rig.tray->driveAction()->isEnabled());

        QSignalSpy pages(rig.tray, &Tray::showPageRequested);
        QSignalSpy updates(rig.tray, &Tray::checkForUpdatesRequested);
        rig.window.hide();
        rig.tray->menu()->actions().at(7)->trigger();
        QVERIFY(rig.window.isVisible());
        rig.tray->menu()->actions().at(8)->trigger();
        rig.tray->menu()->actions().at(2)->trigger();
        QCOMPARE(pages, (QList<QVariantList>{{3}, {0}}));
        QCOMPARE(updates.count(), 1);
        QCOMPARE(rig.state.phase(), AppState::Scanning);

        const qint64 before = rig.state.volume().availableBytes;
        constexpr qint64 kGrab = 256ll << 20;
        if (before < 4 * kGrab)
            QSKIP("not enough free space to change the drive figures measurably");
        const QString path = QDir::homePath() + "/space.bin";
        const bool grabbed = testsupport::allocateFile(path, kGrab);
        if (grabbed)
            emit rig.tray->menu()->aboutToShow();
        const VolumeInfo now = rig.state.volume();
        QFile::remove(path);
        if (!grabbed)
            QSKIP("the file system cannot allocate space ahead");
        QVERIFY(now.availableBytes <= before - kGrab / 2);
        QCOMPARE(rig.tray->driveAction()->text(),
                 QString("%1 · %2 free").arg(now.displayName, formatSize(now.availableBytes)));
    }

    // A notice is a toast while the window shows, a balloon once it is
    // minimized or hidden in the tray, a toast again without one; hiding
    // spends the one-time notice only when a balloon can follow. What brings
    // the window hidden in the tray back: a click on the icon, or the host
    // going away (out of reach otherwise; -1 here). The icon comes back, with
    // its menu, at the next look after the host does.
    void hiddenInTheTray_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<int>("reason");  // -2: nothing happens
        QTest::addColumn<bool>("shows");
        QTest::newRow("single click") << true << int(QSystemTrayIcon::Trigger) << true;
        QTest::newRow("double click") << true << int(QSystemTrayIcon::DoubleClick) << true;
        QTest::newRow("context") << true << int(QSystemTrayIcon::Context) << false;
        QTest::newRow("middle click") << true << int(QSystemTrayIcon::MiddleClick) << false;
        QTest::newRow("the host goes") << true << -1 << true;
        QTest::newRow("no tray") << false << -2 << false;
    }

    void hiddenInTheTray()
    {
        QFETCH(bool, tray);
        QFETCH(int, reason);
        Rig rig(tray);
        Toast toast(&rig.window);
        const auto noticeIsAToast = [&] {
            toast.hide();
            notify(&rig.window, &toast, rig.tray, "Local Disk (/) is almost full.");
            return !toast.isHidden();
        };
        QVERIFY(noticeIsAToast());
        rig.window.showMinimized();
        QCOMPARE(noticeIsAToast(), !tray);
        hideToTray(&rig.window, rig.tray);
        QVERIFY(!rig.window.isVisible());
        QCOMPARE(trayNoticeShown(), tray);
        QCOMPARE(noticeIsAToast(), !tray);
        if (reason >= 0)
            emit rig.tray->icon()->activated(QSystemTrayIcon::ActivationReason(reason));
        else if (reason == -1)
            rig.tray->setAvailabilityProbe([] { return false; });
        QTRY_COMPARE_WITH_TIMEOUT(!rig.tray->icon(), reason < 0, 2 * Tray::kPollMs);
        QTEST(rig.window.isVisible(), "shows");
        if (reason != -1)
            return;
        rig.tray->setAvailabilityProbe([] { return true; });
        QTRY_VERIFY_WITH_TIMEOUT(rig.tray->isVisible(), 2 * Tray::kPollMs);
        QCOMPARE(rig.tray->icon()->contextMenu(), rig.tray->menu());
    }

    void lowSpace_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("available");
        QTest::addColumn<bool>("low");
        QTest::newRow("exactly a tenth") << qint64(1000) << qint64(100) << false;
        QTest::newRow("one byte below") << qint64(1000) << qint64(99) << true;
        QTest::newRow("tenth rounds down") << qint64(109) << qint64(10) << false;
        QTest::newRow("rounded tenth minus one") << qint64(109) << qint64(9) << true;
        QTest::newRow("unreadable drive") << qint64(0) << qint64(0) << false;
        QTest::newRow("large drive") << (qint64(1) << 40) << (qint64(1) << 36) << true;
    }

    void lowSpace()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, available);
        QTEST(isLowSpace(total, available), "low");
    }

    void startupChecks_data()
    {
        QTest::addColumn<bool>("updated");
        QTest::addColumn<int>("daysSinceScan");
        QTest::addColumn<QStringList>("toasts");
        QTest::addColumn<bool>("scans");
        QTest::addColumn<int>("fullInDays");  // > 0: alerts on, a history that ends full so soon
        QTest::newRow("nothing due") << false << 1 << QStringList() << false << 0;
        QTest::newRow("updated") << true << 1 << QStringList{"Varnholt was updated to version 1.0.0."} << false << 0;
        QTest::newRow("scan due") << false << 8 << QStringList() << true << 0;
        QTest::newRow("full within days") << false << 1 << QStringList() << false << 3;
        QTest::newRow("full within weeks") << false << 1 << QStringList() << false << 20;
    }

    void startupChecks()
    {
        QFETCH(bool, updated);
        QFETCH(int, daysSinceScan);
        QFETCH(int, fullInDays);
        AppSettings *settings = AppSettings::instance();
        settings->setLowSpaceAlerts(fullInDays > 0);
        // Ten daily readings falling towards the real free space of now,
        // which the checks record first.
        const VolumeInfo volume = homeVolume();
        const qint64 day = 24 * 60 * 60 * 1000;
        for (int d = 10; d >= 1 && fullInDays > 0; --d)
            settings->recordFreeSpace({QDateTime::currentMSecsSinceEpoch() - d * day,
                                       volume.availableBytes + d * (volume.availableBytes / fullInDays),
                                       volume.totalBytes});
        settings->setSchedule(AppSettings::Weekly);
        settings->setLastScan(QDateTime::currentDateTime().addDays(-daysSinceScan));
        AppState state([] { return QList<CategoryDef>{}; });
        QStringList notified;
        QStringList toasted;
        runStartupChecks(&state, updated,
                         {[&](const QString &t) { notified << t; }, [&](const QString &t) { toasted << t; }});
        // One alert at most: a drive that is low already says so plainly; a
        // forecast warns only within a week. With alerts off, neither.
        QStringList alerts;
        if (fullInDays > 0 && isLowSpace(volume.totalBytes, volume.availableBytes))
            alerts << lowSpaceMessage(volume.displayName);
        else if (fullInDays > 0 && fullInDays < 7)
            alerts << fillingFastMessage(volume.displayName, fullInDays);
        QCOMPARE(notified, alerts);
        QTEST(toasted, "toasts");
        QTEST(state.phase() == AppState::Scanning, "scans");
        QVERIFY(QTest::qWaitFor([&] { return state.phase() != AppState::Scanning; }, 20000));
    }
};

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
