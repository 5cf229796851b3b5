#include "app/appsettings.h"
#include "app/appstate.h"
#include "clean/cleanuplog.h"
#include "support/uitest.h"
#include "ui/i18n.h"
#include "ui/dialogs/confirmdialog.h"
#include "ui/pages/settingspage.h"
#include "ui/widgets/button.h"
#include "ui/widgets/select.h"
#include "ui/widgets/switch.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

namespace {

template <typename T = QWidget>
T *child(const QWidget *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

// What a user's pick does: the select moves, then reports the activation.
void pick(Select *select, int index)
{
    select->setCurrentIndex(index);
    emit select->activated(index);
}

QVariant stored(const QString &name)
{
    const AppSettings *s = AppSettings::instance();
    const QHash<QString, QVariant> values{
        {"largeThreshold", s->largeThresholdMB()}, {"oldMonths", s->oldMonths()},
        {"schedule", s->schedule()},               {"closeAction", s->closeAction()},
        {"theme", s->theme()},                     {"moveToTrash", s->moveToTrash()},
        {"lowSpaceAlerts", s->lowSpaceAlerts()},   {"launchAtLogin", s->launchAtLogin()},
        {"folderHistory", s->folderHistory()}};
    return values.value(name);
}

QStringList entryTexts(const SettingsPage &page)
{
    QStringList texts;
    for (const QWidget *entry : child(&page, "exclusionList")->findChildren<QWidget *>("exclusion"))
        if (!entry->isHidden())
            texts << entry->property("exclusion").toString();
    return texts;
}

} // namespace

class TestSettingsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

    void init()
    {
        QSettings().clear();
        AppSettings::instance()->setLaunchAtLogin(false);
    }

