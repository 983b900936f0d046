#include "cardview/CardLayout.h"
#include "platform/ProfileCache.h"

#include "Fixtures.h"

#include <QDateTime>
#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

CardRecord card(const QString& section, const QString& skill = {}, const QString& upkeep = {})
{
    CardRecord c;
    c.section = section;
    c.name = u"霧の番人"_s;
    c.skill = skill;
    c.upkeep = upkeep;
    return c;
}

TEST(CardLayout, SkillLineAndWhereTheAbilityTextGoes)
{
    // skill, upkeep, skill line, ability top
    const std::tuple<QString, QString, QString, qint32> cases[] = {
        {u"先駆"_s, u"2"_s, u"先駆　維持コスト（2）"_s, 6240},
        {u""_s, u"1"_s, u"維持コスト（1）"_s, 6240},
        {u"先駆　灯火"_s, u"0"_s, u"先駆　灯火"_s, 6240},
        {u"先駆"_s, u""_s, u"先駆"_s, 6240},
        {u""_s, u"0"_s, u""_s, 5760},
        {u""_s, u"abc"_s, u""_s, 5760},
    };
    for (const auto& [skill, upkeep, line, top] : cases) {
        const CardWindowLayout w = cardWindowLayout(card(u"001"_s, skill, upkeep));
        EXPECT_EQ(w.txtSkill, line) << skill.toStdString() << upkeep.toStdString();
        EXPECT_EQ(w.skillVisible, !line.isEmpty());
        EXPECT_EQ(w.abilityTop, top);
        EXPECT_EQ(w.abilityTop + w.abilityHeight, 7440);
    }
}

TEST(CardLayout, GlazeUserAndRaceDecideWhatShows)
{
    struct Case {
        QString glaze, user, classes;
        bool glazeShown, userShown;
        qint32 nameWidth;
        Rgb fore, back;
    };
    const Rgb black = rgb(0, 0, 0), white = rgb(255, 255, 255);
    const Case cases[] = {
        {u"3"_s, u"霧人ミスカ"_s, u"人間／妖怪"_s, true, true, 5265 - 1425, white, black},
        {u" -1.5 "_s, u""_s, u""_s, true, false, 5264, black, white},
        {u""_s, u""_s, u""_s, false, false, 5264, black, white},
        {u"-"_s, u"x"_s, u"灯守"_s, false, true, 3840, white, black},
    };
    for (const Case& c : cases) {
        CardRecord r = card(u"P01"_s);
        r.glaze = c.glaze;
        r.user = c.user;
        r.classes = c.classes;
        const CardWindowLayout w = cardWindowLayout(r);
        EXPECT_EQ(w.glazeVisible, c.glazeShown) << c.glaze.toStdString();
        EXPECT_EQ(w.lblGlaze, c.glazeShown ? c.glaze : QString());
        EXPECT_EQ(w.userVisible, c.userShown);
        EXPECT_EQ(w.classVisible, !c.classes.isEmpty());
        EXPECT_EQ(w.lineVisible, c.classes.isEmpty());
        EXPECT_EQ(w.nameWidth, c.nameWidth);
        EXPECT_EQ(w.nameFore, c.fore);
        EXPECT_EQ(w.nameBack, c.back);
        EXPECT_EQ(w.title, u"No.P01 霧の番人"_s);
        EXPECT_EQ(w.lblNo, u"No.P01"_s);
    }
}

// A program folder with a catalogue, pictures and, when asked, an image map.
class CardReadTest : public ::testing::Test, protected Fixtures::TempHome {
protected:
    void SetUp() override
    {
        QDir(path()).mkpath(u"card/img/Sub"_s);
        for (const char16_t* name : {u"card/img/001.png", u"card/img/Sub/Pic.PNG", u"outside.png"})
            withBytes(QString::fromUtf16(name), "picture");
    }
    void catalogue(const QString& file, const QString& attack = u"Attack=3"_s)
    {
        writeCatalogue(Fixtures::catalogueLines(
            u"7"_s, u"1"_s, u"50"_s, u"3"_s,
            {{u"007"_s, {u"Type=Spell"_s, u"Name=霧笛"_s, attack, u"Ability=一\\n二\\n三"_s, u"File="_s + file}},
             {u"P01"_s, {u"Name=灯"_s}}}));
    }
    QString picture(const QString& rel) const { return rel.isEmpty() ? QString() : QDir::cleanPath(file(rel)); }
};

