// The record reader with the deck replay: any file opened as a deck leaves the grid and the six
// totals agreeing, every count within its limits; and whatever was loaded, saved under any card
// names, reads back the same.

#include "FuzzSupport.h"

#include "catalogue/EditorState.h"
#include "deck/DeckColours.h"
#include "deckfile/DeckFileText.h"
#include "deckfile/DeckOpener.h"
#include "deckfile/DeckSaver.h"
#include "platform/Cp932.h"
#include "platform/HeadlessUi.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QMap>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 kCards = 20;

// Catalogues of twenty cards of four types (one the totals do not count), names with commas and
// stray quotes, and three promotional cards; one per copy limit, the deck limit following it.
constexpr qint32 kLimits[] = {3, 0, 1, 2, 4};

QString home(qint32 limit) { return Fuzz::scratch(u"home%1"_s.arg(limit)); }

void writeCatalogues()
{
    const QString types[] = {u"Character"_s, u"Spell"_s, u"Command"_s, u"Other"_s};
    const QString names[] = {u"予言,\"号令"_s, u"\"引用"_s, u"a,b,c"_s, u"ソ表"_s};
    for (const qint32 limit : kLimits) {
        Fuzz::require(QDir().mkpath(home(limit) + u"/card"_s), "catalogue folder");
        QString text = u"[Card]\r\nTotal=%1\r\nShowSelect=1\r\nDeck=%2\r\nLimit=%3\r\n"_s.arg(kCards).arg(4 * limit).arg(limit);
        for (qint32 i = 1; i <= kCards; ++i)
            text += u"[%1]\r\nType=%2\r\nName=%3\r\n"_s.arg(i, 3, 10, QChar(u'0')).arg(types[i % 4]).arg(names[i % 4]);
        for (qint32 k = 1; k <= 3; ++k)
            text += u"[P0%1]\r\nType=Spell\r\nName=記念札%1\r\n"_s.arg(k);
        Fuzz::writeFile(home(limit) + u"/card/cardlist.ini"_s, Cp932::encode(text));
    }
}

qint32 count(const CardGrid& grid, qint32 col, qint32 row)
{
    bool ok = false;
    const qint32 value = grid.cellText(col, row).toInt(&ok);
    Fuzz::require(ok, "a count cell holds a number");
    return value;
}

// The grid's counts by card number.
QMap<QString, std::pair<qint32, qint32>> counts(const EditorState& state)
{
    QMap<QString, std::pair<qint32, qint32>> result;
    const CardGrid& grid = state.fpsCardList;
    for (qint32 r = 1; r <= grid.rowCount(); ++r)
        result.insert(grid.cellText(colNo, r), {count(grid, colDeck, r), count(grid, colSide, r)});
    return result;
}

void requireAgreement(const EditorState& state)
{
    const CardGrid& grid = state.fpsCardList;
    const qint32 limit = state.limits.glngCopyLimit;
    qint64 sum = 0, sideSum = 0, side = 0, character = 0, spell = 0, command = 0;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        const qint32 d = count(grid, colDeck, r);
        const qint32 s = count(grid, colSide, r);
        Fuzz::require(d >= 0 && d <= limit && d + s >= 0 && d + s <= limit, "counts within the copy limit");
        Fuzz::require(grid.foreColor(colDeck, r) == DeckColours::countColour(d) &&
                          grid.foreColor(colSide, r) == DeckColours::countColour(s),
                      "count colours follow the counts");
        sum += d;
        sideSum += d + s;
        side += std::max(s, 0);
        const QString type = grid.cellText(colType, r);
        if (type == u"Character"_s)
            character += d;
        else if (type == u"Spell"_s)
            spell += d;
        else if (type == u"Command"_s)
            command += d;
    }
    const Totals& t = state.totals;
    Fuzz::require(t.value(TotalLabel::lblSum) == sum && t.value(TotalLabel::lblSideSum) == sideSum &&
                      t.value(TotalLabel::lblSide) == side,
                  "size totals agree with the grid");
    Fuzz::require(t.value(TotalLabel::lblCharacterSum) == character && t.value(TotalLabel::lblSpellSum) == spell &&
                      t.value(TotalLabel::lblCommandSum) == command,
                  "type totals agree with the grid");
    // A load colours the size totals light yellow whatever the limits; presses colour them by value.
    const auto colourAgrees = [&](TotalLabel label, qint64 value, qint32 limit) {
        const Rgb colour = t.background(label);
        return colour == DeckColours::limitColour(qint32(value), limit) ||
               (value == 0 && colour == DeckColours::kBelowLimit);
    };
    Fuzz::require(colourAgrees(TotalLabel::lblSum, sum, state.limits.glngDeckLimit) &&
                      colourAgrees(TotalLabel::lblSideSum, sideSum, state.limits.glngDeckLimit) &&
                      colourAgrees(TotalLabel::lblSide, side, state.limits.glngSideLimit),
                  "size colours follow the totals");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static const bool ready = (writeCatalogues(), true);
    Q_UNUSED(ready);
    ProgramFolder::setOverride(home(kLimits[size % std::size(kLimits)]));  // the length picks the copy limit
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    QString path = Fuzz::scratch(u"deck.txt"_s);
    Fuzz::writeFile(path, bytes);

    EditorState state;
    HeadlessUi ui;
    plngOpenFile(state, ui, path);
    requireAgreement(state);

    // The deck as the editor writes it, rows in another order. A first line "#NAME" (a record the
    // reader ignores) renames every card; names cannot hold line ends.
    if (bytes.startsWith('#')) {
        const QString name = Cp932::decode(bytes.left(bytes.indexOf('\n'))).section(u'\r', 0, 0).mid(1);
        for (qint32 r = 1; r <= state.fpsCardList.rowCount(); ++r)
            state.fpsCardList.setCellText(colName, r, name);
    }
    state.fpsCardList.sort({{colNo, true}});
    HeadlessUi saving;
    saving.savePath = Fuzz::scratch(u"saved.txt"_s);
    fsubSaveFile(state, saving);
    Fuzz::require(saving.messages.size() == 1 && saving.messages[0].text == DeckFileText::savedMessage(saving.savePath),
                  "the deck is saved");

    EditorState reread;
    HeadlessUi reading;
    QString saved = saving.savePath;
    plngOpenFile(reread, reading, saved);
    Fuzz::require(reading.messages.isEmpty(), "a saved deck reads back without a message");
    Fuzz::require(counts(reread) == counts(state), "a saved deck reads back with the same counts");
    requireAgreement(reread);
    return 0;
}
