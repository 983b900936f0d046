#include "DeckComparison.h"

#include "catalogue/EditorState.h"
#include "deck/CardGrid.h"
#include "deck/DeckStats.h"
#include "platform/HeadlessUi.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Copies by type text, one side of the comparison at a time. A deck has a handful of types: a
// list searched from the last one found beats a hash.
class TypeTally {
public:
    void add(QStringView type, CardCounts c, bool b)
    {
        if (last_ >= types_.size() || types_[last_].type != type) {
            last_ = 0;
            while (last_ < types_.size() && types_[last_].type != type)
                ++last_;
            if (last_ == types_.size())
                types_.append({type.toString(), {}, {}});
        }
        (b ? types_[last_].b : types_[last_].a) += sectionCounts(c);
    }
    QList<DeckComparison::TypeTotals> take()
    {
        QList<DeckComparison::TypeTotals> out;
        for (DeckComparison::TypeTotals& t : types_)
            if (t.a != SectionCounts{} || t.b != SectionCounts{})
                out.append(std::move(t));
        std::sort(out.begin(), out.end(), [](const auto& x, const auto& y) { return typeBefore(x.type, y.type); });
        return out;
    }

private:
    QList<DeckComparison::TypeTotals> types_;
    qsizetype last_ = 0;
};

}  // namespace

SectionCounts sectionCounts(CardCounts c) { return {c.main, c.side, qint64(c.main) + c.side}; }

SectionCounts sectionCounts(const Deck& deck)
{
    SectionCounts s;
    for (const Deck::Card& c : deck.cards())
        s += sectionCounts(c.counts);
    return s;
}

QString signedCount(qint64 v) { return (v > 0 ? u"+"_s : QString()) + QString::number(v); }

DeckComparison compareDecks(const CardGrid& a, const CardGrid& b)
{
    DeckComparison out;
    std::vector<qint32> rowsA, rowsB;
    const Deck deckA = Deck::fromGrid(a, &rowsA), deckB = Deck::fromGrid(b, &rowsB);
    for (const Deck::Difference& d : Deck::difference(deckA, deckB)) {
        const qint32 inA = a.rowOf(d.number);
        const CardGrid& grid = inA != 0 ? a : b;
        const qint32 row = inA != 0 ? inA : b.rowOf(d.number);
        out.cards.append({d.number, grid.cellText(colType, row), grid.cellText(colName, row), d.a, d.b});
    }
    TypeTally types;
    const auto tally = [&](const CardGrid& grid, const std::vector<qint32>& rows, const Deck& deck, bool isB) {
        // After a sort the rows, and their texts, lie scattered: a later card's type is fetched
        // ahead so that the reads do not wait on memory one by one.
        constexpr size_t kAhead = 16;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (i + kAhead < rows.size())
                __builtin_prefetch(grid.cellView(colType, rows[i + kAhead]).data());
            types.add(grid.cellView(colType, rows[i]), deck.cards()[i].counts, isB);
        }
    };
    tally(a, rowsA, deckA, false);
    tally(b, rowsB, deckB, true);
    out.types = types.take();
    out.totalA = sectionCounts(deckA);
    out.totalB = sectionCounts(deckB);
    return out;
}

OpenResult openDeckAside(EditorState& aside, const QString& path, QString* told)
{
    HeadlessUi ui;
    QString name = path;
    OpenResult result = openDeckFile(aside, ui, name);
    if (told) {
        told->clear();
        for (const HeadlessUi::Message& m : ui.messages)
            *told += QString(m.text).replace(u"\r\n"_s, u" "_s).trimmed();
    }
    return result;
}
