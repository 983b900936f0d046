#pragma once

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "deck/CountEditing.h"

#include "Fixtures.h"
#include "RecordingUi.h"

#include <QStringList>

// A program folder with a catalogue of `total` regular cards (types cycling Character, Spell,
// Command; names "札n", card 7 named "ソ表の札") and three promotional cards, loaded into a state.
class DeckFixture {
public:
    explicit DeckFixture(qint32 total = 300)
    {
        using namespace Qt::StringLiterals;
        QList<Fixtures::CatalogueCard> cards;
        const QString types[] = {u"Character"_s, u"Spell"_s, u"Command"_s};
        for (qint32 i = 1; i <= total; ++i) {
            const QString name = i == 7 ? u"ソ表の札"_s : u"札"_s + QString::number(i);
            cards.append({u"%1"_s.arg(i, 3, 10, QChar(u'0')), {u"Type="_s + types[(i - 1) % 3], u"Name="_s + name}});
        }
        for (qint32 k = 1; k <= 3; ++k)
            cards.append({u"P0"_s + QString::number(k), {u"Type=Spell"_s, u"Name=記念札"_s + QString::number(k)}});
        home.writeCatalogue(Fixtures::catalogueLines(QString::number(total), u"1"_s, u"50"_s, u"3"_s, cards));
        flngLoadCardList(state, ui, false);
    }

    Fixtures::TempHome home;
    EditorState state;
    RecordingUi ui;

    // Written in CP932, CR LF.
    QString deckFile(const QString& name, const QStringList& lines) const
    {
        Fixtures::writeCp932Lines(home.file(name), lines);
        return home.file(name);
    }
    // Every row whose counts are not both 0, as "row:deck/side".
    QStringList counts() const
    {
        QStringList out;
        for (qint32 r = 1; r <= state.fpsCardList.rowCount(); ++r) {
            const qint32 deck = state.fpsCardList.cellText(colDeck, r).toInt();
            const qint32 side = state.fpsCardList.cellText(colSide, r).toInt();
            if (deck != 0 || side != 0)
                out << QStringLiteral("%1:%2/%3").arg(r).arg(deck).arg(side);
        }
        return out;
    }
    // The same by card number, "no:deck/side", in card-number order whatever the rows' order.
    QStringList cardCounts() const
    {
        QStringList out;
        for (qint32 r = 1; r <= state.fpsCardList.rowCount(); ++r) {
            const QString deck = state.fpsCardList.cellText(colDeck, r), side = state.fpsCardList.cellText(colSide, r);
            if (deck != u"0" || side != u"0")
                out << state.fpsCardList.cellText(colNo, r) + u':' + deck + u'/' + side;
        }
        out.sort();
        return out;
    }
    void press(qint32 col, qint32 row, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, col, row);
    }
};
