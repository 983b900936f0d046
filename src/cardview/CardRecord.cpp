#include "CardRecord.h"

#include "CardPicture.h"

#include "deck/CardNumber.h"
#include "platform/ProgramFolder.h"
#include "platform/clsWindowsAPI.h"


using namespace Qt::StringLiterals;

namespace {

// With an image map the catalogue's "File" is never consulted, even when the map lacks the card.
// catalogue: a reader already on the catalogue, or null to open one.
QString pictureOf(const QString& section, clsWindowsAPI* catalogue)
{
    clsWindowsAPI own;
    own.setShareParsedFile(true);
    clsWindowsAPI* source = catalogue;
    if (CardPicture::isOrdinaryFile(ProgramFolder::imageMapFile())) {
        own.setIniFileName(ProgramFolder::imageMapFile());
        source = &own;
    } else if (!source) {
        own.setIniFileName(ProgramFolder::catalogueFile());
        source = &own;
    }
    return CardPicture::resolve(source->GetInitValue(u"File"_s, section));
}

}  // namespace

CardRecord readCard(const QString& cardNo)
{
    CardRecord card;
    card.section = CardNumber::sectionText(cardNo);

    clsWindowsAPI catalogue;
    catalogue.setShareParsedFile(true);
    catalogue.setIniFileName(ProgramFolder::catalogueFile());
    catalogue.setAppName(card.section);
    const auto read = [&](const char16_t* key) { return catalogue.GetInitValue(QString::fromUtf16(key), card.section); };
    card.type = read(u"Type");
    card.name = read(u"Name");
    card.node = read(u"Node");
    card.cost = read(u"Cost");
    card.glaze = read(u"Glaze");
    card.attack = read(u"Attack");
    card.toughness = read(u"Toughness");
    card.user = read(u"User");
    card.upkeep = read(u"Upkeep");
    card.classes = read(u"Class");
    card.skill = read(u"Skill");
    card.ability = read(u"Ability");
    card.text = read(u"Text");
    card.illustration = read(u"Illustration");

    card.picture = pictureOf(card.section, &catalogue);
    return card;
}

QString cardPictureFile(const QString& cardNo) { return pictureOf(CardNumber::sectionText(cardNo), nullptr); }
