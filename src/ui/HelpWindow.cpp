#include "ui/HelpWindow.h"

#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window)
{
    setWindowTitle(tr("Vandrel Help"));
    mBrowser = new QTextBrowser(this);
    mBrowser->setOpenExternalLinks(false);
    mBrowser->setSource(QUrl(QStringLiteral("qrc:/help/vandrel-help.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mBrowser);
    resize(520, 600);
    for (auto* shortcut : {new QShortcut(QKeySequence(Qt::Key_Escape), this),
                           new QShortcut(QKeySequence::Close, this)})
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowOver(const QWidget& window)
{
    if (!isVisible()) {
        if (const QScreen* screen = window.screen())
            resize(size().boundedTo(screen->availableGeometry().size() * 0.9));
        WindowPlacement::CentreOn(*this, window.frameGeometry());
    }
    show();
    raise();
    activateWindow();
}
