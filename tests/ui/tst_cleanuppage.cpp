#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "scan/scanner.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/dialogs/confirmcleandialog.h"
#include "ui/pages/cleanuppage.h"
#include "ui/pages/overviewpage.h"
#include "ui/widgets/button.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/iconview.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/scansteprow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

// Windows starts no programs by exec, so there is nothing to close on it.
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif

using ui::CleanupPage;

namespace {

// Volumes that tests mount stay inside this process.
[[maybe_unused]] const bool g_privateMounts = testsupport::enterPrivateMounts();

// temp (Safe, 120 files), thumbs (Safe, a file), empty (Safe, nothing in
// it), appcache (Review), dev (Permanent, a folder).
CatalogueSource mixedCatalogue(const QString &root)
{
    return [root] {
        return QList<CategoryDef>{categoryDef("temp", Safe, root + "/temp"),
                                  categoryDef("thumbs", Safe, root + "/thumbs"),
                                  categoryDef("empty", Safe, root + "/empty"),
                                  categoryDef("appcache", Review, root + "/appcache"),
                                  categoryDef("dev", Permanent, root + "/dev")};
    };
}

bool makeMixedFixture(TempFolder &tmp)
{
    for (int k = 0; k < 120; ++k) {
        if (tmp.makeFileOfSize(QStringLiteral("temp/f%1.log").arg(k, 3, 10, QLatin1Char('0')), 4096).isEmpty())
            return false;
    }
    return !tmp.makeFileOfSize("thumbs/a.png", 8192).isEmpty() && !tmp.makeDir("empty").isEmpty()
        && !tmp.makeFileOfSize("appcache/blob.bin", 16384).isEmpty() && !tmp.makeFileOfSize("dev/pkgs/pkg.zip", 4096).isEmpty();
}

QWidget *row(const CleanupPage &page, const QString &id)
{
    return page.findChild<QWidget *>(QStringLiteral("categoryRow_") + id);
}

int rowCheck(const CleanupPage &page, const QString &id)
{
    QWidget *r = row(page, id);
    return r ? int(r->findChild<QCheckBox *>(QStringLiteral("check"))->checkState()) : -1;
}

QString text(const CleanupPage &page, const char *name)
{
    if (auto *label = page.findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    if (auto *button = page.findChild<QAbstractButton *>(QLatin1String(name)))
        return button->text();
    return QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

int itemRows(const CleanupPage &page)
{
    return int(page.findChildren<QWidget *>(QStringLiteral("itemRow")).size());
}

// The icon of every item the detail pane lists: what each one is.
QStringList itemIcons(const CleanupPage &page)
{
    QStringList names;
    for (const QWidget *item : page.findChildren<QWidget *>(QStringLiteral("itemRow")))
        names << item->findChild<ui::IconView *>()->iconName();
    return names;
}

bool visible(const CleanupPage &page, const char *name)
{
    const QWidget *w = page.findChild<QWidget *>(QLatin1String(name));
    return w && w->isVisibleTo(&page);
}

// CTest points XDG_DATA_HOME into this test's own sandbox; the trash there is
// ours to fill.
bool sandboxedTrash()
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    return !data.isEmpty() && data.startsWith(QDir::tempPath().section(u'/', 0, -2));
}

CategoryDef binDef()
{
    CategoryDef bin = categoryDef("trash", Permanent, {});
    bin.isTrash = true;
    return bin;
}

// A page over a real AppState that scans `catalogue`.
struct Scanned
{
    explicit Scanned(CatalogueSource catalogue) : state(std::move(catalogue)), page(&state)
    {
        page.resize(1180, 760);
        page.show();
    }
    bool scan()
    {
        state.startScan();
        return QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000);
    }
    AppState state;
    CleanupPage page;
};

} // namespace

