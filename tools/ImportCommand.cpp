#include "ImportCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "catalogue/EditorState.h"
#include "deckfile/DeckList.h"
#include "platform/Cp932.h"
#include "platform/HeadlessUi.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A list as it is pasted, UTF-8; a file saved in the editor's own CP932 is read as that.
QString listText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp932::decode(bytes) : text;
}

}  // namespace

int importCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    const QString source = args.positionalArguments()[0], target = args.positionalArguments()[1];
    // A list may come from a pipe ("<(tessarin-deck text a.txt)"): any file that reads is taken.
    QFile in;
    if (source == u"-")
        in.open(stdin, QIODevice::ReadOnly);
    else
        in.setFileName(source);
    if (!in.isOpen() && !in.open(QIODevice::ReadOnly)) {
        err << source << u": "_s << in.errorString() << u'\n';
        return kFailed;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        err << source << u": "_s << in.errorString() << u'\n';
        return kFailed;
    }

    EditorState state;
    HeadlessUi ui;
    const std::optional<DeckList> list = loadDeckList(state, ui, listText(bytes));
    if (!list) {
        err << u"the catalogue could not be loaded"_s;
        for (const HeadlessUi::Message& m : ui.messages)
            err << u": "_s << QString(m.text).replace(u"\r\n"_s, u" "_s).trimmed();
        err << u'\n';
        return kFailed;
    }
    QList<DeckListIssue> issues = list->unmatched + list->warnings;
    std::stable_sort(issues.begin(), issues.end(), [](const auto& x, const auto& y) { return x.line < y.line; });
    for (const DeckListIssue& i : issues)
        err << source << u": warning: line "_s << i.line << u": "_s << i.reason << u": "_s << i.text << u'\n';

    if (writtenDeck(state, target, out, err) != kComplete)
        return kFailed;
    return list->unmatched.isEmpty() ? kComplete : kIncomplete;
}
