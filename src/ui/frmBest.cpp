#include "ui/frmBest.h"

#include "game/BestDistances.h"
#include "game/Dialogs.h"
#include "game/Numbers.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr std::array<const char*, BestDistances::kept> rankWords = {
    QT_TRANSLATE_NOOP("frmBest", "Your best distance so far"), QT_TRANSLATE_NOOP("frmBest", "Your 2nd best distance"),
    QT_TRANSLATE_NOOP("frmBest", "Your 3rd best distance"),    QT_TRANSLATE_NOOP("frmBest", "Your 4th best distance"),
    QT_TRANSLATE_NOOP("frmBest", "Your 5th best distance"),    QT_TRANSLATE_NOOP("frmBest", "Your 6th best distance"),
    QT_TRANSLATE_NOOP("frmBest", "Your 7th best distance"),    QT_TRANSLATE_NOOP("frmBest", "Your 8th best distance"),
    QT_TRANSLATE_NOOP("frmBest", "Your 9th best distance"),    QT_TRANSLATE_NOOP("frmBest", "Your 10th best distance")};

QString Filled(const QString& text, const std::string& value)
{
    return text.arg(QString::fromStdString(value));
}

} // namespace

frmBest::frmBest(BestDistances& table, Dialogs& dialogs, std::string decimalSeparator, std::size_t newRank,
                 QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mTable(table),
      mDialogs(dialogs),
      mDecimalSeparator(std::move(decimalSeparator)),
      mNewRank(newRank)
{
    setWindowTitle(tr("Best Distances"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // as large as the table and its texts, never cut

    mSaid = new QLabel(this);
    mSaid->setObjectName(QStringLiteral("lblSaid"));
    layout->addWidget(mSaid);

    mGrid = new QTableWidget(0, 6, this);
    mGrid->setObjectName(QStringLiteral("grdBest"));
    //: The table, as screen readers name it
    mGrid->setAccessibleName(tr("Best distances"));
    mGrid->setHorizontalHeaderLabels(
        {tr("Rank"), tr("Distance"), tr("Starting speed"), tr("Game length"), tr("Ending"), tr("Date")});
    mGrid->verticalHeader()->hide();
    mGrid->horizontalHeader()->setHighlightSections(false); // never bolder, so never wider, than measured
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    mGrid->setTabKeyNavigation(false); // Tab goes on to the buttons
    mGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mGrid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(mGrid);

    auto* buttons = new QDialogButtonBox(this);
    mEmpty = buttons->addButton(tr("&Empty..."), QDialogButtonBox::ActionRole);
    mEmpty->setObjectName(QStringLiteral("cmdEmpty"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(mEmpty, &QPushButton::clicked, this, &frmBest::cmdEmpty_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    Fill();
    mGrid->setFocus();
}

QString frmBest::RankWords(std::size_t rank)
{
    return rank >= 1 && rank <= rankWords.size() ? tr(rankWords[rank - 1]) : QString();
}

void frmBest::Fill()
{
    const std::vector<BestDistance> games = mTable.Read();
    mGrid->setRowCount(int(games.size()));
    const QLocale locale;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const BestDistance& game = games[i];
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(game.when.time_since_epoch());
        const QString cells[] = {
            locale.toString(qlonglong(i) + 1),
            //: A distance in the table of best distances
            Filled(tr("%1 km"), Numbers::TextOfNumber(game.km, mDecimalSeparator)),
            //: A starting speed in the table of best distances
            Filled(tr("%1 km/h"), Numbers::TextOfInteger(game.startSpeed)),
            //: A game's length in the table of best distances, in seconds
            Filled(tr("%1 s"), Numbers::TextOfNumber(game.gameTime, mDecimalSeparator)),
            game.ending == BestDistance::Ending::crash ? tr("Crashed") : tr("Time over"),
            locale.toString(QDateTime::fromSecsSinceEpoch(seconds.count()), QLocale::ShortFormat)};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column < 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            mGrid->setItem(int(i), column, item);
        }
    }
    mGrid->resizeColumnsToContents();
    mGrid->resizeRowsToContents();
    if (games.empty())
        mSaid->setText(tr("No game has entered the table yet."));
    else if (mNewRank >= 1 && mNewRank <= games.size())
        mSaid->setText(RankWords(mNewRank));
    else
        mSaid->setText(tr("Your best distances, the longest first"));
    mGrid->setAccessibleDescription(mSaid->text()); // read with the table as it takes the focus
    if (mNewRank >= 1 && mNewRank <= games.size())
        mGrid->selectRow(int(mNewRank) - 1);
    mEmpty->setEnabled(!games.empty());
}

void frmBest::cmdEmpty_Click()
{
    if (mDialogs.MsgBox(tr("Empty the table of best distances? This cannot be undone.").toStdString(),
                        Dialogs::Style::YesNoQuestionNo, windowTitle().toStdString()) != Dialogs::Answer::Yes)
        return;
    mTable.Empty();
    mNewRank = 0;
    Fill();
    mGrid->setFocus();
}
