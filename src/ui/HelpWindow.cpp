#include "ui/HelpWindow.h"

#include "ui/WindowPlacement.h"

#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The help in the player's language, or in English, in the order the translations
// are chosen by.
QString HelpFile(const QLocale& locale)
{
    for (QString language : locale.uiLanguages()) {
        if (QLocale(language).language() == QLocale::English)
            break;
        for (;;) {
            const QString file = QStringLiteral(":/help/vandrel-help_%1.html").arg(language.replace(u'-', u'_'));
            if (QFileInfo::exists(file))
                return file;
            const qsizetype cut = language.lastIndexOf(u'_');
            if (cut < 0)
                break;
            language.truncate(cut);
        }
    }
    return QStringLiteral(":/help/vandrel-help.html");
}

} // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window)
{
    setWindowTitle(tr("Vandrel Help"));
    mBrowser = new QTextBrowser(this);
    mBrowser->setAccessibleName(windowTitle());
    mBrowser->setSource(QUrl(QStringLiteral("qrc") + HelpFile(QLocale())));
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
