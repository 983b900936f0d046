#pragma once

#include <QString>
#include <QStringList>

// The one command-line text a deck path arrives in: the program's arguments (without the program
// name) joined back with blanks, so that "a b.txt" and a b.txt both name the file "a b.txt".
inline QString commandLineText(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

// What the editor prints instead of starting when its only argument is --help (-h) or --version,
// or a null text: every other command line names a deck.
inline QString commandLineAnswer(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return {};
    if (arguments[1] == QLatin1String("--version"))
        return QStringLiteral("tessarin %1.%2.%3\n")
            .arg(TESSARIN_VERSION_MAJOR)
            .arg(TESSARIN_VERSION_MINOR)
            .arg(TESSARIN_VERSION_PATCH);
    if (arguments[1] == QLatin1String("--help") || arguments[1] == QLatin1String("-h"))
        return QStringLiteral(
            "Usage: tessarin [DECKFILE]\n"
            "Starts the deck editor and opens DECKFILE when given. The words after the program name\n"
            "are joined by blanks into one path, so a path with blanks needs no quotes.\n"
            "The catalogue is card/cardlist.ini in the program folder: the folder of the executable,\n"
            "or TESSARIN_HOME when set.\n"
            "  --help     prints this text\n"
            "  --version  prints the version\n");
    return {};
}
