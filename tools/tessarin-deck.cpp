// tessarin-deck: checks and rewrites deck files with the editor's own logic, without a window.
// It never writes the catalogue.

#include "CardsCommand.h"

#include "platform/HeadlessUi.h"

#include "catalogue/EditorState.h"
#include "deck/DeckColours.h"
#include "deckfile/DeckFileText.h"
#include "deckfile/DeckOpener.h"
#include "deckfile/DeckSaver.h"
#include "platform/ProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kComplete = 0;
constexpr int kIncomplete = 1;
constexpr int kFailed = 2;

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

// The outcome of opening one deck file as the editor does.
struct Opened {
    EditorState state;
    bool readError = false;
    QString error;  // null when none
};

void open(const QString& file, Opened& o)
{
    HeadlessUi ui;
    QString name = file;
    plngOpenFile(o.state, ui, name);
    for (const HeadlessUi::Message& m : ui.messages) {
        if (m.text == DeckFileText::readErrorMessage())
            o.readError = true;
        else if (o.error.isNull())
            o.error = m.text;
    }
}

QString colourName(Rgb c)
{
    if (c == DeckColours::kAtLimit)
        return u"white"_s;
    if (c == DeckColours::kAboveLimit)
        return u"red"_s;
    return u"yellow"_s;
}

bool complete(const Totals& t)
{
    for (TotalLabel l : {TotalLabel::lblSum, TotalLabel::lblSideSum, TotalLabel::lblSide})
        if (t.background(l) != DeckColours::kAtLimit)
            return false;
    return true;
}

QJsonObject report(const QString& file, const Opened& o)
{
    const Totals& t = o.state.totals;
    const CardGrid& grid = o.state.fpsCardList;
    QJsonArray cards;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        const int deck = grid.cellText(colDeck, r).toInt();
        const int side = grid.cellText(colSide, r).toInt();
        if (deck != 0 || side != 0)
            cards.append(QJsonObject{{u"no"_s, grid.cellText(colNo, r)},
                                     {u"name"_s, grid.cellText(colName, r)},
                                     {u"deck"_s, deck},
                                     {u"side"_s, side}});
    }
    return QJsonObject{
        {u"file"_s, file},
        {u"deckLimit"_s, o.state.limits.glngDeckLimit},
        {u"sideLimit"_s, o.state.limits.glngSideLimit},
        {u"copyLimit"_s, o.state.limits.glngCopyLimit},
        {u"totals"_s, QJsonObject{{u"sum"_s, t.value(TotalLabel::lblSum)},
                                  {u"sideSum"_s, t.value(TotalLabel::lblSideSum)},
                                  {u"side"_s, t.value(TotalLabel::lblSide)},
                                  {u"character"_s, t.value(TotalLabel::lblCharacterSum)},
                                  {u"spell"_s, t.value(TotalLabel::lblSpellSum)},
                                  {u"command"_s, t.value(TotalLabel::lblCommandSum)}}},
        {u"colours"_s, QJsonObject{{u"sum"_s, colourName(t.background(TotalLabel::lblSum))},
                                   {u"sideSum"_s, colourName(t.background(TotalLabel::lblSideSum))},
                                   {u"side"_s, colourName(t.background(TotalLabel::lblSide))}}},
        {u"readError"_s, o.readError},
        {u"error"_s, o.error.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(o.error)},
        {u"cards"_s, cards},
    };
}

