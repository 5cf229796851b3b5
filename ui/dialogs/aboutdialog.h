#pragma once

#include <QUrl>

#include "ui/dialogs/overlay.h"

namespace ui {

class Button;

// Name, version and the vendor's website.
//
// Owner's part: `(new AboutDialog(host))->open()` from the application menu.
class AboutDialog final : public Overlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QWidget *host);

    static QUrl websiteUrl();
    Button *websiteButton() const { return m_website; }
    Button *closeButton() const { return m_close; }

private:
    Button *m_website = nullptr;
    Button *m_close = nullptr;
};

} // namespace ui
