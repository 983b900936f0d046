#include "DeckListLine.h"

#include "DeckListText.h"

#include "deck/CardGrid.h"

#include <algorithm>
#include <limits>

namespace {

// Counts past this are cut by the copy limit anyway; it keeps sums of many lines within 64 bits.
constexpr qint64 kCountCap = 1'000'000'000;

int digitOf(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'０' && c <= u'９')
        return c.unicode() - u'０';
    return -1;
}

bool isBlank(QChar c) { return c.isSpace(); }
bool isTimes(QChar c) { return c == u'x' || c == u'X' || c == u'×' || c == u'ｘ' || c == u'Ｘ'; }

int signOf(QChar c)
{
    if (c == u'+' || c == u'＋')
        return 1;
    if (c == u'-' || c == u'－' || c == u'−')
        return -1;
    return 0;
}

// The digits from at on, saturated at the cap; at moves past them. Nullopt when there are none.
std::optional<qint64> digitsAt(QStringView s, qsizetype& at)
{
    const qsizetype start = at;
    qint64 v = 0;
    for (; at < s.size() && digitOf(s[at]) >= 0; ++at)
        v = std::min(v * 10 + digitOf(s[at]), kCountCap);
    return at > start ? std::optional(v) : std::nullopt;
}

qsizetype skipBlanks(QStringView s, qsizetype at)
{
    while (at < s.size() && isBlank(s[at]))
        ++at;
    return at;
}

// A card number as a list may write it: digits, or "P" and digits, full-width too.
std::optional<CardNumber> numberIn(QStringView text)
{
    qsizetype i = 0;
    const bool promotional = !text.isEmpty() && (text[0] == u'P' || text[0] == u'p' || text[0] == u'Ｐ' || text[0] == u'ｐ');
    if (promotional)
        i = 1;
    if (i == text.size())
        return std::nullopt;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const int d = digitOf(text[i]);
        if (d < 0)
            return std::nullopt;
        v = v * 10 + d;
        if (v > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    if (v < 1)
        return std::nullopt;
    return promotional ? CardNumber::promotional(qint32(v)) : CardNumber::regular(qint32(v));
}

}  // namespace

DeckListLine DeckListLine::parse(QStringView line)
{
    const QStringView t = line.trimmed();
    DeckListLine out;
    if (t.isEmpty() || t.front() == u'#' || t.front() == u'＃')
        return out;
    if (t == DeckListText::mainHeading()) {
        out.kind = Kind::MainHeading;
        return out;
    }
    if (t == DeckListText::sideHeading() || t == DeckListText::sideHeadingDashes() ||
        t.compare(DeckListText::sideHeadingLatin(), Qt::CaseInsensitive) == 0) {
        out.kind = Kind::SideHeading;
        return out;
    }

    // A count first: "3 …", "-1 …", "3x …", "3 x …".
    const int sign = signOf(t.front());
    qsizetype at = sign != 0 ? 1 : 0;
    if (const std::optional<qint64> count = digitsAt(t, at)) {
        const bool times = at < t.size() && isTimes(t[at]);
        const qsizetype after = at + (times ? 1 : 0);
        qsizetype rest = skipBlanks(t, after);
        if (times || rest > after) {
            // A lone "x" between the count and the card: "3 x 名前", not "3 xylo".
            if (!times && rest < t.size() && isTimes(t[rest]) && (rest + 1 == t.size() || isBlank(t[rest + 1])))
                rest = skipBlanks(t, rest + 1);
            out.kind = Kind::Card;
            out.count = sign < 0 ? -*count : *count;
            out.card = t.mid(rest).trimmed();
            return out;
        }
    }

    // A count last: "名前 x3", "名前 ×3", "名前×3" (the Latin x only after a blank: "Box3" is a name).
    qsizetype digits = t.size();
    while (digits > 0 && digitOf(t[digits - 1]) >= 0)
        --digits;
    if (digits < t.size()) {
        const qsizetype x = [&] {
            qsizetype i = digits;
            while (i > 0 && isBlank(t[i - 1]))
                --i;
            return i;
        }();
        if (x > 1 && isTimes(t[x - 1]) && (t[x - 1] == u'×' || isBlank(t[x - 2]))) {
            qsizetype from = digits;
            out.kind = Kind::Card;
            out.count = *digitsAt(t, from);
            out.card = t.left(x - 1).trimmed();
            return out;
        }
    }
    out.kind = Kind::NoCount;
    return out;
}

DeckListCards::DeckListCards(const CardGrid& grid) : grid_(grid) {}

