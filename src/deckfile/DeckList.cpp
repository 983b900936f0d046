#include "DeckList.h"

#include "DeckListLine.h"
#include "DeckComparison.h"
#include "DeckFileText.h"
#include "DeckListText.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "platform/AppInfo.h"
#include "platform/Ui.h"

#include <QHash>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString cardLine(const QString& count, const Deck::Card& card, const CardGrid& grid, qint32 row)
{
    const QString name = grid.cellText(colName, row);
    return count + u' ' + card.number.text() + (name.isEmpty() ? QString() : u' ' + name) + u'\n';
}

// What the lines ask of one card, and the last line that asked it of each section.
struct Asked {
    qint64 main = 0, side = 0;
    qint32 mainLine = 0, sideLine = 0;
};

qint32 held(qint64 v)
{
    return qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

}  // namespace

QString deckListText(const EditorState& state, const QString& deckName)
{
    const Totals& t = state.totals;
    const CardGrid& grid = state.fpsCardList;
    QString out;
    if (!deckName.isEmpty())
        out += u"# "_s + deckName + u'\n';
    out += DeckListText::totalsLine(t.caption(TotalLabel::lblSum), t.caption(TotalLabel::lblCharacterSum),
                                    t.caption(TotalLabel::lblSpellSum), t.caption(TotalLabel::lblCommandSum),
                                    t.caption(TotalLabel::lblSideSum), t.caption(TotalLabel::lblSide)) +
           u'\n' + DeckListText::mainHeading() + u'\n';
    std::vector<qint32> rows;
    const Deck deck = Deck::fromGrid(grid, &rows);
    for (size_t i = 0; i < rows.size(); ++i)
        if (const Deck::Card& c = deck.cards()[i]; c.counts.main > 0)
            out += cardLine(QString::number(c.counts.main), c, grid, rows[i]);
    bool headed = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Deck::Card& c = deck.cards()[i];
        if (c.counts.side == 0)
            continue;
        if (!headed)
            out += DeckListText::sideHeading() + u'\n';
        headed = true;
        out += cardLine(signedCount(c.counts.side), c, grid, rows[i]);
    }
    return out;
}

DeckList readDeckList(QStringView text, const CardGrid& grid, const Limits& limits)
{
    DeckList list;
    DeckListCards cards(grid);
    QHash<CardNumber, Asked> asked;
    std::vector<QStringView> lines;
    bool side = false;
    if (text.startsWith(QChar::ByteOrderMark))
        text = text.mid(1);  // a list saved by an editor that marks its UTF-8
    for (QStringView line : text.tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines.push_back(line);
        const qint32 number = qint32(lines.size());
        const DeckListLine l = DeckListLine::parse(line);
        switch (l.kind) {
        case DeckListLine::Kind::Skip:
            break;
        case DeckListLine::Kind::MainHeading:
        case DeckListLine::Kind::SideHeading:
            side = l.kind == DeckListLine::Kind::SideHeading;
            break;
        case DeckListLine::Kind::NoCount:
            list.unmatched.append({number, line.toString(), DeckListText::noCount()});
            break;
        case DeckListLine::Kind::Card: {
            const std::optional<DeckListCards::Found> found = cards.find(l.card);
            if (!found) {
                list.unmatched.append({number, line.toString(), DeckListText::noCard()});
                break;
            }
            if (found->shared)
                list.warnings.append(
                    {number, line.toString(), DeckListText::sharedName(l.card.toString(), found->number.text())});
            Asked& a = asked[found->number];
            if (!side && l.count > 0) {
                a.main += l.count;
                a.mainLine = number;
            } else if (l.count != 0) {
                a.side += l.count;
                a.sideLine = number;
            }
            break;
        }
        }
    }

    std::vector<std::pair<CardNumber, Asked>> byNumber(asked.keyValueBegin(), asked.keyValueEnd());
    std::sort(byNumber.begin(), byNumber.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [number, a] : byNumber)
        list.asked.set(number, {held(a.main), held(a.side)});
    list.deck = list.asked.underLimits(limits);

    const auto cut = [&](qint32 line, qint64 wanted, CardNumber number, qint32 loaded) {
        list.warnings.append({line, lines[size_t(line - 1)].toString(),
                              DeckFileText::cutCount(QString::number(wanted), number.text(), loaded)});
    };
    for (const auto& [number, a] : byNumber) {
        const CardCounts loaded = list.deck.counts(number);
        if (loaded.main != a.main)
            cut(a.mainLine, a.main, number, loaded.main);
        if (loaded.side != a.side)
            cut(a.sideLine, a.side, number, loaded.side);
    }
    std::stable_sort(list.warnings.begin(), list.warnings.end(),
                     [](const DeckListIssue& a, const DeckListIssue& b) { return a.line < b.line; });
    return list;
}

std::optional<DeckList> loadDeckList(EditorState& state, Ui& ui, const QString& text)
{
    if (flngLoadCardList(state, ui, false) != 0)
        return std::nullopt;
    DeckList list = readDeckList(text, state.fpsCardList, state.limits);
    list.deck.applyTo(state.fpsCardList, state.totals, state.limits);
    state.deckName = DeckListText::loadedDeckName();
    ui.setWindowTitle(AppInfo::fileWindowTitle(state.deckName));
    ui.totalsChanged();
    return list;
}
