#include "cardview/CardLayout.h"
#include "platform/ProfileCache.h"

#include "Fixtures.h"

#include <QDateTime>
#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // designated cases name only what they set

namespace {

TEST(CardLayout, SkillLineAbilityTextNameBandGlazeAndUser)
{
    // skill, upkeep: skill line, ability top (the ability text always ends at 7440)
    const std::tuple<QString, QString, QString, qint32> skills[] = {
        {u"先駆"_s, u"2"_s, u"先駆　維持コスト（2）"_s, 6240}, {u""_s, u"1"_s, u"維持コスト（1）"_s, 6240},
        {u"先駆　灯火"_s, u"0"_s, u"先駆　灯火"_s, 6240},       {u"先駆"_s, u""_s, u"先駆"_s, 6240},
        {u""_s, u"0"_s, u""_s, 5760},                            {u""_s, u"abc"_s, u""_s, 5760},
    };
    for (const auto& [skill, upkeep, line, top] : skills) {
        const CardWindowLayout w = cardWindowLayout({.upkeep = upkeep, .skill = skill});
        EXPECT_EQ(std::tuple(w.txtSkill, w.skillVisible, w.abilityTop, w.abilityHeight),
                  std::tuple(line, !line.isEmpty(), top, 7440 - top));
    }
    // glaze, user, races: glaze shown, user shown, name band width, its text and background colours
    const Rgb black = rgb(0, 0, 0), white = rgb(255, 255, 255);
    const std::tuple<QString, QString, QString, bool, bool, qint32, Rgb, Rgb> bands[] = {
        {u"3"_s, u"霧人ミスカ"_s, u"人間／妖怪"_s, true, true, 5265 - 1425, white, black},
        {u" -1.5 "_s, u""_s, u""_s, true, false, 5264, black, white},
        {u""_s, u""_s, u""_s, false, false, 5264, black, white},
        {u"-"_s, u"x"_s, u"灯守"_s, false, true, 3840, white, black},
    };
    for (const auto& [glaze, user, races, glazeShown, userShown, width, fore, back] : bands) {
        const CardWindowLayout w = cardWindowLayout({.section = u"P01"_s, .name = u"霧の番人"_s, .glaze = glaze,
                                                     .user = user, .classes = races});
        EXPECT_EQ(std::tuple(w.glazeVisible, w.lblGlaze, w.userVisible, w.classVisible, w.lineVisible, w.nameWidth,
                             w.nameFore, w.nameBack, w.title, w.lblNo),
                  std::tuple(glazeShown, glazeShown ? glaze : QString(), userShown, !races.isEmpty(), races.isEmpty(),
                             width, fore, back, u"No.P01 霧の番人"_s, u"No.P01"_s))
            << glaze.toStdString();
    }
}

// A program folder with a catalogue, pictures and, when asked, an image map.
class CardReadTest : public ::testing::Test, protected Fixtures::TempHome {
protected:
    void SetUp() override
    {
        QDir(path()).mkpath(u"card/img/Sub"_s);
        QDir(path()).mkpath(u"cards"_s);
        for (const char16_t* name :
             {u"card/img/001.png", u"card/img/Sub/Pic.PNG", u"card/img/.hidden.png", u"outside.png", u"cards/a.png"})
            withBytes(QString::fromUtf16(name), "picture");
    }
    void catalogue(const QString& file, const QString& attack = u"Attack=3"_s)
    {
        writeCatalogue(Fixtures::catalogueLines(
            u"7"_s, u"1"_s, u"50"_s, u"3"_s,
            {{u"007"_s, {u"Type=Spell"_s, u"Name=霧笛"_s, attack, u"Ability=一\\n二\\n三"_s, u"File="_s + file}},
             {u"P01"_s, {u"Name=灯"_s}}}));
    }
};

TEST_F(CardReadTest, ValuesAsReadTheSectionOfTheNumberAndThePicture)
{
    catalogue(u"img/001.png"_s, u"Toughness=2"_s);
    // Missing keys stay empty: the attack is not the cleared "-", the type is " Card".
    PreviewTexts seven{.lblCardType = u"Spell Card"_s, .lblCardName = u"霧笛"_s, .lblToughness = u"2"_s,
                       .txtAbility = u"一\r\n二\r\n三"_s, .lblIllustration = u"illustration:"_s,
                       .picture = QDir::cleanPath(file(u"card/img/001.png"_s))};
    EXPECT_EQ(previewTexts(readCard(u"7"_s)), seven);
    EXPECT_EQ(previewTexts(readCard(u"P01"_s)),
              (PreviewTexts{.lblCardType = u" Card"_s, .lblCardName = u"灯"_s, .lblIllustration = u"illustration:"_s}));
    EXPECT_EQ(readCard(u"1000"_s).section, u"1000"_s);

    // catalogue File, player.ini (null: none), picture shown (relative to the program folder)
    const std::tuple<const char*, QString, QString, QString> cases[] = {
        {"catalogue", u"img/001.png"_s, {}, u"card/img/001.png"_s},
        {"backslashes", u"img\\Sub\\Pic.PNG"_s, {}, u"card/img/Sub/Pic.PNG"_s},
        {"letter case", u"IMG/sub/pic.png"_s, {}, u"card/img/Sub/Pic.PNG"_s},
        {"missing file", u"img/002.png"_s, {}, {}},
        {"a folder", u"img/Sub"_s, {}, {}},
        {"outside the card folder", u"../outside.png"_s, {}, {}},
        {"a sibling folder named card...", u"../cards/a.png"_s, {}, {}},
        {"a hidden file", u"img/.hidden.png"_s, {}, {}},
        {"map without the card", u"img/001.png"_s, u"[001]\r\nFile=img/001.png"_s, {}},
        {"map with the card", u"img/nothing.png"_s, u"[007]\r\nFile=img\\001.png"_s, u"card/img/001.png"_s},
    };
    for (const auto& [what, picture, map, shown] : cases) {
        catalogue(picture);
        QFile::remove(file(u"player.ini"_s));
        if (!map.isNull())
            withBytes(u"player.ini"_s, map.toLatin1());
        EXPECT_EQ(readCard(u"007"_s).picture, shown.isEmpty() ? QString() : QDir::cleanPath(file(shown))) << what;
    }
}

TEST_F(CardReadTest, KeepsTheParsedFileUntilItChanges)
{
    catalogue(u"a.png"_s);
    // Just written: a change in the same timestamp tick could go unseen, so it is read afresh.
    EXPECT_NE(ProfileCache::index(cataloguePath()), ProfileCache::index(cataloguePath()));
    QFile f(cataloguePath());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    const Fixtures::SettledFiles settled;
    EXPECT_EQ(ProfileCache::index(cataloguePath()), ProfileCache::index(cataloguePath()));
    EXPECT_EQ(readCard(u"007"_s).attack, u"3"_s);  // an edit kept at the same size: SearchRun's test
}

}  // namespace
