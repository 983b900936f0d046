#include "DeckReport.h"

#include "deck/DeckColours.h"
#include "deckfile/DeckFileText.h"
#include "deckfile/DeckOpener.h"
#include "platform/HeadlessUi.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString colourName(Rgb c)
{
    if (c == DeckColours::kAtLimit)
        return u"white"_s;
    if (c == DeckColours::kAboveLimit)
        return u"red"_s;
    return u"yellow"_s;
}

}  // namespace

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

void openDeck(const QString& file, OpenedDeck& o)
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

bool deckComplete(const Totals& t)
{
    for (TotalLabel l : {TotalLabel::lblSum, TotalLabel::lblSideSum, TotalLabel::lblSide})
        if (t.background(l) != DeckColours::kAtLimit)
            return false;
    return true;
}

QJsonObject deckReport(const QString& file, const OpenedDeck& o)
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

bool openDeckToWrite(const QString& file, OpenedDeck& o, QTextStream& err)
{
    if (const QString problem = unreadableDeck(file); !problem.isNull()) {
        err << problem << u'\n';
        return false;
    }
    openDeck(file, o);
    if (!o.error.isNull() || o.readError) {
        err << file << u": "_s
            << (o.error.isNull() ? DeckFileText::readErrorMessage().trimmed() : o.error.replace(u"\r\n"_s, u" "_s))
            << u'\n';
        return false;
    }
    return true;
}

bool wroteFile(const HeadlessUi& ui, QTextStream& err)
{
    if (ui.messages.size() == 1 && ui.messages[0].text == DeckFileText::savedMessage(ui.savePath))
        return true;
    for (const HeadlessUi::Message& m : ui.messages)
        err << QString(m.text).replace(u"\r\n"_s, u" "_s) << u'\n';
    return false;
}
