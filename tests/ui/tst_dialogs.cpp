#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/dialogs/closedialog.h"
#include "ui/dialogs/confirmcleandialog.h"
#include "ui/dialogs/confirmdialog.h"
#include "ui/dialogs/overlay.h"
#include "ui/dialogs/toast.h"
#include "ui/dialogs/updatedialog.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "update/httptestserver.h"
#include "update/testsigning.h"
#include "update/updater.h"

#include <QApplication>
#include <QFileInfo>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace ui;

namespace {

CategoryDef category(const QString &id, int risk, const QString &root)
{
    CategoryDef d;
    d.id = id;
    d.name = id;
    d.icon = QStringLiteral("trash");
    d.color = QStringLiteral("#22d3ee");
    d.risk = risk;
    d.roots = {CategoryRoot{root, {}, {}}};
    return d;
}

QByteArray manifest(const QUrl &url, const QString &date, const QString &size, const QStringList &changes,
                    const QString &sha = QString(64, u'a'), const QString &sig = {},
                    const QString &version = QStringLiteral("9.0.0"))
{
    QJsonObject entry{{"version", version}, {"url", url.toString()}, {"sha256", sha},
                      {"change", QJsonArray::fromStringList(changes)}, {"sig", sig}};
    if (!date.isEmpty())
        entry.insert("date", date);
    if (!size.isEmpty())
        entry.insert("size", size);
    return QJsonDocument(QJsonObject{{Updater::platformKey(), entry}}).toJson();
}

bool waitWhile(const Updater &updater, int state)
{
    return QTest::qWaitFor([&] { return updater.state() != state; }, 60000);
}

} // namespace

class TestDialogs final : public QObject
{
    Q_OBJECT

    QWidget *m_host = nullptr;
    HttpTestServer m_http;

    std::unique_ptr<Updater> updaterFor(const QByteArray &manifestBody)
    {
        m_http.route("/upgrade.json", Route{200, manifestBody});
        return std::make_unique<Updater>(nullptr, m_http.url("/upgrade.json"), QString());
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

    void overlayDismissal_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::newRow("escape") << "escape" << true;
        QTest::newRow("other key") << "enter" << false;
        QTest::newRow("press on the dimmed area") << "outside" << true;
        QTest::newRow("press on the panel") << "panel" << false;
    }

    void overlayDismissal()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        auto *dialog = new ConfirmDialog(m_host, "Title", "Text", "Do it", false);
        QSignalSpy accepted(dialog, &ConfirmDialog::accepted);
        dialog->open();
        QPointer<ConfirmDialog> guard(dialog);
        QCOMPARE(Overlay::openIn(m_host).size(), 1);
        if (action == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (action == "enter")
            QTest::keyClick(dialog, Qt::Key_A);
        else if (action == "outside")
            QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::mouseClick(dialog->panel(), Qt::LeftButton, {}, QPoint(10, 10));
        if (closes) {
            QTRY_VERIFY(guard.isNull());
            QVERIFY(Overlay::openIn(m_host).isEmpty());
        } else {
            QTest::qWait(20);
            QVERIFY(!guard.isNull());
            delete dialog;
        }
        QCOMPARE(accepted.count(), 0);
    }

    void overlayCoversAndCentresOnResize()
    {
        auto *dialog = new ConfirmDialog(m_host, "Title", "Text", "Do it", true);
        dialog->open();
        QCOMPARE(dialog->geometry(), m_host->rect());
        QTRY_COMPARE(dialog->panel()->pos(), dialog->panelRestPosition());
        m_host->resize(1200, 700);
        QCOMPARE(dialog->geometry(), m_host->rect());
        QCOMPARE(QRectF(dialog->panel()->geometry()).center().x(), 600.0);
        QCOMPARE(dialog->confirmButton()->kind(), QStringLiteral("danger"));
        m_host->resize(900, 600);
        delete dialog;
    }

