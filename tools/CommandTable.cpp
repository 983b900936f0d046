#include "CommandTable.h"

#include "CardsCommand.h"
#include "CheckCommand.h"
#include "DiffCommand.h"
#include "HandCommand.h"
#include "ImportCommand.h"
#include "OddsCommand.h"
#include "SaveCommand.h"
#include "SheetCommand.h"
#include "StatsCommand.h"
#include "TextCommand.h"

using namespace Qt::StringLiterals;

QCommandLineOption Option::parserOption() const
{
    if (name == u"help")
        return QCommandLineOption(QStringList{u"h"_s, name});
    return valueName.isEmpty() ? QCommandLineOption(name) : QCommandLineOption(name, QString(), valueName);
}

const QList<Command>& commands()
{
    static const QList<Command> list{
        {u"check"_s, u"[--json] DECKFILE..."_s,
         u"Loads the catalogue as deck opening does, replays each deck file as the editor opens\n"
         "it, and reports the limits, the six totals, the size checks and the cards. A line the\n"
         "editor passes over or cuts short without a word is a warning with its line number: a\n"
         "card not in the catalogue, a count the limits cut or rounded (5 copies read as 3, 1.5 as\n"
         "2), a line that is not a record. The counts stay what the editor shows.\n"
         "A deck is complete when the three size checks are met (white in the editor): the main\n"
         "deck, and the deck after side-boarding, hold exactly the deck limit, and the side board\n"
         "brings in exactly the side-board limit.\n"
         "--json prints one JSON object per file, one per line, also for a file that cannot be\n"
         "read: \"file\", \"ok\", \"complete\", \"error\" (the message alone, or null), \"line\" (the\n"
         "line where reading stopped, or null), \"warnings\" ({\"line\", \"text\"}), the limits,\n"
         "totals, colours and cards.\n"
         "Exit status: 0 when every file loaded without error and is complete, 1 when every file\n"
         "loaded but one is not complete, 2 when the catalogue is missing or a file does not\n"
         "exist, is not a regular file or could not be read completely. Warnings alone do not\n"
         "change it."_s,
         {{u"json"_s}}, 1, -1, Values::Files, checkCommand},
        {u"save"_s, u"DECKFILE OUTFILE"_s,
         u"Opens DECKFILE as the editor does and writes OUTFILE exactly as the editor saves it;\n"
         "OUTFILE \"-\" is standard output. A symbolic link stays a link: the file it leads to is\n"
         "replaced. A device, a pipe or a folder is never written or replaced.\n"
         "Exit status 0 on success, 2 on any failure (the message goes to standard error;\n"
         "OUTFILE is then left as it was)."_s,
         {}, 2, 2, Values::Files, saveCommand},
        {u"sheet"_s, u"DECKFILE OUT.png"_s,
         u"Opens DECKFILE as the editor does and draws it into OUT.png as the editor's\n"
         "\"デッキ画像を保存...\" does: the deck file's name and the six totals, then each\n"
         "main-deck card with its copy count, then the side board with its signed counts,\n"
         "cards in catalogue order. OUT.png \"-\" is standard output; OUT.png is written as\n"
         "save writes OUTFILE.\n"
         "Exit status 0 on success, 2 on any failure (the message goes to standard error;\n"
         "OUT.png is then left as it was)."_s,
         {}, 2, 2, Values::Files, sheetCommand, true},
        {u"stats"_s, u"[--json] DECKFILE"_s,
         u"Opens DECKFILE as the editor does and prints the figures of the statistics window:\n"
         "for the main deck (colDeck), the side board (colSide, which may be negative) and the\n"
         "deck after side-boarding (their sum per card), the total and the copies by colType,\n"
         "colCost and colNode text as the grid shows it (texts whose copies sum to 0 left out).\n"
         "--json prints one object: {\"file\", \"main\", \"side\", \"after\"}, each section\n"
         "{\"total\": N, \"type\": {TEXT: N}, \"cost\": {TEXT: N}, \"node\": {TEXT: N}}.\n"
         "Exit status as check gives it: 0 complete, 1 incomplete, 2 when the catalogue is\n"
         "missing or the file cannot be read completely (then no figures are printed)."_s,
         {{u"json"_s}}, 1, 1, Values::Files, statsCommand},
        {u"cards"_s, u"[--deck DECKFILE] [--where CONDITIONS.json] [--sort COLUMN[:desc]] [--json]"_s,
         u"Loads the catalogue as the editor does, without writing it, and prints the card rows\n"
         "the search dialog's filter shows: one line per card, its number, a tab and its name;\n"
         "--json prints one JSON array of objects keyed by the 19 column names (colNo ...\n"
         "colIllustration).\n"
         "--deck opens DECKFILE first as the editor does, so colDeck and colSide hold its counts\n"
         "and the count conditions list a deck: {\"chkNumber\": 0, \"cmbNumberL\": \"1\"} gives\n"
         "the main deck.\n"
         "--where reads the conditions from a JSON object keyed by the dialog's control names\n"
         "(a missing key keeps the dialog's default).\n"
         "--sort orders the rows as a click on that column's header does (colNo ... colIllustration;\n"
         "ties by colType, then colNo); :desc as the second click does. Without it, catalogue order.\n"
         "Exit status 0, or 2 when the catalogue, the deck or the conditions cannot be read or\n"
         "the column is unknown (the message goes to standard error)."_s,
         {{u"deck"_s, u"DECKFILE"_s, Values::Files},
          {u"where"_s, u"CONDITIONS.json"_s, Values::Files},
          {u"sort"_s, u"COLUMN[:desc]"_s, Values::Columns},
          {u"json"_s}},
         0, 0, Values::None, cardsCommand},
        {u"hand"_s, u"[--size N] [--seed S] [--after] [--json] DECKFILE"_s,
         u"Opens DECKFILE as the editor does and deals the hand the editor's \"手札を試す...\"\n"
         "window deals for the seed S: every copy of the main deck (with --after, of the deck\n"
         "after side-boarding) in catalogue order, shuffled by S, and the first N cards (N from\n"
         "1 to 20, 5 by default; fewer when the deck is smaller). The same seed gives the same\n"
         "shuffle on every machine. Without --seed a new seed is drawn; it is printed either way.\n"
         "--json prints one object: {\"file\", \"seed\", \"size\", \"cards\": [{\"no\", \"name\"}]},\n"
         "the seed as its exact decimal digits.\n"
         "Exit status 0, or 2 when the catalogue is missing, the file cannot be read completely\n"
         "or an option's value is not a number it takes."_s,
         {{u"size"_s, u"N"_s}, {u"seed"_s, u"S"_s}, {u"after"_s}, {u"json"_s}}, 1, 1, Values::Files, handCommand},
        {u"odds"_s, u"[--size N] [--draws K] [--after] [--json] DECKFILE"_s,
         u"Opens DECKFILE as the editor does and prints, for each card of the main deck (with\n"
         "--after, of the deck after side-boarding), each colType text and each colCost text as\n"
         "the grid shows them, the exact chance of at least one copy among the first N+K cards\n"
         "of a shuffled deck: a hand of N (1 to 20, 5 by default) and K cards drawn after it (0\n"
         "by default). A line \"FILE: D cards, N+K drawn\", then one line each: the card number (or\n"
         "\"type\", \"cost\"), the name or text, the copies and the chance as a percentage with one\n"
         "decimal.\n"
         "--json prints one object: {\"file\", \"deck\": D, \"drawn\": N+K, \"cards\": [{\"no\",\n"
         "\"name\", \"copies\", \"p\"}], \"type\": {TEXT: p}, \"cost\": {TEXT: p}}, each p a number\n"
         "from 0 to 1, cards in catalogue order, texts in the order of stats.\n"
         "Exit status as hand gives it."_s,
         {{u"size"_s, u"N"_s}, {u"draws"_s, u"K"_s}, {u"after"_s}, {u"json"_s}}, 1, 1, Values::Files, oddsCommand},
        {u"diff"_s, u"[--json] A B"_s,
         u"Opens the deck files A and B as the editor does (every limit applied) and lists the\n"
         "cards whose counts differ, in catalogue order whatever order either file lists them in,\n"
         "as the editor's \"デッキを比較...\" window does: a header line, then one tab-separated\n"
         "line per card (number, colType, colName, A's main, side and after-side-boarding\n"
         "counts, B's, and B's less A's), then a \"total\" line per type. Nothing when the counts\n"
         "are the same.\n"
         "--json prints one object: {\"a\", \"b\", \"same\", \"cards\": [{\"no\", \"name\",\n"
         "\"a\": {\"main\", \"side\", \"after\"}, \"b\": {...}}]}.\n"
         "Exit status 0 when the counts are the same, 1 when they differ, 2 when the catalogue is\n"
         "missing or a file cannot be read completely."_s,
         {{u"json"_s}}, 2, 2, Values::Files, diffCommand},
        {u"text"_s, u"DECKFILE"_s,
         u"Opens DECKFILE as the editor does and prints the text \"デッキをテキストでコピー\" puts on\n"
         "the clipboard: \"# \" and DECKFILE as given, \"# \" and the six totals, \"メインデッキ\"\n"
         "and one \"count number name\" line per card, then, when the side board has changes,\n"
         "\"サイドボード\" and one signed line per change; cards in catalogue order, UTF-8, LF.\n"
         "Exit status 0, or 2 when the catalogue is missing or the file cannot be read completely."_s,
         {}, 1, 1, Values::Files, textCommand},
        {u"import"_s, u"LIST OUTFILE"_s,
         u"Reads the deck list LIST (UTF-8, or CP932; \"-\" is standard input) as the editor's\n"
         "\"テキストから読み込み...\" does, loads it as a deck opening does (every limit applied)\n"
         "and writes OUTFILE exactly as save would write that deck; OUTFILE \"-\" is standard\n"
         "output. Blank and \"#\" lines are skipped; \"サイドボード\", \"Sideboard\" or \"--\" switch\n"
         "to the side board (an unsigned count there means +), \"メインデッキ\" back. A card line\n"
         "is a count and a card: \"3 001 名前\", \"3 001\", \"3 名前\", \"3x 名前\", \"3 x 名前\",\n"
         "\"名前 x3\", \"名前 ×3\", full-width digits too. A card is found by its number (\"001\",\n"
         "\"1\", \"P02\"), then its exact name, then its name after NFKC with blanks removed; a\n"
         "name several cards share takes the first in catalogue order. Each line not read, each\n"
         "shared name and each count the limits cut is a warning with its line number.\n"
         "The output of text reads back into the bytes save writes of that deck.\n"
         "Exit status 0 when every line was read, 1 when some were not (OUTFILE holds the rest),\n"
         "2 when LIST or the catalogue cannot be read or OUTFILE cannot be written (then nothing\n"
         "is written)."_s,
         {}, 2, 2, Values::Files, importCommand},
    };
    return list;
}

