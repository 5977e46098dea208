#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class SoundChoice;

// The sound options dialog: a view of the player's sound choice. It is shown
// without an owner and is not modal; OK and Cancel hide it and bring the main
// window back. Its title-bar close button acts as Cancel, so the main window
// always comes back.
class frmSound final : public QDialog
{
    Q_OBJECT

public:
    frmSound(SoundChoice& choice, QWidget* mainWindow);

    void accept() override; // OK, or Enter
    void reject() override; // Cancel, Esc, or the title bar's close button

signals:
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowChoice();
    void BackToTheGame();

    SoundChoice& mChoice;
    QWidget* mMainWindow;
    QButtonGroup* mOptions = nullptr;
    QLineEdit* mMusic = nullptr;
};
