#include "CardListLoader.h"

#include "CatalogueText.h"
#include "ChunkedRows.h"
#include "EditorState.h"

#include "deck/CardNumber.h"
#include "deck/DeckColours.h"
#include "platform/AppInfo.h"
#include "platform/NumericText.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/ProfileIndex.h"
#include "platform/ProfileSyntax.h"
#include "platform/clsWindowsAPI.h"

#include <QFileInfo>
#include <QScopeGuard>

#include <array>
#include <future>
#include <limits>
#include <optional>
#include <thread>
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

struct Attribute {
    qint32 col;
    QStringView key;
    qint32 SearchSetup::*maximum;
};
constexpr Attribute kAttributes[] = {
    {colType, u"Type", nullptr},
    {colName, u"Name", nullptr},
    {colNode, u"Node", &SearchSetup::pNodeMax},
    {colCost, u"Cost", &SearchSetup::pCostMax},
    {colGlaze, u"Glaze", &SearchSetup::pGlazeMax},
    {colAttack, u"Attack", &SearchSetup::pAttackMax},
    {colToughness, u"Toughness", &SearchSetup::pToughnessMax},
    {colUser, u"User", nullptr},
    {colUpkeep, u"Upkeep", &SearchSetup::pUpkeepMax},
    {colClass, u"Class", nullptr},
    {colSkill, u"Skill", nullptr},
    {colIllustration, u"Illustration", nullptr},
};

// The attribute a key line of a card names, or -1.
qint32 attributeOf(QStringView key)
{
    for (qint32 a = 0; a < qint32(std::size(kAttributes)); ++a)
        if (ProfileSyntax::sameName(key, kAttributes[a].key))
            return a;
    return -1;
}

// Regular catalogues this large are read on two threads; the finishing stays on the main thread.
constexpr qint32 kThreadedRows = 4096;

class Loader {
public:
    Loader(const EditorState& current, CatalogueLoad& out, Ui& ui, bool full)
        : out_(out), grid_(out.grid), ui_(ui), full_(full)
    {
        out_.limits = current.limits;
        out_.serch = current.serch;
        out_.searchEnabled = current.searchEnabled;
    }

    // True when the whole catalogue was read into out; false after telling the user why not.
    bool run();

private:
    void readAndFinishRows();
    void readAttributes(const ProfileIndex& file, ProfileIndex::Cursor& cursor, qint32 from, qint32 to);
    void finishRow(qint32 r);
    void takeMaximum(qint32 col, qint32 r, qint32& maximum);
    QStringView value(QStringView key, QStringView section) { return api_.valueView(key, section); }
    qint32 setting(const char16_t* key, qint32 maximum);

    CatalogueLoad& out_;
    CardGrid& grid_;
    Ui& ui_;
    bool full_;
    bool progress_ = false;
    qint32 total_ = 0;
    clsWindowsAPI api_;
    std::unique_ptr<CardGrid::SharedWriter> writer_;
    QStringList listKeepAlive_;  // owns the texts the item hashes refer to
    std::unique_ptr<ItemList> spell_, class_, skill_;
};