void printSummary(const QJsonObject& r)
{
    const QJsonObject t = r[u"totals"_s].toObject();
    const QJsonObject c = r[u"colours"_s].toObject();
    out() << r[u"file"_s].toString() << u'\n';
    if (!r[u"error"_s].isNull())
        out() << u"  error: "_s << r[u"error"_s].toString().replace(u"\r\n"_s, u" "_s) << u'\n';
    if (r[u"readError"_s].toBool())
        out() << u"  read error: some lines could not be read\n"_s;
    out() << u"  main deck "_s << t[u"sum"_s].toInt() << u'/' << r[u"deckLimit"_s].toInt() << u" ("_s
          << c[u"sum"_s].toString() << u"), after side-boarding "_s << t[u"sideSum"_s].toInt() << u" ("_s
          << c[u"sideSum"_s].toString() << u"), side board "_s << t[u"side"_s].toInt() << u'/'
          << r[u"sideLimit"_s].toInt() << u" ("_s << c[u"side"_s].toString() << u")\n"_s;
    out() << u"  Character "_s << t[u"character"_s].toInt() << u", Spell "_s << t[u"spell"_s].toInt()
          << u", Command "_s << t[u"command"_s].toInt() << u'\n';
    for (const QJsonValue& v : r[u"cards"_s].toArray()) {
        const QJsonObject card = v.toObject();
        out() << u"  "_s << card[u"no"_s].toString() << u' ' << card[u"name"_s].toString() << u"  deck "_s
              << card[u"deck"_s].toInt() << u" side "_s << card[u"side"_s].toInt() << u'\n';
    }
}

// Why a deck file cannot be read at all, or a null text when it can. The editor opens such a file
// as an empty deck; here that would pass for a deck read completely.
QString unreadableDeck(const QString& file)
{
    if (file.isEmpty())
        return u"no deck file name given"_s;
    const QFileInfo info(file);
    if (!info.exists())
        return file + u": no such file"_s;
    if (!info.isFile())
        return file + u": not a regular file"_s;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return file + u": cannot be read: "_s + f.errorString();
    return {};
}

int check(const QCommandLineParser& args)
{
    const bool json = args.isSet(u"json"_s);
    int status = kComplete;
    for (const QString& file : args.positionalArguments()) {
        if (const QString problem = unreadableDeck(file); !problem.isNull()) {
            err() << problem << u'\n';
            status = kFailed;
            continue;
        }
        Opened o;
        open(file, o);
        const QJsonObject r = report(file, o);
        if (json)
            out() << QString::fromUtf8(QJsonDocument(r).toJson(QJsonDocument::Compact)) << u'\n';
        else
            printSummary(r);
        if (o.readError || !o.error.isNull())
            status = kFailed;
        else if (!complete(o.state.totals) && status == kComplete)
            status = kIncomplete;
    }
    return status;
}

int save(const QCommandLineParser& args)
{
    const QString deckFile = args.positionalArguments()[0];
    const QString outFile = args.positionalArguments()[1];
    if (const QString problem = unreadableDeck(deckFile); !problem.isNull()) {
        err() << problem << u'\n';
        return kFailed;
    }
    Opened o;
    open(deckFile, o);
    if (!o.error.isNull() || o.readError) {
        err() << deckFile << u": "_s
              << (o.error.isNull() ? DeckFileText::readErrorMessage().trimmed() : o.error.replace(u"\r\n"_s, u" "_s))
              << u'\n';
        return kFailed;
    }
    HeadlessUi ui;
    ui.savePath = outFile;
    fsubSaveFile(o.state, ui);
    if (ui.messages.size() != 1 || ui.messages[0].text != DeckFileText::savedMessage(outFile)) {
        for (const HeadlessUi::Message& m : ui.messages)
            err() << QString(m.text).replace(u"\r\n"_s, u" "_s) << u'\n';
        return kFailed;
    }
    return kComplete;
}

// One command: its synopsis and description for the help, its options, how many positional
// arguments it takes, and what it does.
struct Command {
    QString name;
    QString synopsis;
    QString description;
    QList<QCommandLineOption> options;
    qsizetype minArgs, maxArgs;  // maxArgs -1: no upper bound
    int (*run)(const QCommandLineParser&);
};

