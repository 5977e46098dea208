#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: a window of its own showing the help document.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    HelpWindow();

    // Shows the window, or brings it to the front when it is open already.
    void ShowHelp();

    QString Text() const;

private:
    QTextBrowser* mBrowser = nullptr;
};
