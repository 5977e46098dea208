// The sound options dialog, the menus' window commands, help and the splash
// window, offscreen, on in-memory services.

#include "TextList.h"
#include "WindowHarness.h"
#include "ui/HelpWindow.h"
#include "ui/QtDialogs.h"
#include "ui/RoadView.h"
#include "ui/frmMain.h"
#include "ui/frmSound.h"
#include "ui/frmSplash.h"

#include <QtTest>

#include <QButtonGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

struct Window : WindowHarness
{
    template <typename T>
    T* In(QWidget* parent, const char* name) { return parent->findChild<T*>(name); }
};

// Answers the next modal dialog as soon as it is up.
void Answer(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        answer(dialog);
    });
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void soundDialogOpensWithTheStoredChoice();
    void soundDialogKeepsOrForgetsTheChoice_data();
    void soundDialogKeepsOrForgetsTheChoice();
    void pathBoxFollowsTheClickRule();
    void openingAMenuPauses_data();
    void openingAMenuPauses();
    void menuCommandsReachTheGame();
    void minimisingPauses();
    void keysDoNotHoldBackTheTick();
    void helpPausesAndOpensTheHelp();
    void closingStopsTheSoundAndTheDialog();
    void messageAndInputBoxesAnswer_data();
    void messageAndInputBoxesAnswer();
    void splashPictureSuitsEveryScreen_data();
    void splashPictureSuitsEveryScreen();
    void splashOpensTheMainWindowBeforeItCloses();
};

void TestWindows::soundDialogOpensWithTheStoredChoice()
{
    Window w;
    frmSound* dialog = w.OpenSoundDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!w.form->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Sound Options"));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QCOMPARE(dialog->size(), QSize(255, 144));
    QVERIFY(w.In<QRadioButton>(dialog, "optSound1")->isChecked());
    QCOMPARE(w.In<QRadioButton>(dialog, "optSound0")->text(), QStringLiteral("Background Music"));
    const QLineEdit* path = w.In<QLineEdit>(dialog, "txtMusic");
    QVERIFY(path->text().isEmpty());
    QVERIFY(!path->isEnabled());
    QVERIFY(w.In<QPushButton>(dialog, "cmdOK")->isDefault());
    QVERIFY(!w.form->Timer1().isActive()); // the menu paused the game
}

void TestWindows::soundDialogKeepsOrForgetsTheChoice_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("musicPath");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("OK") << "ok" << "0" << "/music/drive.wav" << QStringList{"music:/music/drive.wav"};
    QTest::newRow("Enter") << "enter" << "0" << "/music/drive.wav"
                           << QStringList{"music:/music/drive.wav"};
    QTest::newRow("Cancel") << "cancel" << "1" << "" << QStringList{};
    QTest::newRow("Esc") << "escape" << "1" << "" << QStringList{};
    QTest::newRow("title-bar close acts as Cancel") << "close" << "1" << "" << QStringList{};
}

void TestWindows::soundDialogKeepsOrForgetsTheChoice()
{
    QFETCH(QString, how);
    QFETCH(QString, sound);
    QFETCH(QString, musicPath);
    QFETCH(QStringList, calls);

    Window w;
    frmSound* dialog = w.OpenSoundDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    w.In<QRadioButton>(dialog, "optSound0")->click();
    QLineEdit* path = w.In<QLineEdit>(dialog, "txtMusic");
    QVERIFY(path->isEnabled());
    path->setFocus();
    QTest::keyClicks(path, QStringLiteral("/music/drive.wav"));

    if (how == "ok")
        w.In<QPushButton>(dialog, "cmdOK")->click();
    else if (how == "cancel")
        w.In<QPushButton>(dialog, "cmdCancel")->click();
    else if (how == "enter")
        QTest::keyClick(path, Qt::Key_Return);
    else if (how == "escape")
        QTest::keyClick(path, Qt::Key_Escape);
    else
        dialog->close();

    QVERIFY(!dialog->isVisible());
    QVERIFY(w.form->isVisible());
    QVERIFY(!w.form->Timer1().isActive()); // still paused until a key in the road
    QCOMPARE(QString::fromStdString(w.store.GetSetting("Vandrel", "Initial", "Sound")), sound);
    QCOMPARE(QString::fromStdString(w.store.GetSetting("Vandrel", "Initial", "MusicPath")),
             musicPath);
    QCOMPARE(TextList(w.sound.calls), calls);

    // Opened again, the dialog shows what is stored.
    w.OpenSoundDialog();
    QCOMPARE(w.In<QRadioButton>(dialog, "optSound0")->isChecked(), sound == "0");
    QCOMPARE(path->text(), musicPath);
    QCOMPARE(path->isEnabled(), sound == "0"); // Cancel ran the loading step again

    // A key in the road resumes the game.
    QTest::keyClick(w.form->Road(), Qt::Key_Left);
    QVERIFY(w.form->Timer1().isActive() || !w.form->isVisible());
}

