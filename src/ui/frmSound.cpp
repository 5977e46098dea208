#include "ui/frmSound.h"

#include "game/SoundChoice.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

frmSound::frmSound(SoundChoice& choice, QWidget* mainWindow,
                   std::function<QStringList()> fileTypes)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      mChoice(choice),
      mMainWindow(mainWindow),
      mFileTypes(std::move(fileTypes))
{
    //: The sound dialog's title
    setWindowTitle(tr("Sound Options"));
    setFixedSize(Twips::ToPixels(0, 0, 3825, 2160).size());

    mOptions = new QButtonGroup(this);
    const int optionTops[] = {120, 840, 1200};
    QRadioButton* options[3];
    for (int i = 0; i < 3; ++i) {
        options[i] = new QRadioButton(
            QCoreApplication::translate("SoundChoice", SoundChoice::captions[std::size_t(i)]), this);
        options[i]->setObjectName(QStringLiteral("optSound%1").arg(i));
        options[i]->setGeometry(Twips::ToPixels(120, optionTops[i], 1695, 255));
        // Fonts differ from system to system: a caption never gets cut off.
        options[i]->resize(std::max(options[i]->width(), options[i]->sizeHint().width()),
                           options[i]->height());
        mOptions->addButton(options[i], i);
    }
    mMusic = new QLineEdit(this);
    mMusic->setObjectName(QStringLiteral("txtMusic"));
    mMusic->setAccessibleName(tr("Music file"));
    // The path box keeps its designed right end; the "..." button takes the last
    // part of it.
    mMusic->setGeometry(Twips::ToPixels(360, 480, 3375 - 360, 285));
    mBrowse = new QPushButton(QStringLiteral("..."), this);
    mBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    mBrowse->setToolTip(tr("Choose the music file"));
    mBrowse->setAccessibleName(mBrowse->toolTip());
    mBrowse->setGeometry(Twips::ToPixels(3735 - 345, 480, 345, 285));
    mOK = new QPushButton(tr("OK"), this);
    mOK->setObjectName(QStringLiteral("cmdOK"));
    mOK->setGeometry(Twips::ToPixels(600, 1560, 1215, 495));
    mOK->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setGeometry(Twips::ToPixels(1920, 1560, 1215, 495));

    // The designed tab order: the path box first, then the options from the bottom up.
    setTabOrder(mMusic, mBrowse);
    setTabOrder(mBrowse, options[2]);
    setTabOrder(options[2], options[1]);
    setTabOrder(options[1], options[0]);
    setTabOrder(options[0], mOK);
    setTabOrder(mOK, cancel);

    connect(mOptions, &QButtonGroup::idClicked, this, [this](int index) {
        mChoice.Click(index);
        ShowChoice();
    });
    connect(mMusic, &QLineEdit::textEdited, this,
            [this](const QString& text) { mChoice.SetMusicText(text.toStdString()); });
    connect(mBrowse, &QPushButton::clicked, this, &frmSound::ChooseMusic);
    connect(mOK, &QPushButton::clicked, this, &frmSound::accept);
    connect(cancel, &QPushButton::clicked, this, &frmSound::reject);
}

void frmSound::ShowChoice()
{
    if (QAbstractButton* chosen = mOptions->button(mChoice.Mode()))
        chosen->setChecked(true);
    mMusic->setText(QString::fromStdString(mChoice.MusicText()));
    mMusic->setEnabled(mChoice.MusicTextEnabled());
    mBrowse->setEnabled(mChoice.MusicTextEnabled());
}

void frmSound::ChooseMusic()
{
    // The typed file's folder, else the music folder, else home: a folder that does
    // not exist would leave its name in the chooser's file name box.
    const QFileInfo current(mMusic->text());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (!mMusic->text().isEmpty() && current.dir().exists())
        folder = current.absolutePath();
    else if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QStringList patterns;
    for (const QString& type : mFileTypes())
        patterns << QStringLiteral("*.") + type;
    QStringList filters;
    if (!patterns.isEmpty())
        filters << tr("Sound files (%1)").arg(patterns.join(QLatin1Char(' ')));
    filters << tr("All files (*)");
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Choose the Music"), folder,
                                                        filters.join(QStringLiteral(";;")));
    if (chosen.isEmpty())
        return;
    mMusic->setText(chosen);
    mChoice.SetMusicText(chosen.toStdString());
    // The choice is made: Enter now confirms it rather than opening the chooser again.
    mOK->setFocus();
}

void frmSound::showEvent(QShowEvent* event)
{
    ShowChoice();
    WindowPlacement::CentreOnScreenOnce(*this);
    QDialog::showEvent(event);
}

void frmSound::accept()
{
    mChoice.OK();
    BackToTheGame();
}

void frmSound::reject()
{
    mChoice.Cancel();
    ShowChoice();
    BackToTheGame();
}

void frmSound::BackToTheGame()
{
    hide();
    mMainWindow->show();
}

void frmSound::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}