class TestCleanupPage final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

    // Fresh results select only what is safe. The category list from the
    // keyboard: the rows are its stops (their boxes are not), Up and Down
    // move between them, Space toggles the box (the list is rebuilt and the
    // focus stays on the row), Return shows the category in the detail pane,
    // which lists a category's items a page at a time. The footer's figure
    // follows the mode.
    void resultsView()
    {
        TempFolder tmp;
        QVERIFY(makeMixedFixture(tmp));
        Scanned s(mixedCatalogue(tmp.path()));
        QCOMPARE(s.page.currentView(), int(CleanupPage::EmptyView));
        QVERIFY(s.scan());
        QCOMPARE(s.page.currentView(), int(CleanupPage::ResultsView));
        QCOMPARE(QList({rowCheck(s.page, "temp"), rowCheck(s.page, "thumbs"), rowCheck(s.page, "appcache"),
                        rowCheck(s.page, "dev")}),
                 QList<int>({Qt::Checked, Qt::Checked, Qt::Unchecked, Qt::Unchecked}));
        QVERIFY2(!row(s.page, "empty"), "a category that found nothing is not listed");
        auto *all = s.page.findChild<QCheckBox *>("selectAll");
        QCOMPARE(all->checkState(), Qt::PartiallyChecked);
        QCOMPARE(s.page.focusedId(), QStringLiteral("temp"));

        QVERIFY(QTest::qWaitForWindowActive(&s.page));
        QVERIFY(!(row(s.page, "temp")->findChild<QCheckBox *>("check")->focusPolicy() & Qt::TabFocus));
        row(s.page, "temp")->setFocus(Qt::TabFocusReason);
        using Step = std::tuple<Qt::Key, const char *, const char *, int>;  // key, focus, shown, thumbs
        for (const auto &[key, focus, shown, thumbs] :
             {Step{Qt::Key_Down, "thumbs", "temp", Qt::Checked}, Step{Qt::Key_Space, "thumbs", "temp", Qt::Unchecked},
              Step{Qt::Key_Return, "thumbs", "thumbs", Qt::Unchecked},
              Step{Qt::Key_Down, "appcache", "thumbs", Qt::Unchecked}, Step{Qt::Key_Down, "dev", "thumbs", Qt::Unchecked},
              Step{Qt::Key_Down, "dev", "thumbs", Qt::Unchecked}, Step{Qt::Key_Up, "appcache", "thumbs", Qt::Unchecked}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("categoryRow_") + focus);
            QCOMPARE(s.page.focusedId(), QString::fromLatin1(shown));
            QCOMPARE(rowCheck(s.page, "thumbs"), thumbs);
        }
        auto *summary = s.page.findChild<QLabel *>("summary");
        for (const int mode : {2, 1}) {
            AppSettings::instance()->setTheme(mode);
            QVERIFY2(summary->text().contains(Theme::instance()->text().name()), qPrintable(summary->text()));
        }
        s.page.focusCategory("temp");

        auto *clean = s.page.findChild<ui::Button *>("clean");
        QCOMPARE(clean->text(), CleanupPage::tr("Clean %1").arg(formatSize(s.state.selectedBytes())));
        // The button says where the files go, following the setting, and asks first.
        AppSettings::instance()->setMoveToTrash(true);
        QCOMPARE(clean->toolTip(), CleanupPage::tr("moved to the %1").arg(recycleBinName()));
        s.state.setCategorySelected("dev", true);  // what cannot be undone: not all goes to the bin
        QVERIFY2(clean->toolTip().contains("can't be undone"), qPrintable(clean->toolTip()));
        s.state.setCategorySelected("dev", false);
        AppSettings::instance()->setMoveToTrash(false);
        QCOMPARE(clean->toolTip(), CleanupPage::tr("deleted permanently"));
        QSignalSpy confirm(&s.page, &CleanupPage::confirmRequested);
        clean->click();
        QCOMPARE(confirm.count(), 1);
        QCOMPARE(s.state.phase(), AppState::Results);

        all->click(); // partly checked selects everything
        QCOMPARE(rowCheck(s.page, "dev"), int(Qt::Checked));
        all->click();
        QCOMPARE(rowCheck(s.page, "temp"), int(Qt::Unchecked));
        QVERIFY2(!clean->isEnabled(), "nothing selected, nothing to clean");

        // A category's box follows its items: one unticked item leaves it partly checked.
        row(s.page, "temp")->findChild<QCheckBox *>("check")->click();
        QCOMPARE(rowCheck(s.page, "temp"), int(Qt::Checked));
        s.page.findChildren<QWidget *>("itemRow").value(0)->findChild<QCheckBox *>()->click();
        QCOMPARE(rowCheck(s.page, "temp"), int(Qt::PartiallyChecked));
        QCOMPARE(s.page.findChild<QCheckBox *>("categorySelectAll")->checkState(), Qt::PartiallyChecked);

        // 15 items, and more on request, keeping the pane's place.
        QScrollBar *bar = s.page.findChild<QScrollArea *>("detailScroll")->verticalScrollBar();
        int position = 0;
        for (const auto &[rows, remaining, offered] : {std::tuple{15, 105, 50}, {65, 55, 50}, {115, 5, 5}}) {
            QTRY_COMPARE(bar->value(), position);
            QCOMPARE(itemRows(s.page), rows);
            QCOMPARE(text(s.page, "moreCount"), QStringLiteral("and %1 more items").arg(remaining));
            QCOMPARE(text(s.page, "showMore"), CleanupPage::tr("Show %1 more").arg(offered));
            QTRY_VERIFY(bar->maximum() > 0);
            position = bar->maximum() / 2;
            bar->setValue(position);
            s.page.findChild<QAbstractButton *>("showMore")->click();
        }
        QTRY_COMPARE(bar->value(), position);
        QCOMPARE(itemRows(s.page), 120);
        QVERIFY(!s.page.findChild<QAbstractButton *>("showMore"));

        // Another category keeps its own limit; coming back keeps this one.
        // Every item shows what it is: a folder, or a file of its kind.
        s.page.focusCategory("dev");
        QCOMPARE(itemIcons(s.page), QStringList{"folder"});
        s.page.focusCategory("thumbs");
        QCOMPARE(itemIcons(s.page), QStringList{"image"});
        s.page.focusCategory("temp");
        QCOMPARE(itemRows(s.page), 120);
    }

    // A category the user may not read is listed but cannot be selected,
    // even when it found nothing readable. One that needs administrator
    // rights is marked in its row, the headline and the confirmation.
    void deniedEmptyCategoryListedDisabled()
    {
        if (testsupport::isUnprivilegedChild()) {
            const QString root = testsupport::childArguments().value(0);
            Scanned s([root] {
                return QList<CategoryDef>{categoryDef("temp", Safe, root + "/temp"),
                                          categoryDef("update", Safe, root + "/locked", true),
                                          categoryDef("thumbs", Safe, root + "/thumbs"),
                                          categoryDef("pkgs", Safe, root + "/pkgs", true)};
            });
            // The child's user has no bin in the sandbox's data folder (root's),
            // and a file that cannot go to the bin is not ticked. Deleting,
            // the category that needs an administrator stays ticked.
            s.state.setOverrides({{}, false, {}});
            QVERIFY(s.scan());
            QWidget *denied = row(s.page, "update");
            QVERIFY(denied);
            QVERIFY(!denied->findChild<QCheckBox *>("check")->isEnabled());
            QVERIFY(denied->findChild<QLabel *>("needsAdmin"));
            QVERIFY(!row(s.page, "thumbs"));
            s.page.focusCategory("update");
            QCOMPARE(text(s.page, "detailSize"), QStringLiteral("—"));
            QCOMPARE(text(s.page, "detailCount"), CleanupPage::tr("Needs administrator"));
            QVERIFY(s.page.findChild<ui::Note *>("detailAdminNote"));
            QVERIFY(row(s.page, "pkgs")->findChild<QWidget *>("adminLock"));
            QVERIFY(!row(s.page, "temp")->findChild<QWidget *>("adminLock"));
            const auto headers = s.page.findChildren<ui::PageHeader *>();
            QVERIFY(std::any_of(headers.cbegin(), headers.cend(), [](const ui::PageHeader *h) {
                return h->subtitle() == QStringLiteral("4 KB of it needs administrator rights.");
            }));
            QVERIFY(s.state.selectionNeedsAdmin());
            ui::ConfirmCleanDialog confirm(&s.state, &s.page);
            QVERIFY2(confirm.text().contains("administrator"), qPrintable(confirm.text()));
            return;
        }
        if (testsupport::runsUnderWine())
            QSKIP("Wine does not enforce access lists: no folder can be made unreadable");
        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize("temp/a.bin", 4096).isEmpty());
        QVERIFY(!tmp.makeFileOfSize("pkgs/p.deb", 4096).isEmpty());
        QVERIFY(!tmp.makeDir("thumbs").isEmpty());
        QVERIFY(!tmp.makeUnreadableDir("locked", "inside.bin").isEmpty());
        QVERIFY(tmp.openToOthers());
        const auto r = testsupport::runInUnprivilegedChild("deniedEmptyCategoryListedDisabled", {tmp.path()});
        if (r.skipped)
            QSKIP(qPrintable(r.reason));
        QVERIFY2(r.passed, qPrintable(r.output));
    }

    void remainingText_data()
    {
        // The categories before `index` were done at `startedMs`.
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<qint64>("startedMs");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("expected");
        const QString none = QStringLiteral("—");
        QTest::newRow("no categories") << 0 << 0 << qint64(0) << qint64(9000) << none;
        QTest::newRow("before the first category") << -1 << 10 << qint64(0) << qint64(0) << none;
        QTest::newRow("10 categories, second") << 1 << 10 << qint64(3000) << qint64(3000) << none;
        QTest::newRow("10 categories, third estimates") << 2 << 10 << qint64(4000) << qint64(4000) << "~0:16";
        QTest::newRow("20 categories, third") << 2 << 20 << qint64(4000) << qint64(4000) << none;
        QTest::newRow("20 categories, fourth estimates") << 3 << 20 << qint64(3000) << qint64(3500) << "~0:16";
        QTest::newRow("counts down") << 2 << 10 << qint64(4000) << qint64(10000) << "~0:10";
        QTest::newRow("one big category outlasts it") << 2 << 10 << qint64(4000) << qint64(20500) << none;
        QTest::newRow("long scan") << 4 << 10 << qint64(90000) << qint64(91000) << "~2:14";
        QTest::newRow("past the end") << 12 << 10 << qint64(5000) << qint64(5000) << none;
    }

    void remainingText()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(qint64, startedMs);
        QFETCH(qint64, elapsedMs);
        QTEST(CleanupPage::remainingText(index, count, startedMs, elapsedMs), "expected");
    }

    // The done view's line naming the programs that hold skipped files: the
    // first (most files) by name, then the second or how many others.
    void holdersText_data()
    {
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<qint64>("heldFiles");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none named") << QStringList{} << qint64(2) << QString();
        QTest::newRow("one file, one program") << QStringList{"Firefox"} << qint64(1) << "1 file is in use by Firefox.";
        QTest::newRow("files, one program") << QStringList{"Firefox"} << qint64(3) << "3 files are in use by Firefox.";
        QTest::newRow("two programs") << QStringList{"Firefox", "code"} << qint64(2)
                                      << "2 files are in use by Firefox and code.";
        QTest::newRow("three programs") << QStringList{"Firefox", "code", "sleep"} << qint64(4)
                                        << "4 files are in use by Firefox and 2 other programs.";
    }

    void holdersText()
    {
        QFETCH(QStringList, programs);
        QFETCH(qint64, heldFiles);
        CleanReport report;
        report.heldFiles = heldFiles;
        for (const QString &name : programs)
            report.holders.append({name, {42}, 1});
        QTEST(CleanupPage::holdersText(report), "expected");
    }

    // The clock ticks on its own while the scanner is silent, and one large
    // root reports from inside its walk: by folder (a labelled root) and by
    // entry (a listing root).
    void scanKeepsMoving()
    {
        if (testsupport::runsUnderWine())
            QSKIP("Wine takes many minutes to create the 100000 files");
        TempFolder big;
        const QString dir = big.makeDir("many");
        QVERIFY(!dir.isEmpty());
        for (int k = 0; k < 100000; ++k) {
            const int fd = ::open(QFile::encodeName(dir + QStringLiteral("/f%1").arg(k)).constData(),
                                  O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        auto gate = std::make_shared<QSemaphore>();
        Scanned s([dir, gate] {
            gate->acquire();
            CategoryDef labelled = categoryDef("labelled", Safe, {});
            labelled.roots = {CategoryRoot{dir, {}, QStringLiteral("Many")}};
            return QList<CategoryDef>{labelled, categoryDef("listed", Safe, dir)};
        });
        QMap<int, QSet<QString>> counts, paths;
        Scanner::setProgressInterval(0);
        auto defaultInterval = qScopeGuard([] { Scanner::setProgressInterval(60); });
        connect(&s.state, &AppState::scanProgressChanged, this, [&] {
            counts[s.state.currentIndex()].insert(text(s.page, "itemsChecked"));
            paths[s.state.currentIndex()].insert(text(s.page, "scanPath"));
        });
        s.state.startScan();
        QTRY_COMPARE_WITH_TIMEOUT(text(s.page, "elapsed"), QStringLiteral("0:01"), 3000);
        QCOMPARE(text(s.page, "itemsChecked"), QStringLiteral("0"));
        gate->release();
        QVERIFY(QTest::qWaitFor([&] { return s.state.phase() == AppState::Results; }, 60000));
        // Besides the category's own start and end.
        QVERIFY2(counts.value(0).size() > 3, qPrintable(QStringList(counts.value(0).values()).join(u' ')));
        QVERIFY2(counts.value(1).size() > 3, qPrintable(QStringList(counts.value(1).values()).join(u' ')));
        QVERIFY(paths.value(1).size() > 3);
    }

    // temp/a.bin (8 KB), b.bin and c.bin (4 KB each); `held` stay open (in
    // use, so the cleaner skips them), `unticked` are left out, `farAway`:
    // far.bin lies on a volume without a usable trash, `linked`: every file
    // has a second name outside, so moving it takes no space away. Afterwards
    // the category is measured again and lists what is `left`.
    void doneViewTellsWhatHappened_data()
    {
        QTest::addColumn<bool>("toTrash");
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QStringList>("unticked");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<bool>("farAway");
        QTest::addColumn<bool>("linked");
        QTest::newRow("deleted") << false << QStringList{} << QStringList{"c.bin"} << int(CleanupPage::Complete)
                                 << QStringList{"c.bin"} << false << false;
        QTest::newRow("moved") << true << QStringList{} << QStringList{} << int(CleanupPage::Complete)
                               << QStringList{} << false << false;
        QTest::newRow("moved, each file named elsewhere too") << true << QStringList{} << QStringList{}
                                                               << int(CleanupPage::Complete) << QStringList{} << false
                                                               << true;
        QTest::newRow("partly, one in use") << true << QStringList{"b.bin"} << QStringList{}
                                            << int(CleanupPage::Partial) << QStringList{"b.bin"} << false << false;
        QTest::newRow("nothing, the only one in use") << false << QStringList{"a.bin"} << QStringList{"b.bin", "c.bin"}
                                                      << int(CleanupPage::Failed)
                                                      << QStringList{"a.bin", "b.bin", "c.bin"} << false << false;
        QTest::newRow("partly, one on a drive without a trash") << true << QStringList{} << QStringList{}
                                                                 << int(CleanupPage::Partial) << QStringList{"far.bin"}
                                                                 << true << false;
    }

    void doneViewTellsWhatHappened()
    {
        QFETCH(bool, toTrash);
        QFETCH(QStringList, held);
        QFETCH(QStringList, unticked);
        QFETCH(int, outcome);
        QFETCH(QStringList, left);
        QFETCH(bool, farAway);
        QFETCH(bool, linked);
        if (!sandboxedTrash())
            QSKIP("needs the sandboxed XDG_DATA_HOME that CTest provides");
        AppSettings::instance()->setMoveToTrash(toTrash);
        TempFolder tmp;
        for (const auto &[name, size] : {std::pair{"a.bin", 8192}, {"b.bin", 4096}, {"c.bin", 4096}}) {
            QVERIFY(!tmp.makeFileOfSize(QStringLiteral("temp/") + name, size).isEmpty());
            QVERIFY(!linked || !tmp.makeHardLink(QStringLiteral("temp/") + name, name).isEmpty());
        }
        // The cache folder, a volume of its own: no trash may be made there.
        const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
        const QString far = cache + "/t/far.bin";
        const testsupport::PrivateMount volume(farAway ? cache : QString());
        if (farAway && !volume.isMounted())
            QSKIP("mounting needs root and a mount namespace of the test's own");
        QVERIFY(!farAway || (QDir().mkpath(cache + "/t") && testsupport::allocateFile(far, 4096)));
        Scanned s([root = tmp.path(), cache, farAway] {
            CategoryDef temp = categoryDef("temp", Safe, root + "/temp");
            if (farAway)
                temp.roots.append(CategoryRoot{cache + "/t", {}, {}});
            return QList<CategoryDef>{temp, binDef()};
        });
        QList<int> views;
        connect(&s.state, &AppState::phaseChanged, this, [&] { views.append(s.page.currentView()); });
        QVERIFY(s.scan());
        for (const QString &name : unticked)
            s.state.setItemSelected("temp", tmp.path("temp/" + name), false);
        // Said and not ticked; ticked by hand, it stays, with the true reason.
        const QList<QLabel *> states = s.page.findChildren<QLabel *>("itemState");
        QCOMPARE(states.size() == 1 && states.at(0)->text() == "No Trash on this drive", farAway);
        QCOMPARE(s.state.isItemSelected("temp", far), !farAway);
        s.state.setItemSelected("temp", far, true);
        qint64 cleaned = linked ? 0 : s.state.selectedBytes() - (farAway ? 4096 : 0);
        std::vector<std::unique_ptr<QFile>> open;
        for (const QString &name : held) {
            open.push_back(std::make_unique<QFile>(tmp.path("temp/" + name)));
            QVERIFY(open.back()->open(QIODevice::ReadOnly));
            cleaned -= open.back()->size();
        }
        const qint64 binBefore = s.state.findResult("trash")->bytes;

        s.state.startClean();
        QVERIFY(QTest::qWaitFor([&] { return s.state.phase() == AppState::Done; }, 20000));
        open.clear();
        const CleanReport &report = s.state.lastReport();
        QCOMPARE(views, (QList<int>{CleanupPage::ScanningView, CleanupPage::ResultsView, CleanupPage::CleaningView,
                                    CleanupPage::DoneView}));
        QCOMPARE(s.page.focusWidget(), s.page.findChild<QWidget *>("done"));
        QCOMPARE(s.page.outcome(), outcome);
        const QStringList titles{"Cleanup complete", "Partly cleaned", "Nothing was cleaned"};
        QCOMPARE(text(s.page, "doneTitle"), titles.at(outcome));

        QCOMPARE(visible(s.page, "freed"), outcome != CleanupPage::Failed);
        QCOMPARE(s.page.findChild<ui::GradientText *>("freed")->text(), formatSize(cleaned));
        const QString selected = formatSize(s.state.selectedBeforeClean());
        const QString what = toTrash ? QStringLiteral("moved to the Trash") : QStringLiteral("freed");
        const QStringList captions{what, QStringLiteral("of %1 selected · %2").arg(selected, what),
                                   QStringLiteral("None of the %1 selected could be cleaned.").arg(selected)};
        QCOMPARE(text(s.page, "freedCaption"), captions.at(outcome));
        QCOMPARE(visible(s.page, "modeLine"), outcome != CleanupPage::Failed);
        QCOMPARE(text(s.page, "modeLine"), toTrash ? QStringLiteral("Moved to the Trash. You can still restore anything.")
                                                   : QStringLiteral("Items were deleted permanently."));
        QCOMPARE(visible(s.page, "skippedNote"), !held.isEmpty() || farAway);
        // This test holds them: it is named, and trying again is offered.
        QCOMPARE(visible(s.page, "retry"), !held.isEmpty());
        const QString note = s.page.findChild<ui::Note *>("skippedNote")->label()->text();
        QCOMPARE(note.contains(" is in use by "), !held.isEmpty());
        QCOMPARE(note.contains("could not be moved to the Trash</b>"), farAway);

        // Nothing here can open the log: the user is told, with its path.
        QSignalSpy toasts(&s.state, &AppState::toast);
        s.page.findChild<QAbstractButton *>("viewLog")->click();
        QCOMPARE(toasts.count(), 1);
        QVERIFY(toasts.at(0).at(0).toString().contains(report.logPath));
        QVERIFY2(toasts.at(0).at(2).toBool(), "a failure shows as a warning");

        // What is left stays listed, measured again (which files stay is the
        // state's and the cleaner's tests); so does the grown bin.
        QTRY_VERIFY_WITH_TIMEOUT(!s.state.isMeasuring("temp") && !s.state.isMeasuring("trash"), 20000);
        QCOMPARE(s.state.findResult("temp")->items.size(), left.size());
        QCOMPARE(row(s.page, "temp") != nullptr, !left.isEmpty());
        QCOMPARE(s.state.findResult("trash")->bytes - binBefore, report.trashedBytes);
        const bool restored = toTrash && held.isEmpty() && !farAway;
        if (restored) {
            // Putting it all back: the view says so, and the figures follow.
            s.page.findChild<QAbstractButton *>("restoreAll")->click();
            QTRY_VERIFY_WITH_TIMEOUT(text(s.page, "modeLine").startsWith("Restored 3 items from the Trash"), 20000);
            QTRY_VERIFY_WITH_TIMEOUT(!s.state.isMeasuring("temp") && !s.state.isMeasuring("trash"), 20000);
            QCOMPARE(s.state.findResult("temp")->items.size(), 3);
            QCOMPARE(s.state.findResult("trash")->bytes, binBefore);
        }

        // Done leads back to what is left; an emptied category hands the
        // detail pane on, and a bin emptied again by the restore hands it back.
        QSignalSpy home(&s.page, &CleanupPage::goHome);
        s.page.findChild<QAbstractButton *>("done")->click();
        QCOMPARE(home.count(), 1);
        QCOMPARE(s.page.currentView(), int(CleanupPage::ResultsView));
        const bool backToTemp = !left.isEmpty() || (restored && binBefore == 0);
        QCOMPARE(s.page.focusedId(), backToTemp ? QStringLiteral("temp") : QStringLiteral("trash"));

        // The bin is emptied as a whole: its entries cannot be picked one by
        // one nor opened in the file manager, and it counts them (earlier runs
        // in this sandbox may have left some too).
        if (s.state.findResult("trash")->bytes == 0)
            return;
        s.page.focusCategory("trash");
        QCOMPARE(itemIcons(s.page), QStringList{"trash"});
        const qsizetype entries = QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files")
                                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                                      .size();
        QCOMPARE(text(s.page, "detailCount"), QStringLiteral("%1 items").arg(entries));
        QWidget *detail = s.page.findChild<QWidget *>("detail");
        QVERIFY(detail->findChildren<QCheckBox *>().isEmpty());
        QVERIFY(!detail->findChild<QAbstractButton *>("reveal"));
    }

    // After a restart there are no results, but there was a scan: both pages
    // say so.
    void emptyViewAfterRestart_data()
    {
        QTest::addColumn<QDateTime>("lastScan");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("section");
        QTest::newRow("never scanned") << QDateTime() << "Nothing scanned yet" << "What Smart Scan looks at";
        QTest::newRow("scanned before") << QDateTime::currentDateTime().addDays(-1) << "Scanned yesterday"
                                        << "Scan again to see what can be cleaned";
    }

    void emptyViewAfterRestart()
    {
        QFETCH(QDateTime, lastScan);
        AppSettings::instance()->setLastScan(lastScan);
        AppState state(emptyCatalogue());
        CleanupPage page(&state);
        ui::OverviewPage overview(&state);
        overview.setCatalogueSource(emptyCatalogue());
        QCOMPARE(page.currentView(), int(CleanupPage::EmptyView));
        QTEST(text(page, "emptyTitle"), "title");
        QCOMPARE(text(page, "emptyText").startsWith("Scan again"), lastScan.isValid());
        QTEST(overview.findChild<QLabel *>("sectionTitle")->text(), "section");
    }

    // Ticking a box rebuilds the list; the list stays where it was, with the
    // same row under the pointer. (Its scan checks the scanning view.)
    void listKeepsItsPlace_data()
    {
        QTest::addColumn<int>("position");  // per mille of the scroll range
        QTest::newRow("middle") << 500;
        QTest::newRow("bottom") << 1000;
    }

    void listKeepsItsPlace()
    {
        QFETCH(int, position);
        TempFolder tmp;
        QList<CategoryDef> defs;
        for (int k = 0; k < 14; ++k) {
            const QString id = QStringLiteral("c%1").arg(k, 2, 10, QLatin1Char('0'));
            QVERIFY(!tmp.makeFileOfSize(id + "/f.bin", 4096 * (k + 1)).isEmpty());
            defs.append(categoryDef(id, k % 3, tmp.path(id)));
        }
        Scanned s([defs] { return defs; });
        s.page.resize(1180, 520);
        // The scanning view follows the categories. Connected after the page,
        // so the page has redrawn when this runs: steps before the current one
        // are done (2), the current one runs (1).
        QSet<int> indices;
        connect(&s.state, &AppState::scanProgressChanged, this, [&] {
            const int index = s.state.currentIndex();
            if (s.state.phase() != AppState::Scanning || index < 0)
                return;
            QCOMPARE(s.page.currentView(), int(CleanupPage::ScanningView));
            indices.insert(index);
            for (int k = 0; k < defs.size(); ++k) {
                auto *step = s.page.findChild<ui::ScanStepRow *>(QStringLiteral("step%1").arg(k));
                QCOMPARE(step ? step->state() : -1, k < index ? 2 : k == index ? 1 : 0);
            }
        });
        QVERIFY(s.scan());
        QCOMPARE(indices.size(), defs.size());
        auto *scroll = s.page.findChild<QScrollArea *>("listScroll");
        QScrollBar *bar = scroll->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 100);
        bar->setValue(bar->maximum() * position / 1000);
        const int before = bar->value();
        const QPoint point(scroll->viewport()->width() / 2, scroll->viewport()->height() / 2);
        const auto rowAt = [&] {
            for (QWidget *w = scroll->viewport()->childAt(point); w; w = w->parentWidget()) {
                if (w->objectName().startsWith("categoryRow_"))
                    return w->objectName();
            }
            return QString();
        };
        const QString under = rowAt();
        QVERIFY(!under.isEmpty());
        for (int click = 0; click < 2; ++click) {
            auto *box = s.page.findChild<QWidget *>(under)->findChild<QCheckBox *>("check");
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            QTest::qWait(50);
            QCOMPARE(bar->value(), before);
            QCOMPARE(rowAt(), under);
        }
    }
};

QTEST_MAIN(TestCleanupPage)
#include "tst_cleanuppage.moc"
