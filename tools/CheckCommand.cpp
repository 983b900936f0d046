#include "CheckCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

void printSummary(const QJsonObject& r, QTextStream& out)
{
    const QJsonObject t = r[u"totals"_s].toObject();
    const QJsonObject c = r[u"colours"_s].toObject();
    out << r[u"file"_s].toString() << u'\n';
    const auto atLine = [](const QJsonValue& line) { return line.isNull() ? QString() : u"line %1: "_s.arg(line.toInt()); };
    if (!r[u"error"_s].isNull())
        out << u"  error: "_s << atLine(r[u"line"_s]) << r[u"error"_s].toString() << u'\n';
    for (const QJsonValue& w : r[u"warnings"_s].toArray())
        out << u"  warning: "_s << atLine(w[u"line"_s]) << w[u"text"_s].toString() << u'\n';
    out << u"  main deck "_s << t[u"sum"_s].toInt() << u'/' << r[u"deckLimit"_s].toInt() << u" ("_s
        << c[u"sum"_s].toString() << u"), after side-boarding "_s << t[u"sideSum"_s].toInt() << u" ("_s
        << c[u"sideSum"_s].toString() << u"), side board "_s << t[u"side"_s].toInt() << u'/'
        << r[u"sideLimit"_s].toInt() << u" ("_s << c[u"side"_s].toString() << u")\n"_s;
    out << u"  Character "_s << t[u"character"_s].toInt() << u", Spell "_s << t[u"spell"_s].toInt()
        << u", Command "_s << t[u"command"_s].toInt() << u'\n';
    for (const QJsonValue& v : r[u"cards"_s].toArray()) {
        const QJsonObject card = v.toObject();
        out << u"  "_s << card[u"no"_s].toString() << u' ' << card[u"name"_s].toString() << u"  deck "_s
            << card[u"deck"_s].toInt() << u" side "_s << card[u"side"_s].toInt() << u'\n';
    }
}

}  // namespace

int checkCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const bool json = args.isSet(u"json"_s);
    int status = kComplete;
    for (const QString& file : args.positionalArguments()) {
        QJsonObject r;
        if (const QString problem = unreadableDeck(file); !problem.isNull()) {
            r = unreadableReport(file, problem);
            if (!json)
                err << file << u": "_s << problem << u'\n';
        } else {
            OpenedDeck o;
            openDeck(file, o);
            r = deckReport(file, o);
            if (!json)
                printSummary(r, out);
        }
        if (json)
            out << QString::fromUtf8(QJsonDocument(r).toJson(QJsonDocument::Compact)) << u'\n';
        if (!r[u"ok"_s].toBool())
            status = kFailed;
        else if (!r[u"complete"_s].toBool() && status == kComplete)
            status = kIncomplete;
    }
    return status;
}
