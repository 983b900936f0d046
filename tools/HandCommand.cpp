#include "HandCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deck/DeckHand.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

int handCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const std::optional<qint64> size =
        integerOption(args, u"hand"_s, u"size"_s, HandTrial::kMinHand, HandTrial::kMaxHand, HandTrial::kDefaultHand, err);
    if (!size)
        return kFailed;
    quint64 seed = DeckShuffle::randomSeed();
    if (args.isSet(u"seed"_s)) {
        const std::optional<quint64> given = DeckShuffle::parseSeed(args.value(u"seed"_s));
        if (!given)
            return commandUsageError(
                u"hand"_s, u"--seed must be a whole number from 0 to 18446744073709551615, not \"%1\""_s.arg(args.value(u"seed"_s)),
                err);
        seed = *given;
    }
    const QString file = args.positionalArguments()[0];
    OpenedDeck o;
    if (!openDeckToRead(file, o, err))
        return kFailed;
    const CardGrid& grid = o.state.fpsCardList;
    const HandTrial trial(Deck::fromGrid(grid), args.isSet(u"after"_s) ? DeckPart::AfterSideboard : DeckPart::Main,
                          qint32(*size), seed);
    if (args.isSet(u"json"_s)) {
        QStringList cards;
        for (CardNumber n : trial.hand())
            cards << jsonObject({{u"no"_s, jsonQuoted(n.text())}, {u"name"_s, jsonQuoted(cardName(grid, n))}});
        // The seed as its exact digits: a reader that takes numbers as doubles should read it as text.
        out << jsonObject({{u"file"_s, jsonQuoted(file)},
                           {u"seed"_s, DeckShuffle::seedText(seed)},
                           {u"size"_s, QString::number(*size)},
                           {u"cards"_s, u'[' + cards.join(u", "_s) + u']'}})
            << u'\n';
    } else {
        out << file << u": seed "_s << DeckShuffle::seedText(seed) << u", "_s << trial.openingSize() << u" of "_s
            << trial.deckSize() << u" cards, "_s << trial.left() << u" left\n"_s;
        for (CardNumber n : trial.hand())
            out << n.text() << u'\t' << cardName(grid, n) << u'\n';
    }
    return kComplete;
}
