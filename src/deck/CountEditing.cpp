#include "CountEditing.h"

#include "DeckColours.h"
#include "platform/NumericText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

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

// True when the count's text changed. Written from a buffer: a press writes one count or two.
bool writeCount(CardGrid& grid, qint32 col, qint32 row, qint64 value)
{
    const qint32 v = fit(value);
    std::array<char16_t, 12> text;
    size_t at = text.size();
    quint32 magnitude = v < 0 ? 0u - quint32(v) : quint32(v);
    do {
        text[--at] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (v < 0)
        text[--at] = u'-';
    return grid.setCellText(col, row, QStringView(text.data() + at, qsizetype(text.size() - at)));
}

// The type totals count main-deck copies of the three known types only; the match is exact.
// False when the type is none of them.
bool addToTypeTotal(Totals& totals, QStringView type, qint32 delta)
{
    static constexpr std::pair<std::u16string_view, TotalLabel> kTypes[] = {
        {u"Character", TotalLabel::lblCharacterSum}, {u"Spell", TotalLabel::lblSpellSum},
        {u"Command", TotalLabel::lblCommandSum}};
    // Compared in line: this runs on every press, and a library call costs more than the compare.
    for (const auto& [name, label] : kTypes)
        if (type.size() == qsizetype(name.size()) && std::equal(name.begin(), name.end(), type.begin())) {
            totals.add(label, delta);
            return true;
        }
    return false;
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

    // Whether a count's text or a total's caption changed: every total added to changes.
    bool changed = false;
    const auto add = [&](TotalLabel label, qint32 delta) {
        totals.add(label, delta);
        changed = true;
    };
    const auto type = [&](qint32 delta) { changed |= addToTypeTotal(totals, grid.cellView(colType, Row), delta); };

    const qint64 L = limits.glngCopyLimit;
    const qint64 side = readCount(grid, colSide, Row);
    qint64 deck = readCount(grid, colDeck, Row);

    if (Col == colDeckUp) {
        if (side > 0 && deck + side >= L) {
            changed |= writeCount(grid, colDeck, Row, L - side);
        } else if (deck >= L) {
            changed |= writeCount(grid, colDeck, Row, L);
        } else {
            changed |= writeCount(grid, colDeck, Row, deck + 1);
            add(TotalLabel::lblSum, 1);
            add(TotalLabel::lblSideSum, 1);
            type(1);
        }
    }
    if (Col == colDeckDown) {
        if (deck <= 0) {
            changed |= writeCount(grid, colDeck, Row, 0);
        } else {
            const qint64 newDeck = deck - 1;
            changed |= writeCount(grid, colDeck, Row, newDeck);
            // A removed copy that was already taken out by the side board leaves the deck after
            // side-boarding as it was.
            if (side < 0 && newDeck < -side)
                changed |= writeCount(grid, colSide, Row, side + 1);
            else
                add(TotalLabel::lblSideSum, -1);
            add(TotalLabel::lblSum, -1);
            type(-1);
        }
    }

    deck = readCount(grid, colDeck, Row);
    grid.setForeColor(colDeck, Row, DeckColours::countColour(qint32(deck)));
    colourLimit(totals, TotalLabel::lblSum, limits.glngDeckLimit);

    if (Col == colSideUp) {
        if (side + deck >= L) {
            changed |= writeCount(grid, colSide, Row, L - deck);
        } else {
            const qint64 newSide = side + 1;
            changed |= writeCount(grid, colSide, Row, newSide);
            add(TotalLabel::lblSideSum, 1);
            if (newSide > 0)
                add(TotalLabel::lblSide, 1);
        }
    }
    if (Col == colSideDown) {
        if (side <= -deck) {
            changed |= writeCount(grid, colSide, Row, -deck);
        } else {
            add(TotalLabel::lblSideSum, -1);
            if (side > 0)
                add(TotalLabel::lblSide, -1);
            changed |= writeCount(grid, colSide, Row, side - 1);
        }
    }

    grid.setForeColor(colSide, Row, DeckColours::countColour(readCount(grid, colSide, Row)));
    colourLimit(totals, TotalLabel::lblSideSum, limits.glngDeckLimit);
    colourLimit(totals, TotalLabel::lblSide, limits.glngSideLimit);

    // Colours follow from the values, so only texts tell whether the press did anything.
    return changed;
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