TEST_F(CardReadTest, ValuesAsReadAndTheSectionOfTheNumber)
{
    catalogue(u"img/001.png"_s, u"Toughness=2"_s);
    const PreviewTexts seven = previewTexts(readCard(u"7"_s));
    EXPECT_EQ(seven.lblCardType, u"Spell Card"_s);
    EXPECT_EQ(seven.lblCardName, u"霧笛"_s);
    EXPECT_EQ(seven.lblAttack, QString());  // missing: empty, not the cleared "-"
    EXPECT_EQ(seven.lblToughness, u"2"_s);
    EXPECT_EQ(seven.txtAbility, u"一\r\n二\r\n三"_s);
    EXPECT_EQ(seven.lblIllustration, u"illustration:"_s);

    const PreviewTexts promo = previewTexts(readCard(u"P01"_s));
    EXPECT_EQ(promo.lblCardName, u"灯"_s);
    EXPECT_EQ(promo.lblCardType, u" Card"_s);
    EXPECT_EQ(promo.lblNode, QString());
    EXPECT_EQ(readCard(u"1000"_s).section, u"1000"_s);
}

TEST_F(CardReadTest, PictureFromTheImageMapOrTheCatalogue)
{
    // catalogue File, player.ini (null: none), picture shown (relative to the program folder)
    const std::tuple<const char*, QString, QString, QString> cases[] = {
        {"catalogue", u"img/001.png"_s, {}, u"card/img/001.png"_s},
        {"backslashes", u"img\\Sub\\Pic.PNG"_s, {}, u"card/img/Sub/Pic.PNG"_s},
        {"letter case", u"IMG/sub/pic.png"_s, {}, u"card/img/Sub/Pic.PNG"_s},
        {"missing file", u"img/002.png"_s, {}, {}},
        {"a folder", u"img/Sub"_s, {}, {}},
        {"outside the card folder", u"../outside.png"_s, {}, {}},
        {"map without the card", u"img/001.png"_s, u"[001]\r\nFile=img/001.png"_s, {}},
        {"map with the card", u"img/nothing.png"_s, u"[007]\r\nFile=img\\001.png"_s, u"card/img/001.png"_s},
    };
    for (const auto& [what, file, map, shown] : cases) {
        catalogue(file);
        QFile::remove(this->file(u"player.ini"_s));
        if (!map.isNull())
            withBytes(u"player.ini"_s, map.toLatin1());
        EXPECT_EQ(readCard(u"007"_s).picture, picture(shown)) << what;
    }
}

TEST_F(CardReadTest, KeepsTheParsedFileUntilItChanges)
{
    const QDateTime past = QDateTime::currentDateTime().addSecs(-3600);
    const auto backdate = [&] {
        QFile f(cataloguePath());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(past, QFileDevice::FileModificationTime));
    };
    catalogue(u"a.png"_s);
    // Just written: a change in the same timestamp tick could go unseen, so it is read afresh.
    EXPECT_NE(ProfileCache::index(cataloguePath()), ProfileCache::index(cataloguePath()));
    backdate();
    EXPECT_EQ(ProfileCache::index(cataloguePath()), ProfileCache::index(cataloguePath()));
    EXPECT_EQ(readCard(u"007"_s).attack, u"3"_s);

    // Rewritten in place at the same size: the edit shows at the next read.
    catalogue(u"a.png"_s, u"Attack=9"_s);
    EXPECT_EQ(readCard(u"007"_s).attack, u"9"_s);
}

}  // namespace
