#pragma once

#include <QString>
#include <QStringList>

// The one command-line text a deck path arrives in: the program's arguments (without the program
// name) joined back with blanks, so that "a b.txt" and a b.txt both name the file "a b.txt".
inline QString commandLineText(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}
