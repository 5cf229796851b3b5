#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "app/appsettings.h"
#include "app/appstate.h"
#include "support/tempfolder.h"
#include "support/uitest.h"
#include "ui/mainwindow.h"
#include "ui/pages/cleanuppage.h"
#include "ui/pages/largefilespage.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/theme.h"
#include "ui/widgets/focusring.h"

// The window at its minimum size, 960 x 640, in English, German, Russian,
// French and Japanese, and at its first size in German, French and Russian:
// every screen is grabbed to a PNG (offscreen), the texts of the narrow
// places (sidebar, page headers and footers, cards) must fit, and every label that
// elides must keep at least four characters before its ellipsis, so no word
// is cut to a letter and a dot (in English no category name at all), and
// every control Tab reaches shows a ring. The language is fixed per process,
// so each one runs in a child copy of this test.

using namespace ui;

namespace {

const char *const kChildVariable = "VARNHOLT_MINSIZE_CHILD";
constexpr int kKeptCharacters = 4;

// What the cleanup and the finder find: names as long as real ones get. Both
// count allocated space, so the files take their blocks without a byte
// being written.
void fillHome()
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    const QString home = QDir::homePath();
    QVERIFY(!cache.isEmpty() && cache != QDir::homePath() + QStringLiteral("/.cache"));
    using File = std::pair<QString, qint64>;
    for (const auto &[path, size] :
         {File{cache + "/com.example.PhotoOrganizerPro/Thumbnails_Rendered_At_Startup.bin", 900000},
          {cache + "/com.example.PhotoOrganizerPro/Shared_Preview_Store.bin", 400000},
          {cache + "/thumbnails/large/6b8a0f3e4c8d2a91b7e5f0c3d1a2b4c6.png", 300000},
          {home + "/Videos/Family Holiday in the Mountains 2023 (uncut).mkv", qint64(140) << 20},
          {home + "/Downloads/installer-image-for-the-new-release.iso", qint64(110) << 20}})
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && testsupport::allocateFile(path, size));
}

// "name: shown text" for every visible eliding label that keeps fewer than
// four characters (or all of a shorter text) before its ellipsis.
QStringList cutLabels(QWidget *window)
{
    const bool english = qEnvironmentVariable("VARNHOLT_LANG") == u"en";
    QStringList cut;
    for (const ElidedLabel *label : window->findChildren<ElidedLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->visibleRegion().isEmpty())
            continue;
        const QString shown = label->shownText();
        if (shown == label->text())
            continue;
        const bool name = label->objectName() == u"detailName"
                          || label->parentWidget()->objectName().startsWith(u"categoryRow_");
        const QString kept = QString(shown).remove(QChar(0x2026)).trimmed();
        if ((english && name) || kept.size() < std::min<qsizetype>(kKeptCharacters, label->text().size()))
            cut << QStringLiteral("%1 \"%2\" shown as \"%3\" in %4 px")
                       .arg(label->objectName(), label->text(), shown)
                       .arg(label->width());
    }
    return cut;
}

// Texts of the sidebar, the page headers and footers and the cards that do
// not fit: an eliding label that elides, a one-line label or a button
// narrower than its text.
QStringList clippedTexts(QWidget *window)
{
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QAbstractButton *>(w);
        if (!(label || button) || !w->isVisible() || w->visibleRegion().isEmpty())
            continue;
        bool narrow = false;
        for (const QWidget *p = w->parentWidget(); p && !narrow; p = p->parentWidget())
            narrow = p->inherits("ui::Sidebar") || p->inherits("ui::PageHeader") || p->inherits("ui::FooterBar")
                     || p->inherits("ui::Card");
        const QString text = label ? label->text() : button->text();
        if (!narrow || text.isEmpty() || (label && (label->wordWrap() || Qt::mightBeRichText(text))))
            continue;
        // Names and paths (shown as written, or eliding by KeepTail) elide by
        // design, they are no translations; the sidebar's entries
        // paint their text in 13 px beside a 16 px icon, 48 px of padding in all.
        const auto *elided = qobject_cast<ElidedLabel *>(w);
        const bool nav = w->inherits("ui::NavButton");
        if ((button && !nav && !w->inherits("ui::Button")) || (w->font().styleStrategy() & QFont::PreferNoShaping)
            || (elided && elided->elide() == ElidedLabel::KeepTail))
            continue;
        const int needed = nav      ? QFontMetrics(Theme::instance()->font(13, 500)).horizontalAdvance(text)
                           : button ? w->sizeHint().width()
                                    : w->fontMetrics().horizontalAdvance(text);
        const int available = nav ? w->width() - 48 : button ? w->width() : w->contentsRect().width();
        if (elided ? elided->shownText() != text : needed > available)
            out << QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(available);
    }
    return out;
}