const QList<Option>& globalOptions()
{
    static const QList<Option> list{{u"home"_s, u"DIR"_s, Values::Directories}, {u"help"_s}, {u"version"_s}};
    return list;
}

QStringList columnValues()
{
    QStringList words;
    for (const QString& name : columnNames())
        words << name << name + u":desc"_s;
    return words;
}

QString programName() { return u"tessarin-deck"_s; }

QString versionText()
{
    return u"%1 %2.%3.%4"_s.arg(programName())
        .arg(TESSARIN_VERSION_MAJOR)
        .arg(TESSARIN_VERSION_MINOR)
        .arg(TESSARIN_VERSION_PATCH);
}

QString usage()
{
    QString text = u"Usage:\n"_s;
    for (const Command& c : commands())
        text += u"  tessarin-deck [--home DIR] "_s + c.name + u' ' + c.synopsis + u'\n';
    text += u"  tessarin-deck --help | --version\n"_s;
    for (const Command& c : commands()) {
        QString description = c.description;
        text += u'\n' + c.name.leftJustified(8) + description.replace(u"\n"_s, u"\n        "_s) + u'\n';
    }
    text += u"\n--home DIR  the program folder (DIR/card/cardlist.ini, DIR/player.ini); by default the folder\n"
            "            of the tessarin executable, or TESSARIN_HOME when set.\n"
            "--help      prints this text; --version prints the version.\n"_s;
    return text;
}