    // While the settings file cannot be read the page says so and locks
    // what is kept there (starting at login is not); "Check again" unlocks
    // it once the file reads. Large files already `listed` were found with
    // the old size: a new one looks again, and only then.
    void controlsWriteTheirSetting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index"); // -1: a switch, clicked
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<bool>("listed");
        QTest::newRow("large size 1 GB") << "largeThreshold" << 3 << 1000 << false << false;
        QTest::newRow("large size, files listed") << "largeThreshold" << 3 << 1000 << false << true;
        QTest::newRow("old after 24 months") << "oldMonths" << 3 << 24 << false << false;
        QTest::newRow("schedule monthly") << "schedule" << 2 << 2 << false << false;
        QTest::newRow("close quits") << "closeAction" << 2 << 2 << false << false;
        QTest::newRow("theme dark") << "theme" << 2 << 2 << false << false;
        QTest::newRow("move to trash off") << "moveToTrash" << -1 << 0 << false << false;
        QTest::newRow("low space alerts off") << "lowSpaceAlerts" << -1 << 0 << false << false;
        QTest::newRow("start at login on") << "launchAtLogin" << -1 << 1 << false << false;
        QTest::newRow("folder history off") << "folderHistory" << -1 << 0 << false << false;
#ifndef Q_OS_WIN // the registry key is no file
        QTest::newRow("large size, unreadable") << "largeThreshold" << 3 << 500 << true << false;
        QTest::newRow("start at login, unreadable") << "launchAtLogin" << -1 << 1 << true << false;
#endif
    }

    void controlsWriteTheirSetting()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(int, expected);
        QFETCH(bool, unreadable);
        QFETCH(bool, listed);
        const QString store = AppSettings::instance()->storeLocation();
        if (unreadable) {
            QFile::remove(store);
            QVERIFY(QDir().mkpath(store));  // a folder where the file belongs
        }
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        QWidget *control = child(&page, name);
        QCOMPARE(page.settingsLocked(), unreadable);
        QCOMPARE(child(&page, "settingsNote")->isVisibleTo(&page), unreadable);
        QCOMPARE(control->isEnabled(), !unreadable || name == u"launchAtLogin");
        QCOMPARE(child(&page, "addFolder")->isEnabled(), !unreadable);
        if (listed) {
            state.scanLargeFiles();
            QVERIFY(QTest::qWaitFor([&] { return state.largeLoaded() && !state.largeScanRunning(); }, 20000));
        }
        if (index >= 0) {
            pick(child<Select>(&page, name), index);
        } else {
            auto *toggle = child<Switch>(&page, name);
            QCOMPARE(toggle->isChecked(), !expected);
            QTest::mouseClick(toggle, Qt::LeftButton);
        }
        QCOMPARE(stored(name).toInt(), expected);
        QCOMPARE(state.largeScanRunning(), listed);
        QVERIFY(QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000));
        if (unreadable) {
            QVERIFY(QDir(store).removeRecursively());
            QTest::mouseClick(child<Button>(&page, "recheckSettings"), Qt::LeftButton);
            QVERIFY(!page.settingsLocked() && control->isEnabled());
            QVERIFY(!child(&page, "settingsNote")->isVisibleTo(&page));
        }
        AppSettings::instance()->setTheme(0);
    }

    // A value the page does not offer shows as the first item and stays
    // stored until the user picks another; a value written elsewhere shows.
    void unknownStoredValueShowsTheFirstItem()
    {
        AppSettings *settings = AppSettings::instance();
        settings->setLargeThresholdMB(750);
        settings->setCloseAction(9);
        settings->setLanguage(QStringLiteral("DE"));  // the offered code is "de"
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        QList<int> shown;
        for (const char *name : {"largeThreshold", "closeAction", "language"})
            shown << child<Select>(&page, QString::fromLatin1(name))->currentIndex();
        QCOMPARE(shown, QList<int>({0, 0, 0}));
        QCOMPARE(settings->largeThresholdMB(), 750);
        QCOMPARE(settings->closeAction(), 9);
        QCOMPARE(settings->language(), QStringLiteral("DE"));
        // The close dialog's "Remember my choice" writes behind the page's back.
        settings->setCloseAction(AppSettings::Quit);
        QCOMPARE(child<Select>(&page, "closeAction")->currentText(), QStringLiteral("Quit Varnholt"));
    }

    // Folders are added once, as chosen; Remove takes every copy of an
    // entry; a list edited elsewhere shows up without rebuilding the page.
    void exclusions_data()
    {
        QTest::addColumn<QStringList>("initial");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<int>("removed");  // the entry whose Remove is clicked; -1: none
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("added once")
            << QStringList{} << QStringList{"/data/a", "/data/a"} << -1 << QStringList{"/data/a"};
        QTest::newRow("other case is another entry") << QStringList{"**/.git"} << QStringList{"/data/a", "/DATA/a"}
                                                     << -1 << QStringList{"**/.git", "/data/a", "/DATA/a"};
        QTest::newRow("trailing slash is another entry")
            << QStringList{} << QStringList{"/data/a", "/data/a/"} << -1 << QStringList{"/data/a", "/data/a/"};
        QTest::newRow("cancelled chooser changes nothing")
            << QStringList{"**/.git"} << QStringList{""} << -1 << QStringList{"**/.git"};
        QTest::newRow("remove takes every copy")
            << QStringList{"/x", "*.iso", "/x"} << QStringList{} << 0 << QStringList{"*.iso"};
    }

    void exclusions()
    {
        QFETCH(QStringList, initial);
        QFETCH(QStringList, added);
        QFETCH(int, removed);
        QFETCH(QStringList, expected);
#ifdef Q_OS_WIN
        for (QString &e : expected) {  // a chosen folder is kept as the system spells it
            if (added.contains(e))
                e = QDir::toNativeSeparators(e);
        }
#endif
        AppSettings::instance()->setExclusions(initial);
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        QString next;
        SettingsPage::Hooks hooks;
        hooks.chooseFolder = [&next](QWidget *) { return next; };
        page.setHooks(hooks);
        for (const QString &folder : added) {
            next = folder;
            QTest::mouseClick(child<Button>(&page, "addFolder"), Qt::LeftButton);
        }
        if (removed >= 0) {
            QWidget *entry = child(&page, "exclusionList")->findChildren<QWidget *>("exclusion").at(removed);
            QTest::mouseClick(entry->findChild<Button *>("removeExclusion"), Qt::LeftButton);
        }
        QCOMPARE(AppSettings::instance()->exclusions(), expected);
        QCOMPARE(entryTexts(page), expected);
        AppSettings::instance()->setExclusions(expected + QStringList{"/y"});
        QCOMPARE(entryTexts(page), expected + QStringList{"/y"});
    }

    // Tab goes down the page as it reads, also through exclusion entries
    // added after the page was built; assistive technology hears each
    // switch and select by its row's title.
    void tabReadsThePageInOrder()
    {
        AppSettings::instance()->setExclusions({"/x"});
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        page.resize(900, 2400);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.addExclusion(QStringLiteral("/y"));
        child(&page, "moveToTrash")->setFocus(Qt::TabFocusReason);
        QStringList order{"moveToTrash"};
        while (order.size() < 30 && order.last() != u"openLogs") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QStringList expected{"moveToTrash", "largeThreshold", "oldMonths",       "schedule",        "lowSpaceAlerts",
                             "folderHistory", "launchAtLogin", "closeAction",  "theme",           "language",        "addFolder",
                             "removeExclusion", "removeExclusion", "restartAsAdmin", "checkForUpdates", "openLogs"};
        if (!child(&page, "restartAsAdmin"))
            expected.removeAll(QStringLiteral("restartAsAdmin"));
        QCOMPARE(order, expected);
        QCOMPARE(child(&page, "theme")->accessibleName(), SettingsPage::tr("Theme"));
        QCOMPARE(child(&page, "lowSpaceAlerts")->accessibleName(), SettingsPage::tr("Low space alerts"));
    }

    // "Forget history" is offered while readings are kept, and removes them
    // all once confirmed.
    void forgetHistory()
    {
        QVERIFY(plantFolderReadings(QDir::homePath(), "Videos"));
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        page.resize(900, 700);
        page.show();
        auto *forget = child<Button>(&page, "forgetHistory");
        QSignalSpy toasts(&state, &AppState::toast);
        for (const bool confirm : {false, true}) {
            QVERIFY(forget->isEnabled());
            QTest::mouseClick(forget, Qt::LeftButton);
            auto *dialog = child<ConfirmDialog>(&page, "forgetHistoryDialog");
            QTest::mouseClick(confirm ? dialog->confirmButton() : dialog->cancelButton(), Qt::LeftButton);
            QTRY_VERIFY(!child<ConfirmDialog>(&page, "forgetHistoryDialog"));
            QCOMPARE(state.folderReadings().size(), confirm ? 0 : 2);
        }
        QVERIFY(!forget->isEnabled());
        QCOMPARE(toasts.count(), 1);
        QCOMPARE(toasts.at(0).at(2).toBool(), false);
    }

    void restartPrompt_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("offered");
        const QString running = currentLanguage();
        const QString other = running == u"de" ? QStringLiteral("fr") : QStringLiteral("de");
        const QString system = detectLanguage({}, QLocale::system().uiLanguages());
        QTest::newRow("another language") << other << true;
        QTest::newRow("the running language") << running << false;
        QTest::newRow("system default") << QString() << (system != running);
    }

    void restartPrompt()
    {
        QFETCH(QString, code);
        QFETCH(bool, offered);
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        int restarts = 0, quits = 0;
        SettingsPage::Hooks hooks;
        hooks.restart = [&restarts] { return ++restarts > 1; };
        hooks.quit = [&quits] { ++quits; };
        page.setHooks(hooks);

        auto *select = child<Select>(&page, "language");
        auto *restart = child<Button>(&page, "restartNow");
        QVERIFY(restart->isHidden());

        // Leave the current item first so that the pick below is a change.
        const int target = select->findData(code);
        QVERIFY(target >= 0);
        pick(select, target == 1 ? 2 : 1);
        pick(select, target);
        QCOMPARE(AppSettings::instance()->language(), code);
        QCOMPARE(page.restartOffered(), offered);

        if (offered) {
            // A failed start leaves the program running, and says so.
            QSignalSpy toasts(&state, &AppState::toast);
            QTest::mouseClick(restart, Qt::LeftButton);
            QCOMPARE(quits, 0);
            QCOMPARE(toasts.count(), 1);
            QVERIFY(toasts.at(0).at(2).toBool());
            QTest::mouseClick(restart, Qt::LeftButton);
            QCOMPARE(restarts, 2);
            QCOMPARE(quits, 1);
        }
    }

    void aboutRow()
    {
        AppState state(emptyCatalogue());
        SettingsPage page(&state);
        QList<QUrl> opened;
        SettingsPage::Hooks hooks;
        // The second time nothing can open it.
        hooks.openUrl = [&opened](const QUrl &url) { return (opened << url).size() == 1; };
        page.setHooks(hooks);
        QSignalSpy check(&page, &SettingsPage::checkForUpdates);
        QTest::mouseClick(child<Button>(&page, "checkForUpdates"), Qt::LeftButton);
        QCOMPARE(check.count(), 1);

        // The log folder is made before it is opened, so the file manager
        // has something to show on a first start.
        QDir(CleanupLog::folder()).removeRecursively();
        QSignalSpy toasts(&state, &AppState::toast);
        QTest::mouseClick(child<Button>(&page, "openLogs"), Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(CleanupLog::folder())});
        QVERIFY(QFileInfo(CleanupLog::folder()).isDir());
        QTest::mouseClick(child<Button>(&page, "openLogs"), Qt::LeftButton);
        QCOMPARE(toasts.count(), 1);  // for the second click only
        QCOMPARE(toasts.at(0), QVariantList({QStringLiteral("No app could open %1")
                                                 .arg(QDir::toNativeSeparators(CleanupLog::folder())), false, true}));
    }
};

QTEST_MAIN(TestSettingsPage)
#include "tst_settingspage.moc"
