#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: a window of its own showing the help document. Escape and
// the platform's Close shortcut close it.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    HelpWindow();

    // Shows the window centred over another when it opens, or brings it to the
    // front when it is open already.
    void ShowOver(const QWidget& window);

private:
    QTextBrowser* mBrowser = nullptr;
};
