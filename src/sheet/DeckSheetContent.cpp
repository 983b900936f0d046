#include "DeckSheetContent.h"

#include "catalogue/EditorState.h"
#include "cardview/CardRecord.h"
#include "platform/NumericText.h"

#include <algorithm>
#include <tuple>

namespace {

// Catalogue order whatever the grid's sort: the regular cards by number, then the promotional
// ones ("P01", "P02", …) by theirs, as a load lays them out.
std::tuple<bool, double, qint32> catalogueKey(const CardGrid& grid, qint32 row)
{
    const QStringView no = grid.cellView(colNo, row);
    const bool promo = no.startsWith(u'P');
    return {promo, NumericText::leadingValue(promo ? no.sliced(1) : no), row};
}

}  // namespace

DeckSheetContent deckSheetContent(const EditorState& state)
{
    const CardGrid& grid = state.fpsCardList;
    std::vector<qint32> rows;
    for (qint32 r = 1; r <= grid.rowCount(); ++r)
        if (NumericText::leadingInt32(grid.cellView(colDeck, r)) != 0 ||
            NumericText::leadingInt32(grid.cellView(colSide, r)) != 0)
            rows.push_back(r);
    std::sort(rows.begin(), rows.end(),
              [&](qint32 a, qint32 b) { return catalogueKey(grid, a) < catalogueKey(grid, b); });

    DeckSheetContent content{state.deckName, state.totals, {}, {}};
    for (qint32 r : rows) {
        SheetCard card{grid.cellText(colNo, r), grid.cellText(colType, r), grid.cellText(colName, r), 0,
                       cardPictureFile(grid.cellText(colNo, r))};
        if (const qint32 deck = NumericText::leadingInt32(grid.cellView(colDeck, r)); deck != 0)
            content.main.append({card.no, card.type, card.name, deck, card.picture});
        if (const qint32 side = NumericText::leadingInt32(grid.cellView(colSide, r)); side != 0)
            content.side.append({card.no, card.type, card.name, side, card.picture});
    }
    return content;
}
