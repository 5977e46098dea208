#pragma once

#include <QDialog>

#include <string>

class BestDistances;
class Dialogs;
class QLabel;
class QPushButton;
class QTableWidget;

// The table of best distances: rank, distance, starting speed, game length, how
// the game ended and when, in the player's language and number format. Modal,
// over the game's window and centred on it; Enter or Escape closes it. A game that
// has just entered the table is shown selected, its rank said in words above.
// "Empty" empties the table after a question whose default answer is No.
class frmBest final : public QDialog
{
    Q_OBJECT

public:
    // newRank: the rank of the game that has just entered, from 1; 0 when the
    // player opened the table from the menu.
    frmBest(BestDistances& table, Dialogs& dialogs, std::string decimalSeparator, std::size_t newRank,
            QWidget* owner);

    // The words for a rank, such as "Your 3rd best distance", in the player's language.
    static QString RankWords(std::size_t rank);

private:
    void Fill();
    void cmdEmpty_Click();

    BestDistances& mTable;
    Dialogs& mDialogs;
    std::string mDecimalSeparator;
    std::size_t mNewRank;
    QLabel* mSaid = nullptr;
    QTableWidget* mGrid = nullptr;
    QPushButton* mEmpty = nullptr;
};
