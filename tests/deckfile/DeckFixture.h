#pragma once

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "deck/CountEditing.h"

#include "Fixtures.h"
#include "RecordingUi.h"

#include <QStringList>

// A program folder with a catalogue of `total` regular cards (types cycling Character, Spell,
// Command; names "札n", card 7 named "ソ表の札") and three promotional cards, loaded into a state.
class DeckFixture {
public:
    explicit DeckFixture(qint32 total = 300);

    Fixtures::TempHome home;
    EditorState state;
    RecordingUi ui;

    QString deckFile(const QString& name, const QStringList& lines) const;  // written in CP932, CR LF
    QString cell(qint32 col, qint32 row) const { return state.fpsCardList.cellText(col, row); }
    qint32 deck(qint32 row) const { return cell(colDeck, row).toInt(); }
    qint32 side(qint32 row) const { return cell(colSide, row).toInt(); }
    // Every row whose counts are not both 0, as "row:deck/side".
    QStringList counts() const;
    void press(qint32 col, qint32 row, int times = 1);
};
