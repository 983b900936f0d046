#include "SaveCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deckfile/DeckFileText.h"
#include "deckfile/DeckSaver.h"
#include "platform/HeadlessUi.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

int saveCommand(const QCommandLineParser& args, QTextStream&, QTextStream& err)
{
    const QString deckFile = args.positionalArguments()[0];
    const QString outFile = args.positionalArguments()[1];
    if (const QString problem = unreadableDeck(deckFile); !problem.isNull()) {
        err << problem << u'\n';
        return kFailed;
    }
    OpenedDeck o;
    openDeck(deckFile, o);
    if (!o.error.isNull() || o.readError) {
        err << deckFile << u": "_s
            << (o.error.isNull() ? DeckFileText::readErrorMessage().trimmed() : o.error.replace(u"\r\n"_s, u" "_s))
            << u'\n';
        return kFailed;
    }
    HeadlessUi ui;
    ui.savePath = outFile;
    fsubSaveFile(o.state, ui);
    if (ui.messages.size() != 1 || ui.messages[0].text != DeckFileText::savedMessage(outFile)) {
        for (const HeadlessUi::Message& m : ui.messages)
            err << QString(m.text).replace(u"\r\n"_s, u" "_s) << u'\n';
        return kFailed;
    }
    return kComplete;
}
