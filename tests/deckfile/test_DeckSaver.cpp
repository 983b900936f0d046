#include "deckfile/DeckSaver.h"

#include "DeckFixture.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Fixtures::cp932Lines;

namespace {

QString save(DeckFixture& f, const QString& name)
{
    const QString path = f.home.file(name);
    f.ui.saveAnswers << path;
    fsubSaveFile(f.state, f.ui);
    return path;
}

Messages confirmed(const QString& path) { return {{path + u"を作成しました。"_s, u"ファイル保存"_s, MsgIcon::Information}}; }

TEST(DeckSaverTest, WritesBothSectionsInGridOrderInCp932WithCrLfKeepingHiddenRows)
{
    DeckFixture f(12);
    f.press(colDeckUp, 7, 2);  // "ソ表の札": its second bytes are 0x5C
    f.press(colSideDown, 7);
    for (qint32 row : {2, 10, 14})  // 14 is promotional card 2
        f.press(colDeckUp, row);
    f.press(colSideUp, 3, 2);
    f.press(colSideUp, 1);
    f.state.fpsCardList.setRowHidden(1, true);
    f.state.fpsCardList.sort({{colName, false}});
    const QString path = save(f, u"deck.txt"_s);
    EXPECT_EQ(Fixtures::readBytes(path), cp932Lines({u"2,007,ソ表の札"_s, u"1,010,札10"_s, u"1,002,札2"_s,
                                                      u"1,P02,記念札2"_s, u"--"_s, u"-1,007,ソ表の札"_s,
                                                      u"1,001,札1"_s, u"2,003,札3"_s}));
    EXPECT_EQ(f.ui.messages, confirmed(path));
    EXPECT_EQ(f.ui.lastTitle(), u"Tessarin ver1.0.0 - deck.txt"_s);
    EXPECT_EQ(f.ui.saveFilters, QStringList{u"デッキ ファイル (*.txt)|*.txt|デッキ ファイル (*.deck)|*.deck"_s});
}

TEST(DeckSaverTest, SideOnlyDeckStartsWithTheSeparatorAndAnEmptyDeckIsAnEmptyFile)
{
    DeckFixture f(10);
    f.press(colSideUp, 4);
    EXPECT_EQ(Fixtures::readBytes(save(f, u"side.txt"_s)), cp932Lines({u"--"_s, u"1,004,札4"_s}));

    DeckFixture empty(10);
    const QString path = empty.home.withBytes(u"old.txt"_s, "3,001,old\r\n");
    save(empty, u"old.txt"_s);
    EXPECT_TRUE(QFile::exists(path) && Fixtures::readBytes(path).isEmpty()) << "an existing file is replaced";
    EXPECT_EQ(empty.ui.messages, confirmed(path));
}

TEST(DeckSaverTest, ACancelledOrFailedSaveIsReportedAndDamagesNothing)
{
    DeckFixture f(10);
    f.press(colDeckUp, 1);
    const QStringList titles = f.ui.titles;
    fsubSaveFile(f.state, f.ui);  // the dialog answers "": cancelled, nothing shown
    EXPECT_EQ(std::pair(f.ui.titles, f.ui.messages), std::pair(titles, Messages()));
    // What each kind of target does is the writers' table; here, the box a failure shows.
    const QString target = f.home.withBytes(u"plain.txt"_s, "keep me\r\n") + u"/deck.txt"_s;
    f.ui.saveAnswers << target;
    fsubSaveFile(f.state, f.ui);
    EXPECT_EQ(std::tuple(f.ui.messages, f.counts(), f.ui.titles),
              std::tuple(Messages{{u"デッキファイルを保存できませんでした。\r\n"_s + target + u"\r\n保存先のフォルダがありません。"_s,
                                   u"ファイル保存"_s, MsgIcon::Error}},
                         QStringList{u"1:1/0"_s}, titles));
}

}  // namespace