bool Loader::run()
{
    const QString path = ProgramFolder::catalogueFile();
    if (!QFileInfo(path).isFile()) {
        ui_.messageBox(CatalogueText::missingFileMessage(ProgramFolder::path()), CatalogueText::missingFileTitle(),
                       MsgIcon::None, MsgButtons::Ok);
        return false;
    }

    const QString settings = QString::fromUtf16(CatalogueText::kSettingsSection);
    // The preview that follows a load reads the same file: one parse serves both, and its text is
    // the one the grid's cells point into.
    api_.setShareParsedFile(true);
    api_.setIniFileName(path);
    api_.setAppName(settings);
    total_ = setting(CatalogueText::kTotal, CatalogueText::kMaxCardTotal);
    out_.mlngCardTotal = total_;
    ui_.waitSetProgress(total_, 0);

    const QString showSelect = api_.GetInitValue(QString::fromUtf16(CatalogueText::kShowSelect), {});
    progress_ = showSelect != u"0" && full_;
    if (!progress_) {
        out_.searchEnabled = false;
        ui_.setSearchEnabled(false);
    } else {
        // Rewriting the same value would only rewrite the file.
        if (showSelect != u"1")
            api_.SetInitValue(QString::fromUtf16(CatalogueText::kShowSelect), u"1"_s, {});
        ui_.waitShow();
        SearchSetup& s = out_.serch;
        s.lstClass = QStringList{QString::fromUtf16(CatalogueText::kNoRace)};
        s.lstSpell.clear();
        s.lstSkill = QStringList{QString::fromUtf16(CatalogueText::kNoSkill)};
        spell_ = std::make_unique<ItemList>(s.lstSpell);
        class_ = std::make_unique<ItemList>(s.lstClass);
        skill_ = std::make_unique<ItemList>(s.lstSkill);
    }

    out_.limits.glngDeckLimit = setting(CatalogueText::kDeck, std::numeric_limits<qint32>::max());
    out_.limits.glngCopyLimit = setting(CatalogueText::kLimit, std::numeric_limits<qint32>::max());
    out_.serch.pNumberMax = out_.limits.glngCopyLimit;

    // The promotional rows are counted first so that the rows are made once, not grown.
    qint32 promos = 0;
    while (!ProfileSyntax::onlySpaces(value(u"Name", CardNumber::promotional(promos + 1).text())))
        ++promos;
    grid_.setRowCount(total_ + promos);
    writer_ = std::make_unique<CardGrid::SharedWriter>(grid_, api_.storage());

    readAndFinishRows();
    for (qint32 k = 1; k <= promos + 1; ++k) {
        ui_.processEvents();
        if (k > promos)
            break;
        const QString no = CardNumber::promotional(k).text();
        for (const Attribute& a : kAttributes)
            writer_->set(a.col, total_ + k, value(a.key, no));
        grid_.setCellText(colNo, total_ + k, no);
        finishRow(total_ + k);
    }

    if (api_.GetInitValue(QString::fromUtf16(CatalogueText::kShowSelect), settings) == u"1")
        out_.searchEnabled = true;
    return true;
}

// A number of section "Card". A negative copy limit would make ">" write negative counts, so
// every setting is held to 0..maximum.
qint32 Loader::setting(const char16_t* key, qint32 maximum)
{
    const qint32 v = NumericText::textToInt32(api_.GetInitValue(QString::fromUtf16(key), {}));
    if (v < 0 || v > maximum)
        throw RuntimeError(6, CatalogueText::outOfRangeDescription(key, maximum));
    return v;
}

// Finding the keys is most of the work. On a large catalogue a second thread shares it chunk by
// chunk, with a reading position of its own, while the main thread finishes the rows in order as
// their chunks are read (the progress display counts them) and reads a chunk itself whenever one
// is left, so neither thread waits for the other until the last chunks.
void Loader::readAndFinishRows()
{
    const ProfileIndex& file = api_.parsedFile();
    ChunkedRows rows(total_);
    std::optional<CardGrid::OtherThreadsWriting> helperWrites;  // outlives the helper's future
    std::future<void> helper;
    if (total_ >= kThreadedRows && std::thread::hardware_concurrency() > 1 && writer_->sharesStorage()) {
        helperWrites.emplace(grid_);
        helper = std::async(std::launch::async, [&] {
            ProfileIndex::Cursor cursor;
            rows.helpRead([&](qint32 from, qint32 to) { readAttributes(file, cursor, from, to); });
        });
    }
    // However the main thread's part ends, the helper takes no more (and the future then joins it).
    const auto stop = qScopeGuard([&] { rows.stop(); });
    ProfileIndex::Cursor cursor;
    for (qint32 c = 0; c < rows.count(); ++c) {
        while (!rows.ready(c)) {
            const qint32 mine = rows.take();
            if (mine < 0) {
                rows.waitRead(c);
                continue;
            }
            ui_.processEvents();  // a chunk reads in well under a frame
            readAttributes(file, cursor, rows.first(mine), rows.last(mine));
            rows.markRead(mine);
        }
        for (qint32 i = rows.first(c); i <= rows.last(c); ++i) {
            if (progress_ && (i == total_ || ui_.waitProgressDue())) {
                ui_.waitSetMessage(CatalogueText::progressText(i, total_));
                ui_.waitSetProgress(total_, i);
            }
            ui_.processEvents();
            if (grid_.cellView(colNo, i).isEmpty())  // a card the catalogue has no section for
                grid_.setCellText(colNo, i, CardNumber::regular(i).text());
            finishRow(i);
        }
    }
}

