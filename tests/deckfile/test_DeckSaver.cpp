#include "deckfile/DeckSaver.h"

#include "DeckFixture.h"

#include "platform/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

TEST(DeckSaverTest, WritesBothSectionsInCp932WithCrLfAndConfirms)
{
    DeckFixture f(10);
    f.press(colDeckUp, 7, 2);   // "ソ表の札": its second bytes are 0x5C
    f.press(colDeckUp, 2);
    f.press(colSideDown, 7);
    f.press(colSideUp, 3, 2);
    f.press(colDeckUp, 12);     // promotional card 2
    const QString path = save(f, u"deck.txt"_s);
    EXPECT_EQ(Fixtures::readBytes(path), cp932Lines({u"1,002,札2"_s, u"2,007,ソ表の札"_s, u"1,P02,記念札2"_s, u"--"_s,
                                                      u"2,003,札3"_s, u"-1,007,ソ表の札"_s}));
    EXPECT_TRUE(Fixtures::readBytes(path).contains("\x83\x5c\x95\x5c"));
    EXPECT_EQ(f.ui.messages, (Messages{{path + u"を作成しました。"_s, u"ファイル保存"_s, MsgIcon::Information}}));
    EXPECT_EQ(f.ui.lastTitle(), u"Tessarin ver1.0.0 - deck.txt"_s);
    EXPECT_EQ(f.ui.saveFilters, QStringList{u"デッキ ファイル (*.txt)|*.txt|デッキ ファイル (*.deck)|*.deck"_s});
}

TEST(DeckSaverTest, FollowsTheGridOrderAndKeepsHiddenRows)
{
    DeckFixture f(12);
    f.press(colDeckUp, 2);   // 札2
    f.press(colDeckUp, 10);  // 札10
    f.press(colDeckUp, 12);  // 札12
    f.press(colSideUp, 11);  // 札11
    f.press(colSideUp, 1);   // 札1
    f.state.fpsCardList.setRowHidden(1, true);
    f.state.fpsCardList.sort({{colName, false}});
    const QString path = save(f, u"sorted.txt"_s);
    EXPECT_EQ(Fixtures::readBytes(path), cp932Lines({u"1,010,札10"_s, u"1,012,札12"_s, u"1,002,札2"_s, u"--"_s,
                                                      u"1,001,札1"_s, u"1,011,札11"_s}));
}

TEST(DeckSaverTest, SideOnlyDeckStartsWithTheSeparatorAndAnEmptyDeckIsAnEmptyFile)
{
    DeckFixture f(10);
    f.press(colSideUp, 4);
    EXPECT_EQ(Fixtures::readBytes(save(f, u"side.txt"_s)), cp932Lines({u"--"_s, u"1,004,札4"_s}));

    DeckFixture empty(10);
    const QString path = empty.home.file(u"old.txt"_s);
    Fixtures::writeBytes(path, "3,001,old\r\n");
    EXPECT_EQ(save(empty, u"old.txt"_s), path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(Fixtures::readBytes(path), QByteArray()) << "an existing file is replaced";
    EXPECT_EQ(empty.ui.messages, (Messages{{path + u"を作成しました。"_s, u"ファイル保存"_s, MsgIcon::Information}}));
}

TEST(DeckSaverTest, ACancelledOrFailedSaveIsReportedAndDamagesNothing)
{
    DeckFixture f(10);
    f.press(colDeckUp, 1);
    const int titles = f.ui.titles.size();
    fsubSaveFile(f.state, f.ui);  // the dialog answers "": cancelled
    EXPECT_EQ(f.ui.titles.size(), titles);
    EXPECT_TRUE(f.ui.messages.isEmpty());
    const QString regular = f.home.file(u"plain.txt"_s);
    Fixtures::writeBytes(regular, "keep me\r\n");
    const QString folder = f.home.file(u"folder.txt"_s);
    QDir().mkpath(folder);
    for (const QString& target : {regular + u"/deck.txt"_s, f.home.file(u"missing/deck.txt"_s), folder}) {
        f.ui.messages.clear();
        f.ui.saveAnswers << target;
        fsubSaveFile(f.state, f.ui);
        ASSERT_EQ(f.ui.messages.size(), 1) << target.toStdString();
        EXPECT_TRUE(f.ui.messages[0].text.startsWith(u"デッキファイルを保存できませんでした。\r\n"_s + target));
        EXPECT_EQ(f.ui.messages[0], (RecordingUi::Message{f.ui.messages[0].text, u"ファイル保存"_s, MsgIcon::Error}));
    }
    EXPECT_EQ(f.counts(), QStringList{u"1:1/0"_s});
    EXPECT_EQ(Fixtures::readBytes(regular), QByteArray("keep me\r\n"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(f.home.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

}  // namespace
