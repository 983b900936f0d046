#include "CatalogueGenerator.h"

#include "platform/Cp932.h"

#include <QString>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Our own generator, so that a seed means the same catalogue with every standard library.
class SplitMix {
public:
    explicit SplitMix(quint64 seed) : state_(seed) {}
    quint64 next()
    {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    template <size_t N>
    const char16_t* pick(const char16_t* const (&items)[N])
    {
        return items[below(int(N))];
    }

private:
    quint64 state_;
};

// Words with CP932 trail bytes 0x5B, 0x5C and 0x5D ("ー", "ソ", "表", "評", ...) are common on
// purpose: they are what byte-level parsing gets wrong.
constexpr const char16_t* kEpithets[] = {u"紅蓮の", u"蒼き", u"白銀の", u"漆黒の", u"黄昏の", u"暁の",
                                         u"深緑の", u"雷鳴の", u"氷結の", u"聖なる", u"表裏の", u"ソウルの",
                                         u"能ある", u"十字の", u"予言の", u"構えし"};
constexpr const char16_t* kNouns[] = {u"剣士",   u"魔導師", u"騎士",   u"竜",     u"ソード", u"守護者",
                                      u"巫女",   u"狩人",   u"評議員", u"精霊",   u"ゾンビ", u"充填機",
                                      u"暴風",   u"構築者", u"申し子", u"ブレード"};
constexpr char16_t kKana[] = u"アイウエオカキクケコサシスセソタチツテトナニヌネノ"
                             u"ハヒフヘホマミムメモヤユヨラリルレロワン";
constexpr int kKanaCount = int(std::size(kKana)) - 1;
constexpr const char16_t* kRaces[] = {u"人間", u"妖怪", u"亡霊", u"機械", u"竜族",
                                      u"妖精", u"天使", u"悪魔", u"獣人", u"表現者"};
constexpr const char16_t* kSkills[] = {u"先制", u"飛行", u"貫通",     u"再生", u"隠密",
                                       u"不屈", u"連撃", u"護衛", u"魔法耐性", u"ソウル吸収"};
constexpr const char16_t* kAbilities[] = {
    u"場に出た時、カードを１枚引く。",         u"相手のキャラクター１体に２ダメージを与える。",
    u"このターン、攻撃力を＋２する。",         u"自分の手札を１枚捨てる。",
    u"ノードを１つ追加する。",                 u"対象のスペルを無効にする。",
    u"ソウルを２つ得る。",                     u"表向きのカード１枚を手札に戻す。",
    u"維持コストを支払わない。",               u"墓地から１枚選び、デッキの一番下に置く。"};
constexpr const char16_t* kFlavours[] = {u"「まだ終わらない」",   u"風が止むとき、彼は現れる。",
                                         u"古い伝承に語られる力。", u"～夜明けの前に～",
                                         u"誰もその名を知らない。", u"評判はあてにならない。"};
constexpr const char16_t* kArtists[] = {u"青木 遥",   u"佐倉 ミナ",  u"Kei Tomura", u"森野 朔",
                                        u"灰原 ソラ", u"Rin Ashida", u"高槻 表"};

QString padded(qint32 number, int width) { return QString::number(number).rightJustified(width, u'0'); }

QString uniqueName(SplitMix& rng, qint32 serial)
{
    // The serial spelled in kana makes every name unique; the words make it look like a card.
    QString name = QString::fromUtf16(rng.pick(kEpithets)) + QString::fromUtf16(rng.pick(kNouns)) + u"・"_s;
    do {
        name += QChar(kKana[serial % kKanaCount]);
        serial /= kKanaCount;
    } while (serial > 0);
    return name;
}

template <size_t N>
QString distinctJoined(SplitMix& rng, const char16_t* const (&items)[N], int count, QStringView separator)
{
    QStringList chosen;
    while (chosen.size() < count) {
        const QString item = QString::fromUtf16(rng.pick(items));
        if (!chosen.contains(item))
            chosen << item;
    }
    return chosen.join(separator);
}

template <size_t N>
QString escapedLines(SplitMix& rng, const char16_t* const (&items)[N], int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QString::fromUtf16(rng.pick(items));
    return lines.join(u"\\n"_s);  // the catalogue's two-character line-break escape
}

void appendCard(QString& out, SplitMix& rng, const QString& section, qint32 serial, QString& lastCharacter)
{
    const int roll = rng.below(10);
    const bool character = roll < 5;
    const QString type = character ? u"Character"_s : roll < 8 ? u"Spell"_s : u"Command"_s;
    const QString name = uniqueName(rng, serial);
    const auto number = [&](int below) { return QString::number(rng.below(below)); };

    out += u"\r\n["_s + section + u"]\r\n"_s;
    out += u"Type="_s + type + u"\r\n"_s;
    out += u"Name="_s + name + u"\r\n"_s;
    out += u"Node="_s + number(6) + u"\r\n"_s;
    out += u"Cost="_s + number(10) + u"\r\n"_s;
    out += u"Glaze="_s + number(4) + u"\r\n"_s;
    out += u"Attack="_s + (character ? number(10) : QString()) + u"\r\n"_s;
    out += u"Toughness="_s + (character ? QString::number(1 + rng.below(9)) : QString()) + u"\r\n"_s;
    out += u"User="_s + (type == u"Spell"_s ? lastCharacter : QString()) + u"\r\n"_s;
    out += u"Upkeep="_s + (character ? number(4) : QString()) + u"\r\n"_s;
    out += u"Class="_s + (character ? distinctJoined(rng, kRaces, 1 + rng.below(2), u"／") : QString()) + u"\r\n"_s;
    out += u"Skill="_s + distinctJoined(rng, kSkills, rng.below(4), u"　") + u"\r\n"_s;
    out += u"Ability="_s + escapedLines(rng, kAbilities, 1 + rng.below(3)) + u"\r\n"_s;
    out += u"Text="_s + escapedLines(rng, kFlavours, rng.below(3)) + u"\r\n"_s;
    out += u"Illustration="_s + QString::fromUtf16(rng.pick(kArtists)) + u"\r\n"_s;
    out += u"File="_s + section + u".jpg\r\n"_s;
    if (character)
        lastCharacter = name;
}

}  // namespace

QByteArray generateCatalogue(qint32 cards, qint32 promoCards, quint32 seed)
{
    cards = std::max(cards, 0);
    promoCards = std::max(promoCards, 0);
    SplitMix rng(seed);
    QString out;
    out.reserve(qsizetype(cards + promoCards) * 200 + 64);
    out += u"[Card]\r\nTotal="_s + QString::number(cards) + u"\r\nShowSelect=1\r\nDeck=50\r\nLimit=3\r\n"_s;
    QString lastCharacter;
    for (qint32 i = 1; i <= cards; ++i)
        appendCard(out, rng, padded(i, 3), i, lastCharacter);
    for (qint32 i = 1; i <= promoCards; ++i)
        appendCard(out, rng, u"P"_s + padded(i, 2), cards + i, lastCharacter);
    return Cp932::encode(out);
}
