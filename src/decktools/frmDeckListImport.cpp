#include "frmDeckListImport.h"

#include "DeckTableModel.h"
#include "DeckToolsText.h"

#include "catalogue/EditorState.h"
#include "deck/DeckHand.h"
#include "deckfile/DeckComparison.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A list of many thousand lines is read again only when the typing pauses.
constexpr int kTypingPauseMs = 250;

}  // namespace

frmDeckListImport::frmDeckListImport(const EditorState& state, const QString& text, QWidget* parent)
    : QDialog(parent), state_(state)
{
    setObjectName(u"frmDeckListImport"_s);
    setWindowTitle(DeckToolsText::importTitle());
    setFont(QFont(u"ＭＳ Ｐゴシック"_s, 9));
    auto* hint = new QLabel(DeckToolsText::importHint());
    hint->setWordWrap(true);
    edit_ = new QPlainTextEdit;
    edit_->setObjectName(u"txtList"_s);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setPlainText(text);
    summary_ = new QLabel;
    summary_->setObjectName(u"lblWillLoad"_s);
    model_ = new DeckTableModel(this);
    cards_ = deckTableView(model_, u"tblWillLoad"_s);
    cards_->horizontalHeader()->setStretchLastSection(false);
    issues_ = new QPlainTextEdit;
    issues_->setObjectName(u"txtIssues"_s);
    issues_->setReadOnly(true);
    issues_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* pane = new QWidget;
    auto* previewColumn = new QVBoxLayout(pane);
    previewColumn->setContentsMargins(0, 0, 0, 0);
    previewColumn->addWidget(summary_);
    previewColumn->addWidget(cards_, 3);
    previewColumn->addWidget(issues_, 2);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(edit_);
    split->addWidget(pane);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(DeckToolsText::importOk());
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOk"_s);
    buttons->button(QDialogButtonBox::Cancel)->setText(DeckToolsText::cancel());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);

    typing_ = new QTimer(this);
    typing_->setSingleShot(true);
    typing_->setInterval(kTypingPauseMs);
    connect(typing_, &QTimer::timeout, this, [this] { preview(); });
    connect(edit_, &QPlainTextEdit::textChanged, typing_, qOverload<>(&QTimer::start));
    preview();
    const int widths[] = {48, 170, 44, 44};
    for (int c = 0; c < int(std::size(widths)); ++c)
        cards_->setColumnWidth(c, widths[c]);
    resize(780, 520);
}

QString frmDeckListImport::text() const { return edit_->toPlainText(); }

void frmDeckListImport::preview()
{
    typing_->stop();
    list_ = readDeckList(edit_->toPlainText(), state_.fpsCardList, state_.limits);
    const SectionCounts total = sectionCounts(list_.deck);
    summary_->setText(DeckToolsText::importWillLoad(total.main, total.after));
    const auto& cards = list_.deck.cards();
    model_->setShape({{DeckToolsText::compareNumber(), DeckToolsText::compareName(), DeckToolsText::sectionMain(),
                       DeckToolsText::sectionSide()},
                      int(cards.size()),
                      [this](int row, int column) -> QString {
                          const Deck::Card& card = list_.deck.cards()[size_t(row)];
                          switch (column) {
                          case 0: return card.number.text();
                          case 1: return cardName(state_.fpsCardList, card.number);
                          case 2: return QString::number(card.counts.main);
                          default: return QString::number(card.counts.side);
                          }
                      },
                      2, {}});
    QStringList issues;
    const auto list = [&](const QString& heading, const QList<DeckListIssue>& lines) {
        if (lines.isEmpty())
            return;
        issues << heading;
        for (const DeckListIssue& issue : lines)
            issues << DeckToolsText::importLine(issue.line, issue.text, issue.reason);
    };
    list(DeckToolsText::importUnmatched(list_.unmatched.size()), list_.unmatched);
    list(DeckToolsText::importWarnings(list_.warnings.size()), list_.warnings);
    issues_->setPlainText(issues.join(u'\n'));
    issues_->setVisible(!issues.isEmpty());
}
