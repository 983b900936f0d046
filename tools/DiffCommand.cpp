#include "DiffCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deckfile/DeckComparison.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString json(const SectionCounts& s)
{
    return jsonObject({{u"main"_s, QString::number(s.main)},
                       {u"side"_s, QString::number(s.side)},
                       {u"after"_s, QString::number(s.after)}});
}

// The columns after the number, type and name: a's counts, b's, and b's less a's.
QString columns(const SectionCounts& a, const SectionCounts& b)
{
    return QStringList{QString::number(a.main), QString::number(a.side), QString::number(a.after),
                       QString::number(b.main), QString::number(b.side), QString::number(b.after),
                       signedCount(b.main - a.main), signedCount(b.side - a.side), signedCount(b.after - a.after)}
        .join(u'\t');
}

}  // namespace

int diffCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const QString a = args.positionalArguments()[0], b = args.positionalArguments()[1];
    OpenedDeck oa, ob;
    // Both are opened, so that one run tells what is wrong with either.
    const bool readA = openDeckToRead(a, oa, err);
    const bool readB = openDeckToRead(b, ob, err);
    if (!readA || !readB)
        return kFailed;
    const DeckComparison c = compareDecks(oa.state.fpsCardList, ob.state.fpsCardList);
    if (args.isSet(u"json"_s)) {
        QStringList cards;
        for (const DeckComparison::Card& card : c.cards)
            cards << jsonObject({{u"no"_s, jsonQuoted(card.number.text())},
                                 {u"name"_s, jsonQuoted(card.name)},
                                 {u"a"_s, json(sectionCounts(card.a))},
                                 {u"b"_s, json(sectionCounts(card.b))}});
        out << jsonObject({{u"a"_s, jsonQuoted(a)},
                           {u"b"_s, jsonQuoted(b)},
                           {u"same"_s, c.same() ? u"true"_s : u"false"_s},
                           {u"cards"_s, u'[' + cards.join(u", "_s) + u']'}})
            << u'\n';
    } else if (!c.same()) {
        out << u"no\ttype\tname\ta.main\ta.side\ta.after\tb.main\tb.side\tb.after\tmain\tside\tafter\n"_s;
        for (const DeckComparison::Card& card : c.cards)
            out << card.number.text() << u'\t' << card.type << u'\t' << card.name << u'\t'
                << columns(sectionCounts(card.a), sectionCounts(card.b)) << u'\n';
        for (const DeckComparison::TypeTotals& t : c.types)
            out << u"total\t"_s << t.type << u"\t\t"_s << columns(t.a, t.b) << u'\n';
    }
    return c.same() ? kComplete : kIncomplete;
}
