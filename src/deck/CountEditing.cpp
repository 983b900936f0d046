#include "CountEditing.h"

#include "DeckColours.h"
#include "platform/NumericText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Count arithmetic is 32-bit, as the counts are; a result that does not fit is an overflow error
// rather than a wrapped count.
qint32 fit(qint64 value)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw RuntimeError::overflow();
    return qint32(value);
}

qint32 readCount(const CardGrid& grid, qint32 col, qint32 row)
{
    return NumericText::textToInt32(grid.cellView(col, row));
}

void writeCount(CardGrid& grid, qint32 col, qint32 row, qint64 value)
{
    grid.setCellText(col, row, QString::number(fit(value)));
}

// The type totals count main-deck copies of the three known types only; the match is exact.
void addToTypeTotal(Totals& totals, QStringView type, qint32 delta)
{
    if (type == u"Character")
        totals.add(TotalLabel::lblCharacterSum, delta);
    else if (type == u"Spell")
        totals.add(TotalLabel::lblSpellSum, delta);
    else if (type == u"Command")
        totals.add(TotalLabel::lblCommandSum, delta);
}

std::array<QString, Totals::kCount> captions(const Totals& totals)
{
    std::array<QString, Totals::kCount> result;
    for (int i = 0; i < Totals::kCount; ++i)
        result[size_t(i)] = totals.caption(TotalLabel(i));
    return result;
}

void colourLimit(Totals& totals, TotalLabel label, qint32 limit)
{
    totals.setBackground(label, DeckColours::limitColour(totals.value(label), limit));
}

} // namespace

bool fpsCardList_ButtonClicked(CardGrid& grid, Totals& totals, const Limits& limits, qint32 Col, qint32 Row,
                               qint16 ButtonDown)
{
    Q_UNUSED(ButtonDown);
    if (Row == 0 || !grid.validRow(Row))
        return false;

    const QString deckBefore = grid.cellText(colDeck, Row);
    const QString sideBefore = grid.cellText(colSide, Row);
    const auto captionsBefore = captions(totals);

    const qint64 L = limits.glngCopyLimit;
    const qint64 side = readCount(grid, colSide, Row);
    qint64 deck = readCount(grid, colDeck, Row);

    if (Col == colDeckUp) {
        if (side > 0 && deck + side >= L) {
            writeCount(grid, colDeck, Row, L - side);
        } else if (deck >= L) {
            writeCount(grid, colDeck, Row, L);
        } else {
            writeCount(grid, colDeck, Row, deck + 1);
            totals.add(TotalLabel::lblSum, 1);
            totals.add(TotalLabel::lblSideSum, 1);
            addToTypeTotal(totals, grid.cellView(colType, Row), 1);
        }
    }
    if (Col == colDeckDown) {
        if (deck <= 0) {
            writeCount(grid, colDeck, Row, 0);
        } else {
            const qint64 newDeck = deck - 1;
            writeCount(grid, colDeck, Row, newDeck);
            // A removed copy that was already taken out by the side board leaves the deck after
            // side-boarding as it was.
            if (side < 0 && newDeck < -side)
                writeCount(grid, colSide, Row, side + 1);
            else
                totals.add(TotalLabel::lblSideSum, -1);
            totals.add(TotalLabel::lblSum, -1);
            addToTypeTotal(totals, grid.cellView(colType, Row), -1);
        }
    }

    deck = readCount(grid, colDeck, Row);
    grid.setForeColor(colDeck, Row, DeckColours::countColour(qint32(deck)));
    colourLimit(totals, TotalLabel::lblSum, limits.glngDeckLimit);

    if (Col == colSideUp) {
        if (side + deck >= L) {
            writeCount(grid, colSide, Row, L - deck);
        } else {
            const qint64 newSide = side + 1;
            writeCount(grid, colSide, Row, newSide);
            totals.add(TotalLabel::lblSideSum, 1);
            if (newSide > 0)
                totals.add(TotalLabel::lblSide, 1);
        }
    }
    if (Col == colSideDown) {
        if (side <= -deck) {
            writeCount(grid, colSide, Row, -deck);
        } else {
            totals.add(TotalLabel::lblSideSum, -1);
            if (side > 0)
                totals.add(TotalLabel::lblSide, -1);
            writeCount(grid, colSide, Row, side - 1);
        }
    }

    grid.setForeColor(colSide, Row, DeckColours::countColour(readCount(grid, colSide, Row)));
    colourLimit(totals, TotalLabel::lblSideSum, limits.glngDeckLimit);
    colourLimit(totals, TotalLabel::lblSide, limits.glngSideLimit);

    // Colours follow from the values, so only texts tell whether the press did anything.
    return grid.cellView(colDeck, Row) != deckBefore || grid.cellView(colSide, Row) != sideBefore ||
           captions(totals) != captionsBefore;
}

void fsubSideReset(CardGrid& grid, Totals& totals, Ui& ui)
{
    const qint32 rows = grid.rowCount();
    for (qint32 row = 1; row <= rows; ++row) {
        ui.processEvents();
        grid.setCellText(colSide, row, u"0"_s);
        grid.setForeColor(colSide, row, DeckColours::kCountZero);
    }
    totals.setCaption(TotalLabel::lblSideSum, totals.caption(TotalLabel::lblSum));
    totals.setBackground(TotalLabel::lblSideSum, totals.background(TotalLabel::lblSum));
    totals.setCaption(TotalLabel::lblSide, u"0"_s);
    totals.setBackground(TotalLabel::lblSide, DeckColours::kBelowLimit);
}
