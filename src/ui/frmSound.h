#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class SoundChoice;

// The sound options dialog: a view of the player's sound choice. It is shown
// without an owner and is not modal; OK and Cancel hide it and bring the main
// window back. Its title-bar close button acts as Cancel, so the main window
// always comes back. The "..." button beside the path box picks the music with the
// platform's file dialog.
class frmSound final : public QDialog
{
    Q_OBJECT

public:
    // fileTypes: the file name extensions of the sound files that can be played.
    frmSound(SoundChoice& choice, QWidget* mainWindow,
             std::function<QStringList()> fileTypes);

    void accept() override; // OK, or Enter
    void reject() override; // Cancel, Esc, or the title bar's close button

signals:
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowChoice();
    void ChooseMusic();
    void BackToTheGame();

    SoundChoice& mChoice;
    QWidget* mMainWindow;
    std::function<QStringList()> mFileTypes;
    QButtonGroup* mOptions = nullptr;
    QLineEdit* mMusic = nullptr;
    QPushButton* mBrowse = nullptr;
    QPushButton* mOK = nullptr;
};