// The number and attribute cells of regular cards from..to, exactly as read: one pass over each
// card's section, the first line of each key counting. The number is the section's own name,
// the same text as the card number (digits have no case), so no row needs a text of its own.
void Loader::readAttributes(const ProfileIndex& file, ProfileIndex::Cursor& cursor, qint32 from, qint32 to)
{
    std::vector<ProfileIndex::Key> keys;
    std::array<char16_t, 12> number;
    for (qint32 i = from; i <= to; ++i) {
        QStringView section;
        if (!file.keysOf(cursor, CardNumber::regularText(i, number), keys, section))
            continue;
        writer_->set(colNo, i, section);
        std::array<bool, std::size(kAttributes)> seen{};
        for (const ProfileIndex::Key& k : keys) {
            const qint32 a = attributeOf(k.name);
            if (a < 0 || seen[size_t(a)])
                continue;
            seen[size_t(a)] = true;
            writer_->set(kAttributes[a].col, i, clsWindowsAPI::readValue(k.value));
        }
    }
}

void Loader::finishRow(qint32 r)
{
    static const QString zero = u"0"_s;
    for (qint32 col : {colDeck, colSide}) {
        grid_.setCellText(col, r, zero);
        grid_.setForeColor(col, r, DeckColours::kCountZero);
    }
    if (!progress_)
        return;
    for (const Attribute& a : kAttributes) {
        if (a.maximum) {
            takeMaximum(a.col, r, out_.serch.*a.maximum);
            continue;
        }
        const QStringView v = grid_.cellView(a.col, r);
        if (ProfileSyntax::onlySpaces(v))
            continue;
        if (a.col == colUser)
            spell_->add(v, listKeepAlive_);
        else if (a.col == colClass)
            class_->addParts(v, QStringView(CatalogueText::kRaceSeparator), listKeepAlive_);
        else if (a.col == colSkill)
            skill_->addParts(v, QStringView(CatalogueText::kSkillSeparator), listKeepAlive_);
    }
}

void Loader::takeMaximum(qint32 col, qint32 r, qint32& maximum)
{
    const double v = NumericText::leadingValue(grid_.cellView(col, r));
    if (v > maximum)
        maximum = NumericText::toInt32(v);
}

// Every way out of a load closes the wait window and gives the controls back.
class LoadScope {
public:
    explicit LoadScope(Ui& ui) : ui_(ui)
    {
        ui_.waitCreate();
        ui_.setControlsEnabled(false);
    }
    ~LoadScope()
    {
        ui_.waitClose();
        ui_.setControlsEnabled(true);
    }
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;

private:
    Ui& ui_;
};

std::unique_ptr<CatalogueLoad> loadCatalogue(const EditorState& current, Ui& ui, bool ibolFullLoad)
{
    auto out = std::make_unique<CatalogueLoad>();
    try {
        if (Loader(current, *out, ui, ibolFullLoad).run())
            return out;
    } catch (const RuntimeError& e) {
        ui.messageBox(e.description(), AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    } catch (const std::bad_alloc&) {
        out.reset();
        ui.messageBox(RuntimeError::outOfMemory().description(), AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    }
    return nullptr;
}

void installCatalogue(EditorState& state, Ui& ui, CatalogueLoad&& load)
{
    state.fpsCardList.adoptRows(std::move(load.grid));
    state.totals = load.totals;
    state.limits = load.limits;
    state.mlngCardTotal = load.mlngCardTotal;
    state.serch = std::move(load.serch);
    state.searchEnabled = load.searchEnabled;
    ++state.catalogueLoads;
    ui.setWindowTitle(AppInfo::plainWindowTitle());
    state.deckName.clear();
    ui.setSearchEnabled(state.searchEnabled);
    ui.totalsChanged();
}

}  // namespace

qint32 flngLoadCardList(EditorState& state, Ui& ui, bool ibolFullLoad)
{
    LoadScope scope(ui);
    std::unique_ptr<CatalogueLoad> load = loadCatalogue(state, ui, ibolFullLoad);
    if (!load) {
        ui.setSearchEnabled(state.searchEnabled);
        return -1;
    }
    installCatalogue(state, ui, std::move(*load));
    return 0;
}
