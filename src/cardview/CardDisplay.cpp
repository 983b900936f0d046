#include "CardDisplay.h"

#include "CardLayout.h"
#include "CardRecord.h"
#include "PreviewPane.h"
#include "frmCard2.h"

#include "deck/CardGrid.h"

CardDisplay::CardDisplay(QWidget& window, const Twips& twips, const CardGrid& grid)
    : grid_(grid), preview_(std::make_unique<PreviewPane>(&window, twips))
{
    fsubClearPreview();
}

CardDisplay::~CardDisplay() = default;

bool CardDisplay::isCardCell(qint32 col, qint32 row) { return col >= 1 && col <= kColumnCount && row >= 1; }

void CardDisplay::previewCell(qint32 col, qint32 row)
{
    if (isCardCell(col, row))
        flngShowPreview(grid_.cellText(colNo, row));
}

void CardDisplay::fsubClearPreview() { preview_->show(clearedPreview()); }

qint32 CardDisplay::flngShowPreview(const QString& cardNo)
{
    // Read before clearing, so the pane changes once.
    const PreviewTexts texts = previewTexts(readCard(cardNo));
    fsubClearPreview();
    preview_->show(texts);
    return 0;
}

void CardDisplay::openCard(qint32 col, qint32 row)
{
    if (!isCardCell(col, row))
        return;
    openCardNumber(grid_.cellText(colNo, row));
}

void CardDisplay::openCardNumber(const QString& cardNo)
{
    auto* card = new frmCard2;
    card->plngSetCard(cardNo);
    card->show();
}
