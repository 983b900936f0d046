#include "DeckStats.h"

#include "Deck.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The distinct texts of one column among the counted cards, numbered in order of first sight.
// Texts are mostly a few characters long: an open-addressing table keyed by the packed text
// answers most of them without touching their characters.
class Keys {
public:
    int id(QStringView text)
    {
        const quint64 key = packed(text);
        for (size_t i = slotOf(key);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& s = slots_[i];
            if (s.id < 0) {
                s = {key, int(texts_.size())};
                texts_.append(text);
                if (size_t(texts_.size()) * 2 > slots_.size())
                    grow();
                return int(texts_.size() - 1);
            }
            if (s.key == key && (text.size() <= 3 || texts_[s.id] == text))
                return s.id;
        }
    }
    qsizetype size() const { return texts_.size(); }
    QStringView text(int id) const { return texts_[id]; }

private:
    struct Slot {
        quint64 key = 0;
        int id = -1;
    };
    // The size and the first three code units: the whole text when it is that short.
    static quint64 packed(QStringView t)
    {
        quint64 k = quint64(std::min<qsizetype>(t.size(), 0xffff)) << 48;
        for (qsizetype i = 0; i < 3 && i < t.size(); ++i)
            k |= quint64(t[i].unicode()) << (16 * i);
        return k;
    }
    size_t slotOf(quint64 key) const { return size_t((key * 0x9E3779B97F4A7C15ull) >> 40) & (slots_.size() - 1); }
    void grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.id >= 0) {
                size_t i = slotOf(s.key);
                while (slots_[i].id >= 0)
                    i = (i + 1) & (slots_.size() - 1);
                slots_[i] = s;
            }
    }

    std::vector<Slot> slots_ = std::vector<Slot>(64);
    QList<QStringView> texts_;
};

struct Counted {
    int type, cost, node;
    std::array<qint64, 3> copies;  // main, side, after
};

// Key ids in display order: ascending by the header sort, the three known types first for colType.
std::vector<int> ordered(const Keys& keys, bool types)
{
    std::vector<int> order(size_t(keys.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return types ? typeBefore(keys.text(a), keys.text(b)) : CardGrid::textLess(keys.text(a), keys.text(b));
    });
    return order;
}

// The tallies of one column in display order, sums of 0 left out; slot[id] answers the tally's
// index, or -1 when the key was left out.
QList<DeckTally> tallies(const Keys& keys, const std::vector<int>& order, const std::vector<qint64>& sums,
                         std::vector<int>& slot)
{
    QList<DeckTally> list;
    slot.assign(size_t(keys.size()), -1);
    for (int id : order) {
        if (sums[size_t(id)] == 0)
            continue;
        slot[size_t(id)] = int(list.size());
        list.append({keys.text(id).toString(), sums[size_t(id)]});
    }
    return list;
}

DeckSection section(const std::vector<Counted>& cards, size_t which, const std::array<Keys, 3>& keys,
                    const std::array<std::vector<int>, 3>& order)
{
    std::array<std::vector<qint64>, 3> sums{std::vector<qint64>(size_t(keys[0].size())),
                                            std::vector<qint64>(size_t(keys[1].size())),
                                            std::vector<qint64>(size_t(keys[2].size()))};
    DeckSection s;
    for (const Counted& c : cards) {
        const qint64 n = c.copies[which];
        s.total += n;
        sums[0][size_t(c.type)] += n;
        sums[1][size_t(c.cost)] += n;
        sums[2][size_t(c.node)] += n;
    }
    std::array<std::vector<int>, 3> slot;
    s.type = tallies(keys[0], order[0], sums[0], slot[0]);
    s.cost = tallies(keys[1], order[1], sums[1], slot[1]);
    s.node = tallies(keys[2], order[2], sums[2], slot[2]);
    s.costByType.assign(size_t(s.cost.size() * s.type.size()), 0);
    for (const Counted& c : cards) {
        const int t = slot[0][size_t(c.type)], k = slot[1][size_t(c.cost)];
        if (t >= 0 && k >= 0)
            s.costByType[size_t(k * s.type.size() + t)] += c.copies[which];
    }
    return s;
}

}  // namespace

DeckStats deckStats(const CardGrid& grid)
{
    std::vector<qint32> rows;
    const Deck deck = Deck::fromGrid(grid, &rows);
    DeckStats stats;
    std::array<Keys, 3> keys;
    std::vector<Counted> cards;
    cards.reserve(rows.size());
    // After a sort the cards' rows, and their texts, lie scattered: fetching a later card's texts
    // ahead keeps the reads from waiting on memory one by one.
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size())
            for (qint32 col : {colType, colCost, colNode})
                __builtin_prefetch(grid.cellView(col, rows[i + kAhead]).data());
        const qint32 r = rows[i];
        const qint64 main = deck.cards()[i].counts.main, side = deck.cards()[i].counts.side;
        stats.sideBoarded = stats.sideBoarded || side != 0;
        cards.push_back({keys[0].id(grid.cellView(colType, r)), keys[1].id(grid.cellView(colCost, r)),
                         keys[2].id(grid.cellView(colNode, r)), {main, side, main + side}});
    }
    const std::array<std::vector<int>, 3> order{ordered(keys[0], true), ordered(keys[1], false),
                                                ordered(keys[2], false)};
    stats.main = section(cards, 0, keys, order);
    stats.side = section(cards, 1, keys, order);
    stats.after = section(cards, 2, keys, order);
    return stats;
}

bool typeBefore(QStringView a, QStringView b)
{
    static const QStringView known[] = {u"Character", u"Spell", u"Command"};
    const auto rank = [](QStringView t) { return int(std::find(std::begin(known), std::end(known), t) - std::begin(known)); };
    const int ra = rank(a), rb = rank(b);
    return ra != rb ? ra < rb : CardGrid::textLess(a, b);
}