void TestWindows::pathBoxFollowsTheClickRule()
{
    Window w;
    frmSound* dialog = w.OpenSoundDialog();
    w.In<QRadioButton>(dialog, "optSound0")->click();
    w.In<QRadioButton>(dialog, "optSound2")->click();
    QVERIFY(w.In<QLineEdit>(dialog, "txtMusic")->isEnabled());
    w.In<QPushButton>(dialog, "cmdOK")->click();
    QCOMPARE(w.store.GetSetting("Vandrel", "Initial", "Sound"), std::string("2"));
    w.OpenSoundDialog();
    QVERIFY(w.In<QLineEdit>(dialog, "txtMusic")->isEnabled());
}

void TestWindows::openingAMenuPauses_data()
{
    QTest::addColumn<QString>("menu");
    QTest::newRow("Game") << "mnuGame";
    QTest::newRow("Help") << "mnuHelpMenu";
}

void TestWindows::openingAMenuPauses()
{
    QFETCH(QString, menu);
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    w.form->findChild<QMenu*>(menu)->popup(w.form->mapToGlobal(QPoint(0, 0)));
    QVERIFY(!w.form->Timer1().isActive());
    QVERIFY(w.form->Controls().lblPaused->Visible);
    w.form->findChild<QMenu*>(menu)->close();
}

void TestWindows::menuCommandsReachTheGame()
{
    Window w;
    w.OpenMenu("mnuGame");
    w.random.draws = {0, 0, 0, 0, 0, 0};
    w.Trigger("mnuNewGame");
    QVERIFY(w.form->Timer1().isActive());

    w.OpenMenu("mnuGame");
    w.dialogs.typed = {"150"};
    w.random.draws = {0, 0, 0, 0, 0, 0};
    w.Trigger("mnuSetSpeed");
    QVERIFY(w.form->Timer1().isActive());
    QCOMPARE(w.form->Controls().lblSpeed->Caption, std::string("150 kmph"));

    w.OpenMenu("mnuHelpMenu");
    w.Trigger("mnuAbout");
    QCOMPARE(w.dialogs.boxes.back().substr(0, 6), std::string("About|"));
    QVERIFY(!w.form->Timer1().isActive());
}

void TestWindows::minimisingPauses()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    w.form->showMinimized();
    QTRY_VERIFY(w.form->isMinimized());
    QVERIFY(!w.form->Timer1().isActive());
    w.form->showNormal();
    QTRY_VERIFY(!w.form->isMinimized());
    QVERIFY(!w.form->Timer1().isActive()); // restored, still paused
    QVERIFY(w.form->Controls().lblPaused->Visible);
}

void TestWindows::keysDoNotHoldBackTheTick()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    int ticks = 0;
    connect(&w.form->Timer1(), &QTimer::timeout, [&ticks] { ++ticks; });
    // A key every 10 ms for a second: the tick keeps its own 50 ms rhythm (20 ticks).
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(w.form->Road(), Qt::Key_A);
        QTest::qWait(10);
    }
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
}