namespace {

QString words(const QList<Option>& options)
{
    QStringList w;
    for (const Option& o : options)
        w << u"--"_s + o.name;
    return w.join(u' ');
}

// A bash command that fills COMPREPLY for the current word from `values`.
QString offer(Values values)
{
    switch (values) {
    case Values::None:
        return u":"_s;
    case Values::Files:
        return u"_filedir"_s;
    case Values::Directories:
        return u"_filedir -d"_s;
    case Values::Columns:
        return u"COMPREPLY=($(compgen -W '"_s + columnValues().join(u' ') + u"' -- \"$cur\"))"
               "; __ltrim_colon_completions \"$cur\""_s;
    }
    return {};
}

// The case arms that complete an option's value after that option.
QString valueArms(const QList<Option>& options, const QString& indent)
{
    QString arms;
    for (const Option& o : options)
        if (!o.valueName.isEmpty())
            arms += indent + u"--"_s + o.name + u") "_s + offer(o.values) + u"; return ;;\n"_s;
    return arms;
}

}  // namespace

QString bashCompletion()
{
    QStringList names;
    QStringList valued;  // global options that take the next word
    for (const Command& c : commands())
        names << c.name;
    for (const Option& o : globalOptions())
        if (!o.valueName.isEmpty())
            valued << u"--"_s + o.name;

    QString s = u"# bash completion for tessarin-deck, made from its command table at build time.\n"
                "_tessarin_deck()\n"
                "{\n"
                "    local cur prev words cword split\n"
                "    _init_completion -s -n : || return\n"
                "    local i command=\n"
                "    for ((i = 1; i < cword; i++)); do\n"
                "        case ${words[i]} in\n"
                "            "_s + valued.join(u'|') + u") ((i++)) ;;\n"
                "            -*) ;;\n"
                "            *) command=${words[i]}; break ;;\n"
                "        esac\n"
                "    done\n"
                "    case $command in\n"
                "    '')\n"
                "        case $prev in\n"_s
                + valueArms(globalOptions(), u"        "_s)
                + u"        esac\n"
                  "        $split && return\n"
                  "        if [[ $cur == -* ]]; then\n"
                  "            COMPREPLY=($(compgen -W '"_s + words(globalOptions()) + u"' -- \"$cur\"))\n"
                  "        else\n"
                  "            COMPREPLY=($(compgen -W '"_s + names.join(u' ') + u"' -- \"$cur\"))\n"
                  "        fi\n"
                  "        ;;\n"_s;
    for (const Command& c : commands()) {
        s += u"    "_s + c.name + u")\n        case $prev in\n"_s + valueArms(c.options, u"        "_s)
             + u"        esac\n"
               "        $split && return\n"
               "        if [[ $cur == -* ]]; then\n"
               "            COMPREPLY=($(compgen -W '"_s + words(c.options + QList<Option>{{u"help"_s}}) + u"' -- \"$cur\"))\n"
               "        else\n"
               "            "_s + offer(c.args) + u"\n"
               "        fi\n"
               "        ;;\n"_s;
    }
    s += u"    esac\n"
         "} &&\n"
         "    complete -F _tessarin_deck tessarin-deck\n"_s;
    return s;
}