const QList<Command>& commands()
{
    static const QList<Command> list{
        {u"check"_s, u"check [--json] DECKFILE..."_s,
         u"Loads the catalogue as deck opening does, replays each deck file as the editor opens\n"
         "it, and reports the limits, the six totals, the size checks and the cards.\n"
         "--json prints one JSON object per file, one per line.\n"
         "Exit status: 0 when every file loaded without error and every size check is met,\n"
         "1 when a file loaded but a size check is not met, 2 when the catalogue is missing\n"
         "or a file does not exist, is not a regular file or could not be read completely."_s,
         {QCommandLineOption(u"json"_s)}, 1, -1, check},
        {u"save"_s, u"save DECKFILE OUTFILE"_s,
         u"Opens DECKFILE as the editor does and writes OUTFILE exactly as the editor saves it.\n"
         "Exit status 0 on success, 2 on any failure (the message goes to standard error;\n"
         "OUTFILE is then left as it was)."_s,
         {}, 2, 2, save},
        {u"cards"_s, u"cards [--where CONDITIONS.json] [--sort COLUMN[:desc]] [--json]"_s,
         u"Loads the catalogue as the editor does, without writing it, and prints the card rows\n"
         "the search dialog's filter shows: one line per card, its number, a tab and its name;\n"
         "--json prints one JSON array of objects keyed by the 19 column names (colNo ...\n"
         "colIllustration).\n"
         "--where reads the conditions from a JSON object keyed by the dialog's control names\n"
         "(a missing key keeps the dialog's default).\n"
         "--sort orders the rows as a click on that column's header does (colNo ... colIllustration;\n"
         "ties by colType, then colNo); :desc as the second click does. Without it, catalogue order.\n"
         "Exit status 0, or 2 when the catalogue or the conditions cannot be read or the\n"
         "column is unknown (the message goes to standard error)."_s,
         cardsOptions(), 0, 0, [](const QCommandLineParser& a) { return cardsCommand(a, out(), err()); }},
    };
    return list;
}

QString usage()
{
    QString text = u"Usage:\n"_s;
    for (const Command& c : commands())
        text += u"  tessarin-deck [--home DIR] "_s + c.synopsis + u'\n';
    for (const Command& c : commands()) {
        QString description = c.description;
        text += u'\n' + c.name.leftJustified(8) + description.replace(u"\n"_s, u"\n        "_s) + u'\n';
    }
    text += u"\n--home DIR  the program folder (DIR/card/cardlist.ini, DIR/player.ini); by default the folder\n"
            "            of the tessarin executable, or TESSARIN_HOME when set.\n"_s;
    return text;
}

int usageError(const QString& message)
{
    err() << message << u'\n' << usage();
    return kFailed;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption home(u"home"_s, QString(), u"DIR"_s);

    // The global options end at the command; the rest is the command's, parsed by its own parser.
    QCommandLineParser global;
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    global.addOptions({help, home});
    if (!global.parse(QCoreApplication::arguments()))
        return usageError(global.errorText());
    const QStringList rest = global.positionalArguments();
    if (global.isSet(help)) {
        out() << usage();
        return kComplete;
    }
    if (rest.isEmpty())
        return usageError(u"no command given"_s);

    const auto command = std::find_if(commands().begin(), commands().end(),
                                      [&](const Command& c) { return c.name == rest[0]; });
    if (command == commands().end())
        return usageError(u"unknown command: "_s + rest[0]);
    QCommandLineParser parser;
    parser.addOptions(command->options);
    parser.addOption(help);
    if (!parser.parse(QStringList{QCoreApplication::applicationFilePath()} + rest.mid(1)))
        return usageError(command->name + u": "_s + parser.errorText());
    if (parser.isSet(help)) {
        out() << usage();
        return kComplete;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given < command->minArgs || (command->maxArgs >= 0 && given > command->maxArgs))
        return usageError(command->name + u": expected "_s + command->synopsis);

    // Without --home the program folder is this tool's own, which is the editor's: they are built side by side.
    if (global.isSet(home))
        ProgramFolder::setOverride(global.value(home));
    if (!QFileInfo(ProgramFolder::catalogueFile()).isFile()) {
        err() << u"catalogue not found: "_s << ProgramFolder::catalogueFile() << u'\n';
        return kFailed;
    }
    return command->run(parser);
}
