#include "ui/dialogs/aboutdialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/icons.h"
#include "ui/widgets/button.h"

namespace ui {

namespace {

class Logo final : public QWidget
{
public:
    Logo(int size, QWidget *parent) : QWidget(parent) { setFixedSize(size, size); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        paintLogo(&p, QRectF(rect()));
    }
};

QLabel *centred(const QString &text, const char *role, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("role", role);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

QUrl AboutDialog::websiteUrl()
{
    return QUrl(QStringLiteral("https://varnholt.app/"));
}

AboutDialog::AboutDialog(QWidget *host) : Overlay(host)
{
    panel()->setFixedWidth(340);
    auto *layout = new QVBoxLayout(panel());
    layout->setContentsMargins(28, 28, 28, 22);
    layout->setSpacing(4);
    layout->addWidget(new Logo(72, panel()), 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(centred(QStringLiteral("Varnholt"), "h2", panel()));
    //: %1: a version number
    layout->addWidget(centred(QCoreApplication::translate("Overlay", "Version %1").arg(QStringLiteral(VARNHOLT_VERSION)),
                              "sub", panel()));
    layout->addSpacing(10);
    layout->addWidget(centred(QCoreApplication::translate("Overlay", "Finds the space your computer can spare."),
                              "micro", panel()));
    layout->addSpacing(16);

    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    //: Link in the About dialog
    m_website = new Button(QCoreApplication::translate("MenuBar", "Varnholt Website"), {},
                           QStringLiteral("external"), {}, panel());
    //: Button that closes a dialog
    m_close = new Button(QCoreApplication::translate("Overlay", "Close"), QStringLiteral("primary"), {}, {},
                         panel());
    m_close->setDefault(true);
    for (Button *button : {m_website, m_close}) {
        button->setSizePolicy(QSizePolicy::Expanding, button->sizePolicy().verticalPolicy());
        row->addWidget(button, 1);
    }
    layout->addLayout(row);

    connect(m_website, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(websiteUrl()); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace ui
