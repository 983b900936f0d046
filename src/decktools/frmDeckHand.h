#pragma once

#include "deck/DeckHand.h"
#include "deck/DeckOdds.h"
#include "sheet/DeckSheetContent.h"

#include <QHash>

#include <QWidget>

#include <functional>

class CardGrid;
class DeckTableModel;
class HandTiles;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class RecentDecks;

// "手札を試す": a hand dealt from a seeded shuffle of the deck, cards drawn one by one after it,
// and the odds of at least one copy of each card, type and cost among the cards drawn so far and in
// the opening hand. The shuffle and the odds are the core's; the window shows them.
class frmDeckHand : public QWidget {
    Q_OBJECT
public:
    // settings keeps the hand size between runs; it may be null.
    frmDeckHand(const CardGrid& grid, RecentDecks* settings, QWidget* parent = nullptr);

    // The deck may have changed: a change to the part dealt from is shuffled anew.
    void refresh();
    // A double click on a card asks for its card window.
    std::function<void(const QString& cardNo)> openCard;

private:
    void deal(quint64 seed);
    void draw();
    void takeSeed();
    // The hand, the counts and the seed as the trial has them, and the odds table again.
    void showTrial();
    void showHand();
    void fillOdds();
    void showOdds();  // sorted as the header says
    SheetCard tileOf(CardNumber number);

    const CardGrid& grid_;
    RecentDecks* settings_;
    HandTrial trial_;
    DeckOdds odds_;
    QHash<QString, QString> pictures_;  // by card number, found once
    int sortColumn_ = 0;
    bool descending_ = false;

    QComboBox* part_;
    QSpinBox* size_;
    QPushButton *redraw_, *drawOne_;
    QLabel *left_, *seedError_;
    QLineEdit* seed_;
    HandTiles* tiles_;
    QTableView* table_;
    DeckTableModel* model_;
};
