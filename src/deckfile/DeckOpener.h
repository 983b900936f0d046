#pragma once

#include "deck/Deck.h"

#include <QList>
#include <QString>

struct EditorState;
class Ui;

// What an opening did, for the routine that tells the user and for the companion.
struct OpenResult {
    enum class Outcome {
        Cancelled,     // the dialog was cancelled: nothing changed
        Unreadable,    // missing, not a regular file, or not readable: nothing changed
        ReloadFailed,  // the catalogue reload failed and told the user: nothing changed
        Superseded,    // a reload or another opening, let in by events, ended this one
        Opened,        // the catalogue was reloaded and the file's deck applied (maybe cut short)
    };
    enum class Stop {
        None,
        ReadError,    // fewer records read than the file has lines
        RaisedError,  // an error in a record ended the reading
    };
    struct Warning {
        qint32 line;
        QString text;
        bool operator==(const Warning&) const = default;
    };

    Outcome outcome = Outcome::Cancelled;
    QString path;         // the file, as opened
    Deck deck;            // what the file's records give under every limit (Opened)
    QList<Warning> warnings;  // records dropped or clamped, which the user is not told of
    Stop stop = Stop::None;
    qint32 stopLine = 0;  // the line a read error or an error stopped at
    QString error;        // RaisedError: the error's description

    // Opened, every record read.
    bool complete() const { return outcome == Outcome::Opened && stop == Stop::None; }
};

// Loads a deck file into a freshly reloaded grid: the records become a deck, replayed one press
// per copy so that every limit applies as to a deck built by hand, which is then pressed into the
// grid. istrFileName "" asks the user for the file; a given path loses one enclosing double quote
// at each end (in the caller's variable). Events run once per record; a reload or another opening
// started from them ends this one where it stands. Tells the user nothing.
OpenResult openDeckFile(EditorState& state, Ui& ui, QString& istrFileName);

// The same, telling the user what the opening says: a file that cannot be read, a read error, an
// error in a record (its description and the file). Answers 0.
// `result`, when given, receives what the opening did.
qint32 plngOpenFile(EditorState& state, Ui& ui, QString& istrFileName, OpenResult* result = nullptr);

// The name shown in the title for a given path: the text after its last separator.
QString deckDisplayName(const QString& path);
