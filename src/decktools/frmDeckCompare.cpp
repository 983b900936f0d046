#include "frmDeckCompare.h"

#include "DeckTableModel.h"
#include "DeckToolsText.h"

#include "catalogue/EditorState.h"
#include "deckfile/DeckOpener.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFirstCount = 3;

// The nine counts of a row: this deck's, the other's, and the other's less this one's.
QString countText(const SectionCounts& a, const SectionCounts& b, int column)
{
    const int section = (column - kFirstCount) % 3;
    const auto pick = [section](const SectionCounts& s) { return section == 0 ? s.main : section == 1 ? s.side : s.after; };
    switch ((column - kFirstCount) / 3) {
    case 0: return QString::number(pick(a));
    case 1: return QString::number(pick(b));
    default: return signedCount(pick(b) - pick(a));
    }
}

QStringList headers()
{
    QStringList out{DeckToolsText::compareNumber(), DeckToolsText::compareType(), DeckToolsText::compareName()};
    for (const QString& group : {DeckToolsText::groupThis(), DeckToolsText::groupOther(), DeckToolsText::groupDifference()})
        for (const QString& section : {DeckToolsText::sectionMain(), DeckToolsText::sectionSide(),
                                       DeckToolsText::sectionAfter()})
            out << group + u'\n' + section;
    return out;
}

}  // namespace

frmDeckCompare::frmDeckCompare(const EditorState& state, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state)
{
    setObjectName(u"frmDeckCompare"_s);
    setWindowTitle(DeckToolsText::compareTitle());
    setFont(QFont(u"ＭＳ Ｐゴシック"_s, 9));
    this_ = new QLabel;
    this_->setObjectName(u"lblThisDeck"_s);
    otherName_ = new QLabel;
    otherName_->setObjectName(u"lblOtherDeck"_s);
    summary_ = new QLabel;
    summary_->setObjectName(u"lblSummary"_s);
    auto* another = new QPushButton(DeckToolsText::otherFile());
    another->setObjectName(u"cmdOtherFile"_s);
    connect(another, &QPushButton::clicked, this, [this] {
        if (chooseOther)
            chooseOther();
    });
    auto* names = new QVBoxLayout;
    names->addWidget(this_);
    names->addWidget(otherName_);
    auto* top = new QHBoxLayout;
    top->addLayout(names, 1);
    top->addWidget(another, 0, Qt::AlignTop);

    model_ = new DeckTableModel(this);
    table_ = deckTableView(model_, u"tblCompare"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    resize(780, 480);
}

frmDeckCompare::~frmDeckCompare() = default;

void frmDeckCompare::setOther(std::unique_ptr<EditorState> other, const QString& path)
{
    other_ = std::move(other);
    otherName_->setText(DeckToolsText::otherDeck(deckDisplayName(path)));
    otherName_->setToolTip(path);
    refresh();
    const int widths[] = {48, 72, 140};
    for (int c = 0; c < int(std::size(widths)); ++c)
        table_->setColumnWidth(c, widths[c]);
    // Each count's column as wide as the longer line of its header.
    const QFontMetrics m(table_->horizontalHeader()->font());
    for (int c = kFirstCount; c < model_->columnCount(); ++c) {
        int width = 0;
        for (const QString& line : model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().split(u'\n'))
            width = std::max(width, m.horizontalAdvance(line));
        table_->setColumnWidth(c, width + 12);
    }
}

void frmDeckCompare::refresh()
{
    this_->setText(DeckToolsText::thisDeck(state_.deckName.isEmpty() ? DeckToolsText::unnamedDeck() : state_.deckName));
    if (!other_)
        return;
    comparison_ = compareDecks(state_.fpsCardList, other_->fpsCardList);
    const DeckComparison& c = comparison_;
    summary_->setText(c.same() ? DeckToolsText::sameDecks() : DeckToolsText::differing(c.cards.size()));
    const int cards = int(c.cards.size()), types = int(c.types.size());
    // The cards, then a row per type, then the whole deck's.
    model_->setShape({headers(), cards + types + 1,
                      [this, cards, types](int row, int column) -> QString {
                          const DeckComparison& c = comparison_;
                          if (row < cards) {
                              const DeckComparison::Card& card = c.cards[row];
                              if (column < kFirstCount)
                                  return column == 0 ? card.number.text() : column == 1 ? card.type : card.name;
                              return countText(sectionCounts(card.a), sectionCounts(card.b), column);
                          }
                          const bool all = row == cards + types;
                          if (column < kFirstCount) {
                              if (column == 0)
                                  return {};
                              if (column == 2)
                                  return DeckToolsText::totalRow();
                              const QString type = all ? DeckToolsText::allTypes() : c.types[row - cards].type;
                              return type.isEmpty() ? DeckToolsText::none() : type;
                          }
                          return all ? countText(c.totalA, c.totalB, column)
                                     : countText(c.types[row - cards].a, c.types[row - cards].b, column);
                      },
                      kFirstCount, [cards](int row) { return row >= cards; }});
}
