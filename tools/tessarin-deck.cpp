// tessarin-deck: checks and rewrites deck files with the editor's own logic, without a window.
// It never writes the catalogue.

#include "CommandTable.h"
#include "DeckReport.h"

#include "platform/ProgramFolder.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QList<QCommandLineOption> parserOptions(const QList<Option>& options)
{
    QList<QCommandLineOption> list;
    for (const Option& o : options)
        list << o.parserOption();
    return list;
}

// The first option given more than once, or a null text. The parser keeps only the last value,
// which would silently drop what the user typed first.
QString repeatedOption(const QCommandLineParser& parser)
{
    QStringList seen;
    for (const QString& name : parser.optionNames()) {
        if (seen.contains(name))
            return name;
        seen << name;
    }
    return {};
}

// Whether the command a command line names draws text, found before any application object
// exists, since that decides which kind to make. The global parser below checks the line properly.
bool drawsText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString word = QString::fromLocal8Bit(argv[i]);
        if (word == u"--home"_s) {
            ++i;
        } else if (!word.startsWith(u'-')) {
            const auto c = std::find_if(commands().begin(), commands().end(),
                                        [&](const Command& command) { return command.name == word; });
            return c != commands().end() && c->drawsText;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing text needs a QGuiApplication; nothing here ever shows a window, so it runs offscreen.
    // The other commands start faster without one.
    std::unique_ptr<QCoreApplication> app;
    if (drawsText(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);

    // The global options end at the command; the rest is the command's, parsed by its own parser.
    QCommandLineParser global;
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    global.addOptions(parserOptions(globalOptions()));
    if (!global.parse(QCoreApplication::arguments()))
        return usageError(err, global.errorText());
    if (const QString repeated = repeatedOption(global); !repeated.isNull())
        return usageError(err, u"--"_s + repeated + u" given more than once"_s);
    const QStringList rest = global.positionalArguments();
    if (global.isSet(u"help"_s)) {
        out << usage();
        return kComplete;
    }
    if (global.isSet(u"version"_s)) {
        out << versionText() << u'\n';
        return kComplete;
    }
    if (rest.isEmpty())
        return usageError(err, u"no command given"_s);

    const auto command = std::find_if(commands().begin(), commands().end(),
                                      [&](const Command& c) { return c.name == rest[0]; });
    if (command == commands().end())
        return usageError(err, u"unknown command: "_s + rest[0]);
    QCommandLineParser parser;
    parser.addOptions(parserOptions(command->options + QList<Option>{{u"help"_s}}));
    if (!parser.parse(QStringList{QCoreApplication::applicationFilePath()} + rest.mid(1)))
        return usageError(err, command->name + u": "_s + parser.errorText());
    if (const QString repeated = repeatedOption(parser); !repeated.isNull())
        return usageError(err, command->name + u": --"_s + repeated + u" given more than once"_s);
    if (parser.isSet(u"help"_s)) {
        out << usage();
        return kComplete;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given < command->minArgs || (command->maxArgs >= 0 && given > command->maxArgs))
        return usageError(err, command->name + u": expected "_s + command->name + u' ' + command->synopsis);

    // Without --home the program folder is this tool's own, which is the editor's: they are built side by side.
    if (global.isSet(u"home"_s))
        ProgramFolder::setOverride(global.value(u"home"_s));
    if (!QFileInfo(ProgramFolder::catalogueFile()).isFile()) {
        err << u"catalogue not found: "_s << ProgramFolder::catalogueFile() << u'\n';
        return kFailed;
    }
    return command->run(parser, out, err);
}
