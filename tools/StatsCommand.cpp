#include "StatsCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deck/DeckStats.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString tallies(const QList<DeckTally>& list)
{
    QList<std::pair<QString, QString>> members;
    for (const DeckTally& t : list)
        members.append({t.text, QString::number(t.copies)});
    return jsonObject(members);
}

QString section(const DeckSection& s)
{
    return jsonObject({{u"total"_s, QString::number(s.total)},
                       {u"type"_s, tallies(s.type)},
                       {u"cost"_s, tallies(s.cost)},
                       {u"node"_s, tallies(s.node)}});
}

// "Character 3, Spell 2": an empty text shows as "" so that it is not lost in the line.
QString line(const QList<DeckTally>& list)
{
    QStringList parts;
    for (const DeckTally& t : list)
        parts << (t.text.isEmpty() ? u"\"\""_s : t.text) + u' ' + QString::number(t.copies);
    return parts.isEmpty() ? u"-"_s : parts.join(u", "_s);
}

void print(QTextStream& out, const QString& title, const DeckSection& s)
{
    out << u"  "_s << title << u": "_s << s.total << u'\n' << u"    type: "_s << line(s.type) << u'\n'
        << u"    cost: "_s << line(s.cost) << u'\n' << u"    node: "_s << line(s.node) << u'\n';
}

}  // namespace

int statsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const QString file = args.positionalArguments()[0];
    OpenedDeck o;
    if (!openDeckToRead(file, o, err))
        return kFailed;
    const DeckStats stats = deckStats(o.state.fpsCardList);
    if (args.isSet(u"json"_s)) {
        out << jsonObject({{u"file"_s, jsonQuoted(file)},
                           {u"main"_s, section(stats.main)},
                           {u"side"_s, section(stats.side)},
                           {u"after"_s, section(stats.after)}})
            << u'\n';
    } else {
        out << file << u'\n';
        print(out, u"main deck"_s, stats.main);
        print(out, u"side board"_s, stats.side);
        print(out, u"after side-boarding"_s, stats.after);
    }
    return deckComplete(o.state.totals) ? kComplete : kIncomplete;
}