void TestWindows::helpPausesAndOpensTheHelp()
{
    Window w;
    w.OpenMenu("mnuHelpMenu");
    QTest::keyClick(w.form->Road(), Qt::Key_Left); // running again
    QVERIFY(w.form->Timer1().isActive());
    w.Trigger("mnuHelp");
    QTRY_VERIFY(w.form->Help() && w.form->Help()->isVisible());
    QVERIFY(!w.form->Timer1().isActive());
    QVERIFY(w.form->Help()->Text().contains(QStringLiteral("Time bonus")));
    QVERIFY(w.form->Help()->Text().contains(QStringLiteral("Set Speed")));
}

void TestWindows::closingStopsTheSoundAndTheDialog()
{
    Window w;
    w.OpenSoundDialog();
    w.In<QPushButton>(w.form->SoundDialog(), "cmdCancel")->click();
    w.sound.calls.clear();
    w.form->close();
    QCOMPARE(w.sound.calls, std::vector<std::string>{"stop"});
    QVERIFY(!w.form->SoundDialog());
}

void TestWindows::messageAndInputBoxesAnswer_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("answer");

    QTest::newRow("input box typed") << "input" << "120";
    QTest::newRow("input box cancelled") << "input" << "<cancel>";
    QTest::newRow("Yes") << "yesno" << "Yes";
    QTest::newRow("No") << "yesno" << "No";
    QTest::newRow("OK") << "ok" << "Ok";
}

void TestWindows::messageAndInputBoxesAnswer()
{
    QFETCH(QString, kind);
    QFETCH(QString, answer);

    QtDialogs dialogs;
    if (kind == "input") {
        Answer([answer](QWidget* widget) {
            auto* input = qobject_cast<QInputDialog*>(widget);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), QStringLiteral("Set Speed"));
            QCOMPARE(input->labelText(), QStringLiteral("Enter the speed:"));
            QCOMPARE(input->textValue(), QStringLiteral("100"));
            if (answer == "<cancel>") {
                input->reject();
            } else {
                input->setTextValue(answer);
                input->accept();
            }
        });
        const std::string typed = dialogs.InputBox("Enter the speed:", "Set Speed", "100");
        QCOMPARE(QString::fromStdString(typed), answer == "<cancel>" ? QString() : answer);
        return;
    }
    Answer([answer](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Time Over!!\nYou covered 0.833 km"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Game Over"));
        box->button(answer == "Yes" ? QMessageBox::Yes
                    : answer == "No" ? QMessageBox::No
                                     : QMessageBox::Ok)->click();
    });
    const auto style = kind == "yesno" ? Dialogs::Style::YesNoQuestion : Dialogs::Style::OkExclamation;
    const auto result = dialogs.MsgBox("Time Over!!\r\nYou covered 0.833 km", style, "Game Over");
    const auto expected = answer == "Yes" ? Dialogs::Answer::Yes
        : answer == "No"                  ? Dialogs::Answer::No
                                          : Dialogs::Answer::Ok;
    QCOMPARE(result, expected);
}

void TestWindows::splashPictureSuitsEveryScreen_data()
{
    QTest::addColumn<qreal>("pixelRatio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("1.25x") << 1.25;
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("3x") << 3.0;
}

void TestWindows::splashPictureSuitsEveryScreen()
{
    QFETCH(qreal, pixelRatio);
    const QPixmap picture = frmSplash::Picture(pixelRatio);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.devicePixelRatio(), pixelRatio);
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(407, 310));
    // Every device pixel its own: neither blurred up from 1x nor cut.
    QCOMPARE(picture.size(), (QSizeF(407, 310) * pixelRatio).toSize());
}

void TestWindows::splashOpensTheMainWindowBeforeItCloses()
{
    bool splashUpWhenMainShown = false;
    int shown = 0;
    QPointer<frmSplash> splash;
    splash = new frmSplash([&] {
        ++shown;
        splashUpWhenMainShown = splash->isVisible();
    });
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(splash->size(), QSize(407, 310));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);

    QTest::qWait(1500);
    QCOMPARE(shown, 0); // nothing of the game while the splash is up
    QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 2000);
    QVERIFY(splashUpWhenMainShown);
    QTRY_VERIFY(splash.isNull()); // gone, with its picture
    QTest::qWait(2100);
    QCOMPARE(shown, 1);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
