#pragma once

#include <QList>
#include <QString>

struct EditorState;
class Ui;

// What an opening passed over without a word, line by line, for a checker to report.
struct DeckOpenNotes {
    struct Warning {
        qint32 line;
        QString text;
    };
    QList<Warning> warnings;  // records dropped or clamped
    qint32 failedLine = 0;    // the line an error or a read error stopped at; 0 when none
    QString error;            // that error's description alone; null when none
    bool superseded = false;  // a reload or another opening, let in by events, ended this one
};

// Loads a deck file into a freshly reloaded grid by replaying one step-button press per copy, so
// every limit applies as to a deck built by hand. istrFileName "" asks the user for the file; a
// given path loses one enclosing double quote at each end (in the caller's variable). Answers 0.
// `notes`, when given, collects what the user is not told. A reload or another opening started
// from the events it lets run ends it where it stands, without a word: the later deck is the one
// on screen, under its own title.
qint32 plngOpenFile(EditorState& state, Ui& ui, QString& istrFileName, DeckOpenNotes* notes = nullptr);

// The name shown in the title for a given path: the text after its last separator.
QString deckDisplayName(const QString& path);
