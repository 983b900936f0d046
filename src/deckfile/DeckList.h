#pragma once

#include "deck/Deck.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class CardGrid;
struct EditorState;
struct Limits;
class Ui;

// The deck as a list to paste anywhere (UTF-8, LF line ends when written out): a "# " line naming
// the deck (left out without a name), a "# " line of the six totals as the main window shows them,
// "メインデッキ" and a "count number name" line per main-deck card, then, when the side board has
// changes, "サイドボード" and a signed line per change. Cards in catalogue order.
QString deckListText(const EditorState& state, const QString& deckName);

// A line of a list that was not read, or was read with a doubt.
struct DeckListIssue {
    qint32 line = 0;  // from 1
    QString text;     // the line as written
    QString reason;
    bool operator==(const DeckListIssue&) const = default;
};

// A list read against the cards of a grid.
struct DeckList {
    Deck asked;  // the counts the lines ask for, card by card
    Deck deck;   // what loading them gives: the copy limit applied as presses apply it
    QList<DeckListIssue> unmatched;  // lines that name no card or have no count
    QList<DeckListIssue> warnings;   // a name several cards share, a count the limits cut
};

// Blank lines and "#" lines are skipped; "サイドボード", "Sideboard" or "--" switch to the side
// board, where an unsigned count means "+", and "メインデッキ" back to the main deck. Counts add up
// over lines; a negative count takes copies out wherever it stands, as in a deck file.
DeckList readDeckList(QStringView text, const CardGrid& grid, const Limits& limits);

// Loads a list as a deck opening loads a file: the catalogue reloaded, the list read against it
// and its deck pressed in through the step handler, the deck named "(テキスト)" in the title.
// Nullopt when the reload failed (the user was told; nothing changed). One whole-deck change, to
// be recorded as one step.
std::optional<DeckList> loadDeckList(EditorState& state, Ui& ui, const QString& text);
