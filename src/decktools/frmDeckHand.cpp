#include "frmDeckHand.h"

#include "DeckTableModel.h"
#include "DeckToolsText.h"
#include "HandTiles.h"

#include "cardview/CardRecord.h"
#include "deck/CardGrid.h"
#include "deckfile/RecentDecks.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kHandSizeKey = u"trial/handSize"_s;

qint32 keptHandSize(const RecentDecks* settings)
{
    const qint32 kept = settings ? settings->number(kHandSizeKey, HandTrial::kDefaultHand) : HandTrial::kDefaultHand;
    return std::clamp(kept, HandTrial::kMinHand, HandTrial::kMaxHand);
}

// The table's columns, in the order the odds are sorted by them.
constexpr OddsColumn kColumns[] = {OddsColumn::Listed, OddsColumn::Text, OddsColumn::Copies, OddsColumn::Drawn,
                                   OddsColumn::Opening};

QString oddsText(const OddsRow& row, int column)
{
    switch (column) {
    case 0:
        if (row.kind == OddsRow::Kind::Card)
            return row.number ? row.number->text() : QString();
        return row.kind == OddsRow::Kind::Type ? DeckToolsText::kindType() : DeckToolsText::kindCost();
    case 1: return row.text.isEmpty() ? DeckToolsText::none() : row.text;
    case 2: return QString::number(row.copies);
    case 3: return DeckToolsText::percent(row.drawn);
    default: return DeckToolsText::percent(row.opening);
    }
}

}  // namespace

frmDeckHand::frmDeckHand(const CardGrid& grid, RecentDecks* settings, QWidget* parent)
    : QWidget(parent, Qt::Window), grid_(grid), settings_(settings),
      trial_(Deck::fromGrid(grid), DeckPart::Main, keptHandSize(settings), DeckShuffle::randomSeed())
{
    setObjectName(u"frmDeckHand"_s);
    setWindowTitle(DeckToolsText::handTitle());
    setFont(QFont(u"ＭＳ Ｐゴシック"_s, 9));

    part_ = new QComboBox;
    part_->setObjectName(u"cboPart"_s);
    part_->addItems({DeckToolsText::partMain(), DeckToolsText::partAfter()});
    size_ = new QSpinBox;
    size_->setObjectName(u"spnHandSize"_s);
    size_->setRange(HandTrial::kMinHand, HandTrial::kMaxHand);
    size_->setValue(trial_.handSize());
    redraw_ = new QPushButton(DeckToolsText::redraw());
    redraw_->setObjectName(u"cmdRedraw"_s);
    drawOne_ = new QPushButton(DeckToolsText::drawOne());
    drawOne_->setObjectName(u"cmdDrawOne"_s);
    left_ = new QLabel;
    left_->setObjectName(u"lblLeft"_s);
    auto* controls = new QHBoxLayout;
    controls->addWidget(part_);
    controls->addSpacing(8);
    controls->addWidget(new QLabel(DeckToolsText::handSize()));
    controls->addWidget(size_);
    controls->addSpacing(8);
    controls->addWidget(redraw_);
    controls->addWidget(drawOne_);
    controls->addSpacing(8);
    controls->addWidget(left_, 1);

    seed_ = new QLineEdit;
    seed_->setObjectName(u"txtSeed"_s);
    seed_->setToolTip(DeckToolsText::seedHint());
    seed_->setMinimumWidth(seed_->fontMetrics().horizontalAdvance(u"18446744073709551615__"_s));
    seedError_ = new QLabel(DeckToolsText::badSeed());
    seedError_->setObjectName(u"lblSeedError"_s);
    seedError_->setStyleSheet(u"color: #b00000"_s);
    seedError_->hide();
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(new QLabel(DeckToolsText::seed()));
    seedRow->addWidget(seed_);
    seedRow->addWidget(seedError_, 1);
    seedRow->addStretch();

    tiles_ = new HandTiles;
    tiles_->setObjectName(u"picHand"_s);
    tiles_->setEmptyText(DeckToolsText::emptyDeck());
    auto* scroll = new QScrollArea;
    scroll->setWidget(tiles_);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumHeight(HandTiles::sectionHeight() + 2 * scroll->frameWidth());

    model_ = new DeckTableModel(this);
    table_ = deckTableView(model_, u"tblOdds"_s);
    auto* oddsPane = new QWidget;
    auto* oddsColumn = new QVBoxLayout(oddsPane);
    oddsColumn->setContentsMargins(0, 4, 0, 0);
    oddsColumn->addWidget(new QLabel(DeckToolsText::oddsHeading()));
    oddsColumn->addWidget(table_);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(scroll);
    split->addWidget(oddsPane);
    split->setChildrenCollapsible(false);
    // The hand and a row of drawn cards above the table.
    split->setSizes({2 * HandTiles::sectionHeight() + 2 * scroll->frameWidth(), 300});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(controls);
    layout->addLayout(seedRow);
    layout->addWidget(split, 1);

    model_->sorter = [this](int column, Qt::SortOrder order) {
        sortColumn_ = column;
        descending_ = order == Qt::DescendingOrder;
        showOdds();
    };
    connect(part_, &QComboBox::currentIndexChanged, this, [this](int index) {
        trial_.setPart(index == 0 ? DeckPart::Main : DeckPart::AfterSideboard);
        showTrial();
    });
    connect(size_, &QSpinBox::valueChanged, this, [this](int size) {
        trial_.setHandSize(size);
        if (settings_)
            settings_->setNumber(kHandSizeKey, size);
        showTrial();
    });
    connect(redraw_, &QPushButton::clicked, this, [this] { deal(DeckShuffle::randomSeed()); });
    connect(drawOne_, &QPushButton::clicked, this, [this] { draw(); });
    connect(seed_, &QLineEdit::returnPressed, this, [this] { takeSeed(); });
    connect(tiles_, &HandTiles::cardActivated, this, [this](const QString& no) {
        if (openCard)
            openCard(no);
    });

    showHand();
    odds_ = deckOdds(grid_, trial_.part(), trial_.drawn(), trial_.openingSize());
    // Sorting switched on sorts once, which shows the table.
    table_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    const int widths[] = {56, 170, 44, 96, 96};
    for (int c = 0; c < int(std::size(widths)); ++c)
        table_->setColumnWidth(c, widths[c]);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    resize(640, 820);
}