    void confirmCleanTexts_data()
    {
        QTest::addColumn<bool>("toBin");
        QTest::addColumn<bool>("withPermanent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("kind");
        const QString bin = recycleBinName();
        QTest::newRow("to the bin")
            << true << false << QString("Everything will be moved to the %1, so you can restore it later.").arg(bin)
            << "Clean" << "primary";
        QTest::newRow("bin emptied too")
            << true << true << QString("Emptying the %1 can't be undone. Everything else goes to the %1.").arg(bin)
            << "Clean and delete" << "danger";
        QTest::newRow("permanent delete")
            << false << false << "Permanent delete is on. These files can't be recovered." << "Clean and delete"
            << "danger";
    }

    void confirmCleanTexts()
    {
        QFETCH(bool, toBin);
        QFETCH(bool, withPermanent);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, kind);

        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize("safe/a.bin", 4 * 4096).isEmpty());
        QVERIFY(!tmp.makeFileOfSize("perm/b.bin", 2 * 4096).isEmpty());
        AppState state([root = tmp.path()] {
            return QList<CategoryDef>{category("safe", Safe, root + "/safe"),
                                      category("perm", Permanent, root + "/perm")};
        });
        state.startScan();
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000));
        state.setCategorySelected("perm", withPermanent);
        AppSettings::instance()->setMoveToTrash(toBin);

        auto *dialog = new ConfirmCleanDialog(&state, m_host);
        QSignalSpy accepted(dialog, &ConfirmCleanDialog::accepted);
        dialog->open();
        QCOMPARE(dialog->title(), QString("Clean %1?").arg(formatSize(state.selectedBytes())));
        QCOMPARE(dialog->text(), text);
        QCOMPARE(dialog->confirmButton()->text(), button);
        QCOMPARE(dialog->confirmButton()->kind(), kind);
        QVERIFY(dialog->confirmButton()->isDefault());
        // One row per selected category, the names in selection order.
        QStringList names;
        for (QLabel *label : dialog->panel()->findChild<QWidget *>("selection")->findChildren<QLabel *>())
            if (label->property("role").toString().isEmpty())
                names << label->text();
        const QStringList expected = withPermanent ? QStringList{"safe", "perm"} : QStringList{"safe"};
        QCOMPARE(names, expected);

        QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        AppSettings::instance()->setMoveToTrash(true);
    }

    void closeDialogRemembersAndNote()
    {
        auto *dialog = new CloseDialog(m_host);
        QSignalSpy chosen(dialog, &CloseDialog::chosen);
        dialog->open();
        QVERIFY(dialog->rememberBox()->isChecked());
        QVERIFY(dialog->noteLabel()->isVisible());
        dialog->rememberBox()->click();
        QVERIFY(!dialog->noteLabel()->isVisible());
        QTest::mouseClick(dialog->quitButton(), Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0), (QVariantList{false, false}));
    }

    void toastReplacesAndTimesOut()
    {
        Toast toast(m_host);
        QSignalSpy undo(&toast, &Toast::undo);
        toast.showMessage("First", true);
        QVERIFY(toast.isVisible());
        QTest::qWait(600);
        toast.showMessage("Second", false);
        QCOMPARE(toast.text(), QString("Second"));
        QVERIFY(!toast.findChild<QPushButton *>()->isVisible());
        // The second message gets the full time again.
        QVERIFY(toast.remainingTime() > Toast::kTimeoutMs - 300);
        QCOMPARE(toast.geometry().bottom() + 1, m_host->height() - Toast::kBottomGap);
        QVERIFY(qAbs(QRectF(toast.geometry()).center().x() - m_host->width() / 2.0) <= 0.5);
        QTRY_VERIFY_WITH_TIMEOUT(!toast.isVisible(), Toast::kTimeoutMs + 1000);
        QCOMPARE(undo.count(), 0);
    }

    void toastUndo()
    {
        Toast toast(m_host);
        QSignalSpy undo(&toast, &Toast::undo);
        toast.showMessage("Moved 3 files to the Trash", true);
        auto *button = toast.findChild<QPushButton *>();
        QVERIFY(button->isVisible());
        m_host->resize(1000, 650);
        QCOMPARE(toast.geometry().bottom() + 1, 650 - Toast::kBottomGap);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(undo.count(), 1);
        QVERIFY(!toast.isVisible());
        QCOMPARE(toast.remainingTime(), -1);
        m_host->resize(900, 600);
    }

    void updateDialogAvailable_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("subtitle");
        const QString base = "Version 9.0.0 is available. You have 1.0.0.";
        QTest::newRow("date and size") << "2026-05-01" << "48 MB" << base + "\n2026-05-01 · 48 MB";
        QTest::newRow("size only") << "" << "48 MB" << base + "\n48 MB";
        QTest::newRow("neither") << "" << "" << base;
    }

    void updateDialogAvailable()
    {
        QFETCH(QString, date);
        QFETCH(QString, size);
        QFETCH(QString, subtitle);
        const QStringList notes{"<b>Faster</b> scans", "Fixes"};
        auto updater = updaterFor(manifest(m_http.url("/a.bin"), date, size, notes));
        auto *dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        QCOMPARE(dialog->title(), QString("Checking for updates…"));
        updater->check();
        QCOMPARE(dialog->title(), QString("Checking for updates…"));
        QVERIFY(dialog->progressBar()->isVisible());
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QCOMPARE(dialog->title(), QString("An update is available"));
        QCOMPARE(dialog->subtitle(), subtitle);
        // Markup from the manifest stays literal.
        QCOMPARE(dialog->notes(), notes);
        for (QLabel *label : dialog->findChildren<QLabel *>("note"))
            QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!dialog->progressBar()->isVisible());
        QVERIFY(!dialog->errorVisible());
        QVERIFY(dialog->updateButton()->isVisible());
        QVERIFY(!dialog->retryButton()->isVisible());
        QCOMPARE(dialog->closeButton()->text(), QString("Later"));
        delete dialog;
    }

    void updateDialogOtherStates()
    {
        // Up to date, then a failed check with Retry.
        auto updater = updaterFor(manifest(m_http.url("/a.bin"), {}, {}, {}, QString(64, u'a'), {}, "1.0.0"));
        auto *dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QCOMPARE(dialog->title(), QString("Varnholt is up to date"));
        QCOMPARE(dialog->subtitle(), QString("Version 1.0.0 is the latest version."));
        QCOMPARE(dialog->closeButton()->text(), QString("Close"));
        QVERIFY(!dialog->updateButton()->isVisible() && !dialog->notesVisible());

        m_http.route("/upgrade.json", Route{500, "broken"});
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QCOMPARE(dialog->title(), QString("Could not check for updates"));
        QVERIFY(dialog->retryButton()->isVisible());
        QCOMPARE(dialog->errorVisible(), !updater->errorText().isEmpty());
        QCOMPARE(dialog->errorText(), updater->errorText());
        QTest::mouseClick(dialog->retryButton(), Qt::LeftButton);
        QCOMPARE(updater->state(), int(Updater::Checking));
        QVERIFY(waitWhile(*updater, Updater::Checking));
        delete dialog;
    }

    void updateDialogDownload_data()
    {
        QTest::addColumn<bool>("lengthKnown");
        QTest::newRow("known size") << true;
        QTest::newRow("unknown size") << false;
    }

    void updateDialogDownload()
    {
        QFETCH(bool, lengthKnown);
        Route stall;
        stall.patternBytes = 3 << 20;
        stall.stall = true;
        stall.lengthHeader = lengthKnown;
        m_http.route("/big.bin", stall);
        auto updater = updaterFor(manifest(m_http.url("/big.bin"), {}, {}, {"Fixes"}));
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        auto *dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        QTest::mouseClick(dialog->updateButton(), Qt::LeftButton);
        QCOMPARE(updater->state(), int(Updater::Downloading));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(updater->downloadFolder() + "/big.bin.part").size() > 0, 20000);
        QCOMPARE(dialog->title(), QString("Downloading the update…"));
        QVERIFY(dialog->cancelButton()->isVisible());
        QVERIFY(!dialog->closeButton()->isVisible());
        // The network layer throttles its progress reports and may hold them
        // back while a transfer stalls, so the total can still be unknown
        // here even when the server sent it; check the form for what the
        // updater holds.
        if (lengthKnown)
            (void)QTest::qWaitFor([&] { return updater->bytesTotal() > 0; }, 3000);
        if (updater->bytesTotal() > 0) {
            QCOMPARE(dialog->subtitle(), QString("%1 of %2").arg(formatSize(updater->bytesReceived()),
                                                                 formatSize(3 << 20)));
            QCOMPARE(dialog->progressBar()->maximum(), 1000);
            QCOMPARE(dialog->progressBar()->value(), int(updater->bytesReceived() * 1000 / (3 << 20)));
        } else {
            QCOMPARE(dialog->subtitle(), QString("Version 9.0.0"));
            QCOMPARE(dialog->progressBar()->maximum(), 0);
        }
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QVERIFY(waitWhile(*updater, Updater::Downloading));
        QCOMPARE(dialog->title(), QString("An update is available"));
        QVERIFY(!dialog->errorVisible());
        QCOMPARE(dialog->closeButton()->text(), QString("Later"));
        // Closing the dialog leaves the updater alone.
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        QCOMPARE(updater->state(), int(Updater::Available));
    }

    void updateDialogInstalling()
    {
        KeyPtr key = testKey();
        const qint64 size = 1 << 20;
        Route file;
        file.patternBytes = size;
        m_http.route("/ok.bin", file);
        auto updater = updaterFor(manifest(m_http.url("/ok.bin"), {}, {}, {}, QString::fromLatin1(patternSha256(size)),
                                           sign(patternChunk(0, size), key.get())));
        updater->setSigningKey(rawPublicKey(key.get()));
        updater->setInstallerLauncher([](const QString &) { return QString(); });
        QSignalSpy quit(updater.get(), &Updater::quitForUpdate);
        auto *dialog = new UpdateDialog(updater.get(), m_host);
        dialog->open();
        updater->check();
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QVERIFY(!dialog->notesVisible());  // no release notes, no card
        updater->download();
        QVERIFY(waitWhile(*updater, Updater::Downloading));
        QCOMPARE(updater->state(), int(Updater::Installing));
        QCOMPARE(dialog->title(), QString("Installing the update…"));
        QVERIFY(!dialog->closeButton()->isVisible() && !dialog->cancelButton()->isVisible());
        QVERIFY(dialog->progressBar()->isVisible());
        delete dialog;
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
