#include "OddsCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deck/DeckOdds.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <limits>

using namespace Qt::StringLiterals;

int oddsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const std::optional<qint64> size =
        integerOption(args, u"odds"_s, u"size"_s, HandTrial::kMinHand, HandTrial::kMaxHand, HandTrial::kDefaultHand, err);
    if (!size)
        return kFailed;
    const std::optional<qint64> draws =
        integerOption(args, u"odds"_s, u"draws"_s, 0, std::numeric_limits<qint32>::max(), 0, err);
    if (!draws)
        return kFailed;
    const QString file = args.positionalArguments()[0];
    OpenedDeck o;
    if (!openDeckToRead(file, o, err))
        return kFailed;
    const DeckPart part = args.isSet(u"after"_s) ? DeckPart::AfterSideboard : DeckPart::Main;
    const DeckOdds odds = deckOdds(o.state.fpsCardList, part, *size + *draws, *size);

    if (args.isSet(u"json"_s)) {
        QStringList cards;
        QList<std::pair<QString, QString>> types, costs;
        for (const OddsRow& r : odds.rows) {
            if (r.kind == OddsRow::Kind::Card)
                cards << jsonObject({{u"no"_s, jsonQuoted(r.number->text())},
                                     {u"name"_s, jsonQuoted(r.text)},
                                     {u"copies"_s, QString::number(r.copies)},
                                     {u"p"_s, jsonNumber(r.drawn)}});
            else
                (r.kind == OddsRow::Kind::Type ? types : costs).append({r.text, jsonNumber(r.drawn)});
        }
        out << jsonObject({{u"file"_s, jsonQuoted(file)},
                           {u"deck"_s, QString::number(odds.deckSize)},
                           {u"drawn"_s, QString::number(odds.drawn)},
                           {u"cards"_s, u'[' + cards.join(u", "_s) + u']'},
                           {u"type"_s, jsonObject(types)},
                           {u"cost"_s, jsonObject(costs)}})
            << u'\n';
        return kComplete;
    }
    out << file << u": "_s << odds.deckSize << u" cards, "_s << odds.drawn << u" drawn\n"_s;
    for (const OddsRow& r : odds.rows) {
        const QString what = r.kind == OddsRow::Kind::Card ? r.number->text()
                             : r.kind == OddsRow::Kind::Type ? u"type"_s
                                                             : u"cost"_s;
        out << what << u'\t' << r.text << u'\t' << r.copies << u'\t' << QString::number(r.drawn * 100, 'f', 1)
            << u"%\n"_s;
    }
    return kComplete;
}
