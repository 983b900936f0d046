#include "DeckFixture.h"

using namespace Qt::StringLiterals;

DeckFixture::DeckFixture(qint32 total)
{
    QList<Fixtures::CardSpec> cards;
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

QString DeckFixture::deckFile(const QString& name, const QStringList& lines) const
{
    const QString path = home.file(name);
    Fixtures::writeCp932Lines(path, lines);
    return path;
}

QStringList DeckFixture::counts() const
{
    QStringList out;
    for (qint32 r = 1; r <= state.fpsCardList.rowCount(); ++r)
        if (deck(r) != 0 || side(r) != 0)
            out << u"%1:%2/%3"_s.arg(r).arg(deck(r)).arg(side(r));
    return out;
}

void DeckFixture::press(qint32 col, qint32 row, int times)
{
    for (int i = 0; i < times; ++i)
        fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, col, row);
}
