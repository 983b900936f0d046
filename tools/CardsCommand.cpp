#include "CardsCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "platform/HeadlessUi.h"
#include "search/HeaderSort.h"
#include "search/SearchConditions.h"
#include "search/SearchConditionsText.h"
#include "search/SearchRun.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr const char16_t* kColumnNames[kColumnCount] = {
    u"colNo",        u"colType",   u"colName",     u"colDeck",     u"colDeckDown",     u"colDeckUp",  u"colSide",
    u"colSideDown",  u"colSideUp", u"colNode",     u"colCost",     u"colGlaze",        u"colAttack",  u"colToughness",
    u"colUser",      u"colUpkeep", u"colClass",    u"colSkill",    u"colIllustration",
};

// The column's number, 0 for none.
qint32 columnNamed(QStringView name)
{
    for (qint32 c = 1; c <= kColumnCount; ++c)
        if (name == QStringView(kColumnNames[c - 1]))
            return c;
    return 0;
}

QString oneLine(QString text) { return text.replace(u"\r\n"_s, u" "_s); }

// The conditions in `file` ("-": standard input), or nothing after a message naming the file.
std::optional<SearchConditions> readConditions(const QString& file, QTextStream& err)
{
    ConditionsRefusal refusal;
    std::optional<SearchConditions> c = SearchConditions::readFile(file, refusal);
    if (!c)
        err << (file == u"-" ? u"standard input"_s : file) << u": "_s << SearchConditionsText::refusal(refusal)
            << u'\n';
    return c;
}

}  // namespace

QStringList columnNames()
{
    QStringList names;
    for (const char16_t* name : kColumnNames)
        names << QString::fromUtf16(name);
    return names;
}

int cardsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    qint32 sortCol = 0;
    qint32 direction = 1;
    if (args.isSet(u"sort"_s)) {
        QString name = args.value(u"sort"_s);
        if (name.endsWith(u":desc"_s)) {
            name.chop(5);
            direction = 2;
        }
        if ((sortCol = columnNamed(name)) == 0) {
            err << u"cards: unknown column: "_s << name << u" (expected colNo ... colIllustration)\n"_s;
            return kFailed;
        }
    }
    std::optional<SearchConditions> where;
    if (args.isSet(u"where"_s) && !(where = readConditions(args.value(u"where"_s), err)))
        return kFailed;

    // The deck-opening reload fills the same rows as a full load and never writes the catalogue;
    // with a deck, its counts are in place before the filter looks at them.
    OpenedDeck opened;
    HeadlessUi ui;
    CardGrid& grid = opened.state.fpsCardList;
    if (args.isSet(u"deck"_s)) {
        if (!openDeckToRead(args.value(u"deck"_s), opened, err, DeckWarnings::Keep))
            return kFailed;
    } else if (flngLoadCardList(opened.state, ui, false) != 0) {
        for (const HeadlessUi::Message& m : ui.messages)
            err << oneLine(m.text) << u'\n';
        return kFailed;
    }
    if (sortCol)
        grid.sort(headerSortKeys(sortCol, direction));
    if (where) {
        applySearch(*where, grid, ui);
        if (!ui.messages.isEmpty()) {
            err << oneLine(ui.messages.first().text) << u'\n';
            return kFailed;
        }
    }

    QJsonArray rows;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        if (grid.rowHidden(r))
            continue;
        if (!args.isSet(u"json"_s)) {
            out << grid.cellView(colNo, r) << u'\t' << grid.cellView(colName, r) << u'\n';
            continue;
        }
        QJsonObject row;
        for (qint32 c = 1; c <= kColumnCount; ++c)
            row.insert(QString::fromUtf16(kColumnNames[c - 1]), grid.cellText(c, r));
        rows.append(row);
    }
    if (args.isSet(u"json"_s))
        out << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
    return kComplete;
}
