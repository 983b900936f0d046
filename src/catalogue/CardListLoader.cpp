#include "CardListLoader.h"

#include "CatalogueText.h"
#include "EditorState.h"

#include "deck/DeckColours.h"
#include "platform/AppInfo.h"
#include "platform/NumericText.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/clsWindowsAPI.h"

#include <QFileInfo>

#include <unordered_set>

using namespace Qt::StringLiterals;

namespace {

struct ViewHash {
    size_t operator()(QStringView v) const noexcept { return qHash(v); }
};

// One item list of the search dialog with a hash beside it: the same answer as looking the text
// up in the list item by item, without the scan per card.
class ItemList {
public:
    explicit ItemList(QStringList& items) : items_(items)
    {
        for (const QString& s : items_)
            known_.insert(s);
    }
    void add(QStringView value, QStringList& keepAlive)
    {
        // The empty text counts as found, so it never becomes an entry.
        if (value.isEmpty() || known_.count(value))
            return;
        keepAlive.append(value.toString());
        items_.append(keepAlive.last());
        known_.insert(keepAlive.last());
    }
    void addParts(QStringView value, QStringView separator, QStringList& keepAlive)
    {
        for (QStringView part : value.tokenize(separator))
            add(part, keepAlive);
    }

private:
    QStringList& items_;
    std::unordered_set<QStringView, ViewHash> known_;
};

bool blankAfterTrim(QStringView s)
{
    for (QChar c : s)
        if (c != u' ')
            return false;
    return true;
}

class Loader {
public:
    Loader(EditorState& state, Ui& ui, bool full) : state_(state), grid_(state.fpsCardList), ui_(ui), full_(full) {}

    qint32 run();

private:
    void fillRow(qint32 r, QStringView section);
    void takeMaximum(qint32 col, qint32 r, qint32& maximum);
    QStringView value(QStringView key, QStringView section) { return api_.valueView(key, section); }

