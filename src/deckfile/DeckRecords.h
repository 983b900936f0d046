#pragma once

#include "DeckOpener.h"

#include "deck/CardGrid.h"
#include "deck/Deck.h"
#include "deck/Limits.h"
#include "deck/Totals.h"

#include <QHash>

#include <functional>

class clsFileIO;
class Ui;

// A deck file's records turned into a deck: each record replayed as one press per copy on a
// scratch grid of the cards it names, so that every limit cuts the counts just as presses on the
// screen would. Cards are named as the records name them against the catalogue just loaded.
class DeckRecords {
public:
    DeckRecords(qint32 rowCount, qint32 cardTotal, const Limits& limits);

    // Reads every record, letting events run before each; stops early when ended() answers true
    // after them, or at a record that raises an error (error()). Answers the records read.
    qint32 readAll(clsFileIO& file, Ui& ui, const std::function<bool()>& ended);

    Deck deck() const;
    const QList<OpenResult::Warning>& warnings() const { return warnings_; }
    const QString& error() const { return error_; }

private:
    QString replay(const QStringList& fields, bool sideBoard);
    qint32 scratchRow(CardNumber number);

    qint32 rowCount_, cardTotal_;
    Limits limits_;
    CardGrid scratch_;
    Totals scratchTotals_;
    QHash<CardNumber, qint32> rows_;
    QList<OpenResult::Warning> warnings_;
    QString error_;
};