void frmDeckHand::refresh()
{
    if (!trial_.setDeck(Deck::fromGrid(grid_), DeckShuffle::randomSeed()))
        return;
    // The catalogue may have been reloaded with the deck: names and pictures are found again.
    pictures_.clear();
    tiles_->forgetTiles();
    showTrial();
}

void frmDeckHand::deal(quint64 seed)
{
    trial_.reshuffle(seed);
    showTrial();
}

void frmDeckHand::draw()
{
    if (!trial_.drawOne())
        return;
    showHand();
    setOddsDrawn(odds_, trial_.drawn());
    showOdds();
}

void frmDeckHand::takeSeed()
{
    const std::optional<quint64> seed = DeckShuffle::parseSeed(seed_->text());
    seedError_->setVisible(!seed);
    if (seed)
        deal(*seed);
}

SheetCard frmDeckHand::tileOf(CardNumber number)
{
    const QString no = number.text();
    auto picture = pictures_.find(no);
    if (picture == pictures_.end())
        picture = pictures_.insert(no, cardPictureFile(no));
    const qint32 row = grid_.rowOf(number);
    return {no, row ? grid_.cellText(colType, row) : QString(), cardName(grid_, number), 1, *picture};
}

void frmDeckHand::showTrial()
{
    showHand();
    fillOdds();
}

void frmDeckHand::showHand()
{
    QList<SheetCard> hand, draws;
    for (CardNumber n : trial_.hand())
        hand << tileOf(n);
    for (CardNumber n : trial_.draws())
        draws << tileOf(n);
    tiles_->setCards(hand, draws);
    seed_->setText(DeckShuffle::seedText(trial_.seed()));
    left_->setText(DeckToolsText::left(trial_.left(), trial_.deckSize()));
    drawOne_->setEnabled(trial_.left() > 0);
}

void frmDeckHand::fillOdds()
{
    odds_ = deckOdds(grid_, trial_.part(), trial_.drawn(), trial_.openingSize());
    showOdds();
}

void frmDeckHand::showOdds()
{
    sortOdds(odds_.rows, kColumns[std::clamp(sortColumn_, 0, int(std::size(kColumns)) - 1)], descending_);
    model_->setShape({{DeckToolsText::oddsNumber(), DeckToolsText::oddsText(), DeckToolsText::oddsCopies(),
                       DeckToolsText::oddsDrawn(trial_.drawn()), DeckToolsText::oddsOpening(trial_.openingSize())},
                      int(odds_.rows.size()),
                      [this](int row, int column) { return oddsText(odds_.rows[row], column); },
                      2,
                      [this](int row) { return odds_.rows[row].kind != OddsRow::Kind::Card; }});
}
