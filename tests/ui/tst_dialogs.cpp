#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/dialogs/confirmcleandialog.h"
#include "ui/dialogs/confirmdialog.h"
#include "ui/dialogs/overlay.h"
#include "ui/dialogs/toast.h"
#include "ui/dialogs/updatedialog.h"
#include "ui/widgets/button.h"
#include "ui/widgets/footerbar.h"
#include "ui/widgets/segmented.h"
#include "update/httptestserver.h"
#include "update/testsigning.h"
#include "update/updater.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

namespace {

// Volumes that tests mount stay inside this process.
[[maybe_unused]] const bool g_privateMounts = testsupport::enterPrivateMounts();

CategoryDef category(const QString &id, int risk, const QString &root)
{
    CategoryDef d;
    d.id = d.name = id;
    d.risk = risk;
    d.roots = {CategoryRoot{root, {}, {}}};
    return d;
}

} // namespace

class TestDialogs final : public QObject
{
    Q_OBJECT

    QWidget *m_host = nullptr;
    HttpTestServer m_http;

    std::unique_ptr<Updater> updaterFor(const QByteArray &manifestBody)
    {
        // The server signs the manifest with the test key (upgrade.json.sig).
        m_http.route("/upgrade.json", Route{200, manifestBody});
        auto updater = std::make_unique<Updater>(nullptr, m_http.url("/upgrade.json"), QString());
        updater->setSigningKey(rawPublicKey(testKey().get()));
        return updater;
    }

private slots:
    void initTestCase()
    {
        startUiTest();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
        m_host = new QWidget;
        m_host->resize(900, 600);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host));
    }

    void cleanupTestCase() { delete m_host; }

    void overlayKeysAndClicks_data()
    {
        QTest::addColumn<bool>("danger");    // deletes for good
        QTest::addColumn<QString>("focus");  // where the dialog puts it, the overlay, a button, the page
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("accepted");
        // The cases and what the columns mean are in the fixture.
        const QStringList focuses{"overlay", "confirm", "cancel", "start", "page"};
        const QStringList actions{"escape", "key", "return", "enter", "space", "tab", "backtab", "outside", "panel"};
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/overlaykeys.tsv"), 6)) {
            bool ok = QStringList{"keeps", "deletes"}.contains(f[1]) && focuses.contains(f[2])
                      && actions.contains(f[3]) && QStringList{"closes", "stays"}.contains(f[4]);
            const int accepted = ok ? f[5].toInt(&ok) : 0;
            QVERIFY2(ok, qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << (f[1] == u"deletes") << f[2] << f[3] << (f[4] == u"closes") << accepted;
        }
    }

    // Only the affirmative button confirms; every way of dismissing does not.
    // An open dialog owns the keyboard: the focus starts on its affirmative
    // button (on Cancel when that one deletes for good), Tab never reaches
    // the page beneath, a second dialog does not stack on it, and the focus
    // goes back where it was when it closes.
    void overlayKeysAndClicks()
    {
        QFETCH(bool, danger);
        QFETCH(QString, focus);
        QFETCH(QString, action);
        QFETCH(bool, closes);
        QPushButton page(QStringLiteral("Page button"), m_host);
        page.show();
        page.setFocus();
        QPointer<ConfirmDialog> dialog = new ConfirmDialog(m_host, "Title", "Text", "Do it", danger);
        QSignalSpy accepted(dialog, &ConfirmDialog::accepted);
        QVERIFY(dialog->open());
        QCOMPARE(QApplication::focusWidget(), danger ? dialog->cancelButton() : dialog->confirmButton());
        QPointer<ConfirmDialog> second = new ConfirmDialog(m_host, "Second", "Text", "Do it", false);
        QVERIFY(!second->open());
        QTRY_VERIFY(second.isNull());
        QCOMPARE(Overlay::openIn(m_host), QList<Overlay *>{dialog.data()});
        const QMap<QString, QWidget *> targets{{"overlay", dialog},
                                               {"confirm", dialog->confirmButton()},
                                               {"cancel", dialog->cancelButton()},
                                               {"page", &page}};
        if (targets.contains(focus))
            targets.value(focus)->setFocus();
        const QMap<QString, Qt::Key> keys{{"escape", Qt::Key_Escape}, {"key", Qt::Key_A}, {"return", Qt::Key_Return},
                                          {"enter", Qt::Key_Enter}, {"space", Qt::Key_Space}};
        if (keys.contains(action)) {
            QTest::keyClick(QApplication::focusWidget(), keys.value(action));
        } else if (action.endsWith("tab")) {
            QSet<QWidget *> seen;
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(QApplication::focusWidget(), action == "tab" ? Qt::Key_Tab : Qt::Key_Backtab);
                QVERIFY2(dialog->isAncestorOf(QApplication::focusWidget()), "Tab left the dialog");
                seen << QApplication::focusWidget();
            }
            QVERIFY(seen.contains(dialog->confirmButton()) && seen.contains(dialog->cancelButton()));
        } else {
            QTest::mouseClick(action == "outside" ? dialog : dialog->panel(), Qt::LeftButton, {}, QPoint(5, 5));
        }
        if (closes) {
            QTRY_VERIFY(dialog.isNull());
            QVERIFY(Overlay::openIn(m_host).isEmpty());
            QCOMPARE(QApplication::focusWidget(), &page);
        } else {
            QTest::qWait(20);
            QVERIFY(!dialog.isNull());
            QVERIFY(dialog->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == dialog);
            delete dialog;
        }
        QTEST(int(accepted.count()), "accepted");
    }

    // `withoutTrash`: a ticked file on a volume without a usable trash is left
    // (1; without one where none can be mounted) or deleted for good (2).
    void confirmCleanTexts_data()
    {
        QTest::addColumn<bool>("toBin");
        QTest::addColumn<bool>("withPermanent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("withoutTrash");
        const QString bin = recycleBinName();
        QTest::newRow("bin emptied too")
            << true << true << QString("Emptying the %1 can't be undone. Everything else goes to the %1.").arg(bin)
            << "Clean and delete" << 0;
        QTest::newRow("permanent delete") << false << false
                                          << "Permanent delete is on. These files can't be recovered."
                                          << "Clean and delete" << 0;
        QTest::newRow("to the bin, a file it cannot take left")
            << true << false << QString("Everything will be moved to the %1, so you can restore it later.").arg(bin)
            << "Clean" << 1;
        QTest::newRow("a file the bin cannot take, deleted")
            << true << false
            << QString("What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can "
                       "restore it later.").arg(bin)
            << "Clean and delete" << 2;
    }

    void confirmCleanTexts()
    {
        QFETCH(bool, toBin);
        QFETCH(bool, withPermanent);
        QFETCH(int, withoutTrash);
        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize("safe/a.bin", 4 * 4096).isEmpty());
        QVERIFY(!tmp.makeFileOfSize("perm/b.bin", 2 * 4096).isEmpty());
        // The cache folder, a volume of its own: no trash may be made there.
        const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
        const QString far = cache + "/far/c.bin";
        const testsupport::PrivateMount volume(withoutTrash ? cache : QString());
        if (withoutTrash == 2 && !volume.isMounted())
            QSKIP("mounting needs root and a mount namespace of the test's own");
        withoutTrash = volume.isMounted() ? withoutTrash : 0;
        QVERIFY(!withoutTrash || (QDir().mkpath(cache + "/far") && testsupport::allocateFile(far, 3 * 4096)));
        AppState state([root = tmp.path(), cache, withoutTrash] {
            CategoryDef safe = category("safe", Safe, root + "/safe");
            if (withoutTrash)
                safe.roots.append(CategoryRoot{cache + "/far", {}, {}});
            return QList<CategoryDef>{safe, category("perm", Permanent, root + "/perm")};
        });
        AppSettings::instance()->setMoveToTrash(toBin);
        state.startScan();
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000));
        state.setCategorySelected("perm", withPermanent);
        // What the bin cannot take is offered, but not ticked after the scan.
        QCOMPARE(state.isItemSelected("safe", far), !withoutTrash);
        state.setItemSelected("safe", far, true);

        auto *dialog = new ConfirmCleanDialog(&state, m_host);
        QSignalSpy accepted(dialog, &ConfirmCleanDialog::accepted);
        dialog->open();
        // It is listed apart, and leaving it is the default.
        auto *choice = dialog->panel()->findChild<Segmented *>("withoutTrashChoice");
        QCOMPARE(choice ? choice->currentIndex() : -1, withoutTrash ? 0 : -1);
        if (QWidget *apart = dialog->panel()->findChild<QWidget *>("withoutTrash"))
            QVERIFY(apart->findChildren<QLabel *>().value(1)->text().endsWith("c.bin"));
        if (withoutTrash == 2)
            choice->pick(1);
        QCOMPARE(dialog->title(),
                 QString("Clean %1?").arg(formatSize(state.selectedBytes() - (withoutTrash == 1 ? 3 * 4096 : 0))));
        QTEST(dialog->text(), "text");
        QTEST(dialog->confirmButton()->text(), "button");
        // One row per selected category, the names in selection order.
        QStringList names;
        for (QLabel *label : dialog->panel()->findChild<QWidget *>("selection")->findChildren<QLabel *>())
            if (label->property("role").toString().isEmpty())
                names << label->text();
        QCOMPARE(names, (withPermanent ? QStringList{"safe", "perm"} : QStringList{"safe"}));
        const bool deleteWithoutTrash = dialog->deleteWithoutTrash();
        QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        AppSettings::instance()->setMoveToTrash(true);
        if (withoutTrash != 2)
            return;
        // Exactly what the bin cannot take is deleted for good, the rest goes
        // to the bin, and no trash folder is made on that volume.
        state.startClean(deleteWithoutTrash);
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Done; }, 20000));
        QVERIFY(!QFileInfo::exists(far) && !QFileInfo::exists(tmp.path("safe/a.bin")));
        QCOMPARE(state.lastReport().freedBytes, 3 * 4096);
        QCOMPARE(QDir(cache).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"far"});
    }

    void toast()
    {
        Toast toast(m_host);
        QSignalSpy undo(&toast, &Toast::undo);
        toast.showMessage("Moved 3 files to the Trash", true);
        auto *button = toast.findChild<QPushButton *>();
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(undo.count(), 1);
        QVERIFY(!toast.isVisible());

        toast.showMessage("First", true);
        QTest::qWait(600);
        toast.showMessage("Second", false);
        QCOMPARE(toast.text(), QString("Second"));
        QVERIFY(!button->isVisible());
        // The second message gets the full time again.
        QVERIFY(toast.remainingTime() > Toast::kTimeoutMs - 300);
        QTRY_VERIFY_WITH_TIMEOUT(!toast.isVisible(), Toast::kTimeoutMs + 1000);
        QCOMPARE(undo.count(), 1);

        // It never covers the footer of the page underneath.
        FooterBar footer(m_host);
        footer.setGeometry(0, m_host->height() - 90, m_host->width(), 90);
        footer.show();
        toast.showMessage("Moved", true);
        QVERIFY(toast.geometry().bottom() < footer.y() + footer.panelRect().top());
    }

    // The dialog follows the updater through a check that finds nothing new,
    // one that fails (a retry that ends where it began says so), one that
    // finds an update, opened on it (markup of the notes stays literal), a
    // download cancelled, and one whose checksum and signature match and
    // goes on to the installer, which cannot be cancelled.
    void updateDialog_data()
    {
        QTest::addColumn<bool>("lengthKnown");
        QTest::newRow("known size") << true;
        QTest::newRow("unknown size") << false;
    }

    void updateDialog()
    {
        QFETCH(bool, lengthKnown);
        auto updater = updaterFor(manifest("1.0.0", m_http.url("/a.bin"), QString(64, u'a'), {}, {{"change", QJsonArray()}}));
        QPointer<UpdateDialog> dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        updater->check();
        QCOMPARE(dialog->title(), QString("Checking for updates…"));
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QCOMPARE(dialog->title(), QString("Varnholt is up to date"));
        QCOMPARE(dialog->subtitle(), QString("Version 1.0.0 is the latest version."));
        QVERIFY(!dialog->updateButton()->isVisible() && !dialog->notesVisible());

        m_http.route("/upgrade.json", Route{500, "broken"});
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QCOMPARE(dialog->title(), QString("Could not check for updates"));
        QCOMPARE(dialog->errorText(), updater->errorText());
        QSignalSpy warnings(dialog.data(), &UpdateDialog::warning);
        QTest::mouseClick(dialog->retryButton(), Qt::LeftButton);
        QCOMPARE(updater->state(), int(Updater::Checking));
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(warnings.at(0).at(0).toString(), QStringLiteral("The check failed again."));
        delete dialog;

        Route stall;
        stall.patternBytes = 3 << 20;
        stall.stall = true;
        stall.lengthHeader = lengthKnown;
        m_http.route("/big.bin", stall);
        const QStringList notes{"<b>Faster</b> scans", "Fixes"};
        m_http.route("/upgrade.json", Route{200, manifest("9.0.0", m_http.url("/big.bin"), QString(64, u'a'), {},
                                                           {{"date", "2026-05-01"}, {"size", "48 MB"},
                                                            {"change", QJsonArray::fromStringList(notes)}})});
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        QCOMPARE(dialog->title(), QString("An update is available"));
        QCOMPARE(dialog->subtitle(), QString("Version 9.0.0 is available. You have 1.0.0.\n2026-05-01 · 48 MB"));
        QCOMPARE(dialog->notes(), notes);
        for (QLabel *label : dialog->findChildren<QLabel *>("note"))
            QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(dialog->updateButton()->isVisible() && !dialog->retryButton()->isVisible());
        QTest::mouseClick(dialog->updateButton(), Qt::LeftButton);
        QCOMPARE(updater->state(), int(Updater::Downloading));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(updater->downloadFolder() + "/big.bin.part").size() > 0, 20000);
        QCOMPARE(dialog->title(), QString("Downloading the update…"));
        QVERIFY(dialog->cancelButton()->isVisible() && !dialog->closeButton()->isVisible());
        // The network layer may hold progress reports back while a transfer
        // stalls, so the total can still be unknown even when the server sent
        // it: check the form for what the updater holds.
        if (lengthKnown)
            (void)QTest::qWaitFor([&] { return updater->bytesTotal() > 0; }, 3000);
        if (updater->bytesTotal() > 0) {
            QCOMPARE(dialog->subtitle(),
                     QString("%1 of %2").arg(formatSize(updater->bytesReceived()), formatSize(3 << 20)));
            QCOMPARE(dialog->progressBar()->value(), int(updater->bytesReceived() * 1000 / (3 << 20)));
        } else {
            QCOMPARE(dialog->subtitle(), QString("Version 9.0.0"));
            QCOMPARE(dialog->progressBar()->maximum(), 0);
        }
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QVERIFY(waitWhile(*updater, Updater::Downloading));
        QCOMPARE(dialog->title(), QString("An update is available"));
        QVERIFY(!dialog->errorVisible());
        // Closing the dialog leaves the updater alone.
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        QCOMPARE(updater->state(), int(Updater::Available));
        QTRY_VERIFY(dialog.isNull());

        const qint64 size = 1 << 20;
        Route file;
        file.patternBytes = size;
        m_http.route("/ok.bin", file);
        m_http.route("/upgrade.json", Route{200, manifest("9.0.0", m_http.url("/ok.bin"), QString::fromLatin1(patternSha256(size)),
                                                          sign(patternChunk(0, size), testKey().get()),
                                                          {{"change", QJsonArray()}})});
        updater->setInstallerLauncher([](const QString &) { return QString(); });
        dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QVERIFY(!dialog->notesVisible());
        updater->download();
        QVERIFY(waitWhile(*updater, Updater::Downloading));
        QCOMPARE(updater->state(), int(Updater::Installing));
        QCOMPARE(dialog->title(), QString("Installing the update…"));
        QVERIFY(!dialog->closeButton()->isVisible() && !dialog->cancelButton()->isVisible());
        delete dialog;
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
