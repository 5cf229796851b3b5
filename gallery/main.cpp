// varnholt-gallery: the widget kit on one board, for looking at the kit
// without the pages. With --out DIR it renders the board offscreen in light
// and dark mode and writes gallery-light.png and gallery-dark.png.

#include "app/appsettings.h"
#include "gallery/gallerypage.h"
#include "ui/i18n.h"
#include "ui/theme.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLayout>
#include <QScrollArea>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstring>

namespace {

bool wantsOut(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 || std::strncmp(argv[i], "--out=", 6) == 0)
            return true;
    }
    return false;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The board as a screenshot, with a picture of the select's open list.
QImage render(GalleryPage *page)
{
    settle();
    page->snapshotPopup();
    QLayout *layout = page->layout();
    const int w = page->width();
    page->resize(w, layout->hasHeightForWidth() ? layout->totalHeightForWidth(w) : page->sizeHint().height());
    settle();
    return page->grab().toImage();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool offscreen = wantsOut(argc, argv);
    if (offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every widget of the Varnholt kit."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Write light and dark PNGs into <dir>."),
                                 QStringLiteral("dir"));
    parser.addOption(out);
    parser.process(app);

    // The gallery switches between light and dark through the theme setting.
    // Where the store is a file, point it at a private folder so the user's
    // own preferences are never written; elsewhere put the value back on exit.
    QTemporaryDir settingsDir;
    if (settingsDir.isValid())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    AppSettings *settings = AppSettings::instance();
    const int originalTheme = settings->theme();

    ui::applyLanguage(&app);
    Theme::instance()->install(&app);

    int rc = 0;
    if (parser.isSet(out)) {
        const QString dir = parser.value(out);
        QDir().mkpath(dir);
        GalleryPage page;
        page.resize(page.sizeHint().expandedTo(QSize(1480, 0)));
        page.show();
        for (const auto &[mode, name] : {std::pair{1, "light"}, std::pair{2, "dark"}}) {
            settings->setTheme(mode);
            Theme::instance()->apply();
            const QString file = QDir(dir).filePath(QStringLiteral("gallery-%1.png").arg(QLatin1String(name)));
            if (!render(&page).save(file)) {
                QTextStream(stderr) << "cannot write " << file << '\n';
                rc = 1;
            } else {
                QTextStream(stdout) << file << '\n';
            }
        }
    } else {
        QScrollArea window;
        window.setWindowTitle(QStringLiteral("Varnholt gallery"));
        window.setWidgetResizable(true);
        window.setWidget(new GalleryPage);
        window.resize(1400, 900);
        window.show();
        rc = app.exec();
    }
    settings->setTheme(originalTheme);
    return rc;
}