// Controls that Tab reaches but that show no ring around or inside them
// (a line edit marks its focus with its border).
QStringList unmarkedFocus(QWidget *window)
{
    QStringList out;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        qreal radius = 0;
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || qobject_cast<const QLineEdit *>(w)
            || w->property("focusRing").isValid() || !focus::ringShape(w, &radius).isEmpty())
            continue;
        out << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    }
    return out;
}

} // namespace

class TestMinimumSize final : public QObject
{
    Q_OBJECT

private slots:
    void languages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("initialSize");
        for (const char *code : {"en", "de", "ja", "ru", "fr"})
            QTest::newRow(code) << QString::fromLatin1(code) << false;
        for (const char *code : {"de", "ru", "fr"})
            QTest::addRow("%s at first size", code) << QString::fromLatin1(code) << true;
    }

    void languages()
    {
        if (qEnvironmentVariableIsSet(kChildVariable))
            QSKIP("the parent process runs the languages");
#ifdef Q_OS_WIN
        QSKIP("would plant its large files in the user's profile, which HOME does not move");
#endif
        QFETCH(QString, code);
        QFETCH(bool, initialSize);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        env.insert(QStringLiteral("VARNHOLT_LANG"), code);
        if (initialSize)
            env.insert(QStringLiteral("VARNHOLT_MINSIZE_INITIAL"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("screensAtMinimumSize")});
        QVERIFY(child.waitForFinished(180000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitCode() == 0 && output.contains("PASS   : TestMinimumSize::screensAtMinimumSize"),
                 output.constData());
        qInfo("%s", output.constData());
        QStringList clipped;
        static const QRegularExpression line(QStringLiteral("clipped: (.*)"));
        for (auto it = line.globalMatch(QString::fromUtf8(output)); it.hasNext();)
            clipped << it.next().captured(1);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    void screensAtMinimumSize()
    {
        if (!qEnvironmentVariableIsSet(kChildVariable))
            QSKIP("runs in a child process per language");
        startUiTest();
        QSettings().clear();
        AppSettings::instance()->setLargeThresholdMB(100);
        // A falling history, so the Overview shows its forecast card too.
        for (int day = 0; day < 10; ++day)
            AppSettings::instance()->recordFreeSpace({1'780'000'000'000 + day * forecast::kDayMs,
                                                      (qint64(100) - 2 * day) << 30, qint64(500) << 30});
        fillHome();
        const QString shots = QDir::temp().filePath(QStringLiteral("minimum-size"));
        QDir().mkpath(shots);

        AppState state;
        MainWindow::Options options;
        options.manifestUrl = QUrl(QStringLiteral("http://127.0.0.1:9/manifest.json"));
        options.trustedDomain = QString();
        options.autoUpdateDelayMs = -1;
        MainWindow window(&state, options);
        const QSize size = qEnvironmentVariableIsSet("VARNHOLT_MINSIZE_INITIAL") ? MainWindow::kInitialSize
                                                                                 : MainWindow::kMinimumSize;
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), size);

        QStringList failures;
        const auto screen = [&](const char *name) {
            QTest::qWait(100);  // rebuilt parts are laid out at the next turn
            const QString file = QStringLiteral("%1/%2-%3x%4-%5.png")
                                     .arg(shots, qEnvironmentVariable("VARNHOLT_LANG"))
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(QString::fromLatin1(name));
            window.grab().save(file);
            qInfo("screenshot: %s", qPrintable(file));
            for (const QString &cut : cutLabels(&window) + unmarkedFocus(&window))
                failures << QString::fromLatin1(name) + QStringLiteral(": ") + cut;
            for (const QString &clip : clippedTexts(&window))
                qInfo("clipped: %s: %s", name, qPrintable(clip));
        };

        screen("overview");
        state.startScan();
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 60000));
        window.showPage(MainWindow::PageCleanup);
        static_cast<CleanupPage *>(window.page(MainWindow::PageCleanup))->focusCategory(QStringLiteral("appcache"));
        screen("cleanup");
        window.showPage(MainWindow::PageOverview);
        screen("overview-results");
        window.showPage(MainWindow::PageSpaceMap);
        auto *map = static_cast<LargeFilesPage *>(window.page(MainWindow::PageSpaceMap));
        QVERIFY(QTest::qWaitFor([&] { return map->currentView() == LargeFilesPage::ResultsView; }, 60000));
        screen("space-map");
        window.showPage(MainWindow::PageSettings);
        screen("settings");
        QCOMPARE(window.size(), size);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }
};

QTEST_MAIN(TestMinimumSize)
#include "tst_minimumsize.moc"
