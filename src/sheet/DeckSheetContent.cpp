#include "DeckSheetContent.h"

#include "catalogue/EditorState.h"
#include "cardview/CardRecord.h"
#include "deck/Deck.h"

DeckSheetContent deckSheetContent(const EditorState& state)
{
    const CardGrid& grid = state.fpsCardList;
    std::vector<qint32> rows;
    const Deck deck = Deck::fromGrid(grid, &rows);
    DeckSheetContent content{state.deckName, state.totals, {}, {}};
    for (size_t i = 0; i < rows.size(); ++i) {
        const qint32 r = rows[i];
        const CardCounts counts = deck.cards()[i].counts;
        const QString no = deck.cards()[i].number.text();
        SheetCard card{no, grid.cellText(colType, r), grid.cellText(colName, r), 0, cardPictureFile(no)};
        if (counts.main != 0)
            content.main.append({card.no, card.type, card.name, counts.main, card.picture});
        if (counts.side != 0)
            content.side.append({card.no, card.type, card.name, counts.side, card.picture});
    }
    return content;
}
