#pragma once

#include <QString>

// The catalogue's file keys and the texts catalogue loading shows.
namespace CatalogueText {

inline constexpr char16_t kSettingsSection[] = u"Card";
inline constexpr char16_t kTotal[] = u"Total";
inline constexpr char16_t kShowSelect[] = u"ShowSelect";
inline constexpr char16_t kDeck[] = u"Deck";
inline constexpr char16_t kLimit[] = u"Limit";

inline constexpr char16_t kNoRace[] = u"（種族なし）";
inline constexpr char16_t kNoSkill[] = u"（無し）";
inline constexpr char16_t kRaceSeparator[] = u"／";
inline constexpr char16_t kSkillSeparator[] = u"　";

// Regular cards are numbered 1..Total; a Total beyond this is refused rather than allocated.
inline constexpr qint32 kMaxCardTotal = 200000;

QString missingFileMessage(const QString& programFolder);
QString missingFileTitle();  // "エラー"
QString progressText(qint32 card, qint32 total);
// A setting outside 0..maximum: "Total" beyond kMaxCardTotal, a negative "Deck" or "Limit".
QString outOfRangeDescription(QStringView key, qint32 maximum);

}  // namespace CatalogueText
