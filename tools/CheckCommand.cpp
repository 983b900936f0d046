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
    if (!r[u"error"_s].isNull())
        out << u"  error: "_s << r[u"error"_s].toString().replace(u"\r\n"_s, u" "_s) << u'\n';
    if (r[u"readError"_s].toBool())
        out << u"  read error: some lines could not be read\n"_s;
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
        if (const QString problem = unreadableDeck(file); !problem.isNull()) {
            err << problem << u'\n';
            status = kFailed;
            continue;
        }
        OpenedDeck o;
        openDeck(file, o);
        const QJsonObject r = deckReport(file, o);
        if (json)
            out << QString::fromUtf8(QJsonDocument(r).toJson(QJsonDocument::Compact)) << u'\n';
        else
            printSummary(r, out);
        if (o.readError || !o.error.isNull())
            status = kFailed;
        else if (!deckComplete(o.state.totals) && status == kComplete)
            status = kIncomplete;
    }
    return status;
}