const std::vector<std::pair<CardNumber, qint32>>& DeckListCards::cards()
{
    if (!cardsListed_) {
        cardsListed_ = true;
        cards_.reserve(size_t(grid_.rowCount()));
        for (qint32 r = 1; r <= grid_.rowCount(); ++r)
            if (const std::optional<CardNumber> n = grid_.numberAt(r))
                cards_.emplace_back(*n, r);
        // After a header sort the rows are in another order; the first of a shared name is the
        // catalogue's first.
        if (!std::is_sorted(cards_.begin(), cards_.end()))
            std::sort(cards_.begin(), cards_.end());
    }
    return cards_;
}

namespace {

// Characters NFKC leaves as they are whatever stands around them (no compatibility form, nothing
// that combines): printable ASCII, kana, the long-vowel mark and the middle dot, the common CJK
// ideographs. Names of nothing else need no normalisation, which costs many times more.
bool keptByNfkc(char16_t c)
{
    return (c >= 0x20 && c < 0x7f) || (c >= 0x3041 && c <= 0x3096) || (c >= 0x30a1 && c <= 0x30fc) ||
           (c >= 0x4e00 && c <= 0x9fff);
}

// A name its own folded form: kept by NFKC, and without a blank.
bool foldsToItself(QStringView name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return keptByNfkc(c.unicode()) && c != u' '; });
}

}  // namespace

QString DeckListCards::folded(QStringView name)
{
    QString s = std::all_of(name.begin(), name.end(), [](QChar c) { return keptByNfkc(c.unicode()); })
                    ? name.toString()
                    : name.toString().normalized(QString::NormalizationForm_KC);
    s.removeIf([](QChar c) { return isBlank(c); });
    return s;
}

std::optional<CardNumber> DeckListCards::byNumber(QStringView text) const
{
    const std::optional<CardNumber> n = numberIn(text);
    return n && grid_.rowOf(*n) != 0 ? n : std::nullopt;
}

void DeckListCards::index()
{
    if (indexed_)
        return;
    indexed_ = true;
    const auto& list = cards();
    // Names lie far apart among the other texts of the catalogue: fetching a later card's ahead
    // keeps the reads from waiting on memory one by one.
    constexpr size_t kAhead = 16;
    // A name that folds to itself is found loosely through names_; only the others are folded,
    // into one store whose views are taken once it has stopped growing.
    struct Folded {
        size_t card;
        qsizetype at, size;
    };
    std::vector<Folded> others;
    names_.reserve(qsizetype(list.size()));
    for (size_t i = 0; i < list.size(); ++i) {
        if (i + kAhead < list.size())
            __builtin_prefetch(grid_.cellView(colName, list[i + kAhead].second).data());
        const QStringView name = grid_.cellView(colName, list[i].second);
        const auto it = names_.find(Name{name});
        if (it == names_.end())
            names_.insert(Name{name}, {list[i].first, 1});
        else
            ++it->cards;
        if (!foldsToItself(name)) {
            const QString f = folded(name);
            others.push_back({i, foldedStore_.size(), f.size()});
            foldedStore_ += f;
        }
    }
    foldedNames_.reserve(qsizetype(others.size()));
    for (const Folded& f : others) {
        const Name key{QStringView(foldedStore_).mid(f.at, f.size)};
        const auto it = foldedNames_.find(key);
        if (it == foldedNames_.end())
            foldedNames_.insert(key, {list[f.card].first, 1});
        else
            ++it->cards;
    }
}

std::optional<DeckListCards::Found> DeckListCards::byName(QStringView name)
{
    index();
    const auto it = names_.constFind(Name{name});
    return it == names_.cend() ? std::nullopt : std::optional(Found{it->first, it->cards > 1});
}

std::optional<DeckListCards::Found> DeckListCards::byFoldedName(QStringView name)
{
    index();
    const QString key = folded(name);
    if (key.isEmpty())
        return std::nullopt;
    // The cards named key itself (when key folds to itself), and those whose names fold to it.
    std::optional<Entry> found;
    const auto add = [&](const QHash<Name, Entry>& hash) {
        const auto it = hash.constFind(Name{key});
        if (it == hash.cend())
            return;
        found = found ? Entry{std::min(found->first, it->first), found->cards + it->cards} : *it;
    };
    if (foldsToItself(key))
        add(names_);
    add(foldedNames_);
    return found ? std::optional(Found{found->first, found->cards > 1}) : std::nullopt;
}

std::optional<DeckListCards::Found> DeckListCards::find(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qsizetype blank = 0;
    while (blank < text.size() && !isBlank(text[blank]))
        ++blank;
    const QStringView token = text.left(blank), rest = text.mid(blank).trimmed();
    if (const std::optional<CardNumber> n = byNumber(token))
        return Found{*n};
    // "3 999 名前" with no card 999: the name after the number may still name one.
    const bool numbered = numberIn(token).has_value() && !rest.isEmpty();
    if (auto f = byName(text))
        return f;
    if (numbered)
        if (auto f = byName(rest))
            return f;
    if (auto f = byFoldedName(text))
        return f;
    if (numbered)
        return byFoldedName(rest);
    return std::nullopt;
}
