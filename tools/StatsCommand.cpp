#include "StatsCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deck/DeckStats.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// JSON written by hand so that keys come in the order a reader expects: the sections as the
// window shows them, each section's texts in the window's order (costs as the header sort has them).
QString quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString object(const QList<std::pair<QString, QString>>& members)
{
    QStringList parts;
    for (const auto& [key, value] : members)
        parts << quoted(key) + u": "_s + value;
    return u'{' + parts.join(u", "_s) + u'}';
}

QString tallies(const QList<DeckTally>& list)
{
    QList<std::pair<QString, QString>> members;
    for (const DeckTally& t : list)
        members.append({t.text, QString::number(t.copies)});
    return object(members);
}

QString section(const DeckSection& s)
{
    return object({{u"total"_s, QString::number(s.total)},
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
    if (const QString problem = unreadableDeck(file); !problem.isNull()) {
        err << file << u": "_s << problem << u'\n';
        return kFailed;
    }
    OpenedDeck o;
    openDeck(file, o);
    const auto atLine = [](qint32 line) { return line > 0 ? u"line %1: "_s.arg(line) : QString(); };
    for (const OpenResult::Warning& w : o.result.warnings)
        err << file << u": warning: "_s << atLine(w.line) << w.text << u'\n';
    // Figures of a deck read only in part would pass for the deck's own.
    if (!o.problem().isNull()) {
        err << file << u": "_s << o.problemAtLine() << u'\n';
        return kFailed;
    }
    const DeckStats stats = deckStats(o.state.fpsCardList);
    if (args.isSet(u"json"_s)) {
        out << object({{u"file"_s, quoted(file)},
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
