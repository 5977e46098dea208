#include "ui/HelpWindow.h"

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
}

void HelpWindow::ShowHelp()
{
    show();
    raise();
    activateWindow();
}

QString HelpWindow::Text() const
{
    return mBrowser->toPlainText();
}