    EditorState& state_;
    CardGrid& grid_;
    Ui& ui_;
    bool full_;
    bool progress_ = false;
    clsWindowsAPI api_;
    std::shared_ptr<const QString> storage_;
    QStringList listKeepAlive_;  // owns the texts the item hashes refer to
    std::unique_ptr<ItemList> spell_, class_, skill_;
};

qint32 Loader::run()
{
    ui_.waitCreate();
    ui_.setControlsEnabled(false);
    ui_.setWindowTitle(AppInfo::plainWindowTitle());

    const QString path = ProgramFolder::catalogueFile();
    if (!QFileInfo(path).isFile()) {
        ui_.messageBox(CatalogueText::missingFileMessage(ProgramFolder::path()), CatalogueText::missingFileTitle(),
                       MsgIcon::None, MsgButtons::Ok);
        ui_.waitClose();
        return -1;
    }

    const QString settings = QString::fromUtf16(CatalogueText::kSettingsSection);
    api_.setIniFileName(path);
    api_.setAppName(settings);
    const qint32 total = NumericText::textToInt32(api_.GetInitValue(QString::fromUtf16(CatalogueText::kTotal), {}));
    if (total < 0 || total > CatalogueText::kMaxCardTotal)
        throw RuntimeError(6, CatalogueText::totalOutOfRangeDescription());
    state_.mlngCardTotal = total;
    grid_.setRowCount(total);
    ui_.waitSetProgress(grid_.rowCount(), 0);

    const QString showSelect = api_.GetInitValue(QString::fromUtf16(CatalogueText::kShowSelect), {});
    progress_ = showSelect != u"0" && full_;
    if (!progress_) {
        ui_.setSearchEnabled(false);
    } else {
        // Rewriting the same value would only rewrite the file.
        if (showSelect != u"1")
            api_.SetInitValue(QString::fromUtf16(CatalogueText::kShowSelect), u"1"_s, {});
        ui_.waitShow();
        SearchSetup& s = state_.serch;
        s.lstClass = QStringList{QString::fromUtf16(CatalogueText::kNoRace)};
        s.lstSpell.clear();
        s.lstSkill = QStringList{QString::fromUtf16(CatalogueText::kNoSkill)};
        spell_ = std::make_unique<ItemList>(s.lstSpell);
        class_ = std::make_unique<ItemList>(s.lstClass);
        skill_ = std::make_unique<ItemList>(s.lstSkill);
    }

    state_.limits.glngDeckLimit = NumericText::textToInt32(api_.GetInitValue(QString::fromUtf16(CatalogueText::kDeck), {}));
    state_.limits.glngCopyLimit = NumericText::textToInt32(api_.GetInitValue(QString::fromUtf16(CatalogueText::kLimit), {}));
    state_.serch.pNumberMax = state_.limits.glngCopyLimit;

    storage_ = api_.storage();
    const qint32 n = grid_.rowCount();
    for (qint32 i = 1; i <= n; ++i) {
        if (progress_ && (i == n || ui_.waitProgressDue())) {
            ui_.waitSetMessage(CatalogueText::progressText(i, grid_.rowCount()));
            ui_.waitSetProgress(grid_.rowCount(), i);
        }
        ui_.processEvents();
        const QString no = CatalogueText::regularCardNumber(i);
        grid_.setCellText(colNo, i, no);
        fillRow(i, no);
    }

    for (qint32 k = 1;; ++k) {
        ui_.processEvents();
        const QString no = CatalogueText::promoCardNumber(k);
        if (blankAfterTrim(value(u"Name", no)))
            break;
        const qint32 r = grid_.rowCount() + 1;
        grid_.setRowCount(r);
        grid_.setCellText(colNo, r, no);
        fillRow(r, no);
    }

    if (api_.GetInitValue(QString::fromUtf16(CatalogueText::kShowSelect), settings) == u"1")
        ui_.setSearchEnabled(true);
    state_.totals.resetForLoad();
    ui_.totalsChanged();
    ui_.waitClose();
    ui_.setControlsEnabled(true);
    return 0;
}

void Loader::fillRow(qint32 r, QStringView section)
{
    struct Attribute {
        qint32 col;
        QStringView key;
        qint32 SearchSetup::*maximum;
    };
    static constexpr Attribute kAttributes[] = {
        {colType, u"Type", nullptr},         {colName, u"Name", nullptr},
        {colNode, u"Node", &SearchSetup::pNodeMax},         {colCost, u"Cost", &SearchSetup::pCostMax},
        {colGlaze, u"Glaze", &SearchSetup::pGlazeMax},      {colAttack, u"Attack", &SearchSetup::pAttackMax},
        {colToughness, u"Toughness", &SearchSetup::pToughnessMax}, {colUser, u"User", nullptr},
        {colUpkeep, u"Upkeep", &SearchSetup::pUpkeepMax},   {colClass, u"Class", nullptr},
        {colSkill, u"Skill", nullptr},       {colIllustration, u"Illustration", nullptr},
    };
    for (const Attribute& a : kAttributes) {
        const QStringView v = value(a.key, section);
        grid_.setCellShared(a.col, r, v, storage_);
        if (!progress_)
            continue;
        if (a.maximum)
            takeMaximum(a.col, r, state_.serch.*a.maximum);
        else if (a.col == colUser && !blankAfterTrim(v))
            spell_->add(v, listKeepAlive_);
        else if (a.col == colClass && !blankAfterTrim(v))
            class_->addParts(v, QStringView(CatalogueText::kRaceSeparator), listKeepAlive_);
        else if (a.col == colSkill && !blankAfterTrim(v))
            skill_->addParts(v, QStringView(CatalogueText::kSkillSeparator), listKeepAlive_);
    }
    static const QString zero = u"0"_s;
    for (qint32 col : {colDeck, colSide}) {
        grid_.setCellText(col, r, zero);
        grid_.setForeColor(col, r, DeckColours::kCountZero);
    }
}

void Loader::takeMaximum(qint32 col, qint32 r, qint32& maximum)
{
    const double v = NumericText::leadingValue(grid_.cellView(col, r));
    if (v > maximum)
        maximum = NumericText::toInt32(v);
}

}  // namespace

qint32 flngLoadCardList(EditorState& state, Ui& ui, bool ibolFullLoad)
{
    Loader loader(state, ui, ibolFullLoad);
    try {
        return loader.run();
    } catch (const RuntimeError& e) {
        ui.messageBox(e.description(), AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
        // Left disabled, a failed reset would leave the program unusable.
        ui.waitClose();
        ui.setControlsEnabled(true);
        return -1;
    }
}
