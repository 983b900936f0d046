#include "TextCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deckfile/DeckList.h"

#include <QCommandLineParser>
#include <QTextStream>

int textCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const QString file = args.positionalArguments()[0];
    OpenedDeck o;
    if (!openDeckToRead(file, o, err))
        return kFailed;
    out << deckListText(o.state, file);
    return kComplete;
}
