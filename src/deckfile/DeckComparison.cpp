#include "DeckComparison.h"

#include "catalogue/EditorState.h"
#include "deck/DeckStats.h"
#include "platform/HeadlessUi.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

qint64 copiesOf(const QList<DeckTally>& tallies, const QString& text)
{
    for (const DeckTally& t : tallies)
        if (t.text == text)
            return t.copies;
    return 0;
}

SectionCounts countsOf(const DeckStats& s, const QString& type)
{
    return {copiesOf(s.main.type, type), copiesOf(s.side.type, type), copiesOf(s.after.type, type)};
}

// The statistics' order: the three known types, then the header sort's.
bool typeBefore(const QString& a, const QString& b)
{
    static const QString known[] = {u"Character"_s, u"Spell"_s, u"Command"_s};
    const auto rank = [](const QString& t) { return int(std::find(std::begin(known), std::end(known), t) - std::begin(known)); };
    const int ra = rank(a), rb = rank(b);
    return ra != rb ? ra < rb : CardGrid::textLess(a, b);
}

}  // namespace

DeckComparison compareDecks(const CardGrid& a, const CardGrid& b)
{
    DeckComparison out;
    for (const Deck::Difference& d : Deck::difference(Deck::fromGrid(a), Deck::fromGrid(b))) {
        const qint32 inA = a.rowOf(d.number);
        const CardGrid& grid = inA != 0 ? a : b;
        const qint32 row = inA != 0 ? inA : b.rowOf(d.number);
        out.cards.append({d.number, grid.cellText(colType, row), grid.cellText(colName, row), d.a, d.b});
    }

    const DeckStats sa = deckStats(a), sb = deckStats(b);
    QStringList types;
    for (const DeckStats* s : {&sa, &sb})
        for (const DeckSection* section : {&s->main, &s->side, &s->after})
            for (const DeckTally& t : section->type)
                if (!types.contains(t.text))
                    types.append(t.text);
    std::sort(types.begin(), types.end(), typeBefore);
    for (const QString& type : types)
        out.types.append({type, countsOf(sa, type), countsOf(sb, type)});
    out.totalA = {sa.main.total, sa.side.total, sa.after.total};
    out.totalB = {sb.main.total, sb.side.total, sb.after.total};
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
