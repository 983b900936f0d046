// The main window's side of the card display: the preview pane and opening card windows.

#include "CardLayout.h"
#include "CardRecord.h"
#include "PreviewPane.h"
#include "frmCard2.h"

#include "app/CardGridView.h"
#include "app/frmTessarin.h"

void frmTessarin::createPreviewPane()
{
    preview_ = std::make_unique<PreviewPane>(this, twips_);
    fsubClearPreview();
    connect(fpsCardList_, &CardGridView::LeaveCell, this, &frmTessarin::fpsCardList_LeaveCell);
    connect(fpsCardList_, &CardGridView::DblClick, this, &frmTessarin::fpsCardList_DblClick);
    connect(fpsCardList_, &CardGridView::KeyDown, this, &frmTessarin::fpsCardList_KeyDown);
}

void frmTessarin::fsubClearPreview() { preview_->show(clearedPreview()); }

qint32 frmTessarin::flngShowPreview(const QString& cardNo)
{
    // Read before clearing, so the pane changes once.
    const PreviewTexts texts = previewTexts(readCard(cardNo));
    fsubClearPreview();
    preview_->show(texts);
    return 0;
}

void frmTessarin::fpsCardList_LeaveCell(qint32 Col, qint32 Row, qint32 NewCol, qint32 NewRow, bool* Cancel)
{
    Q_UNUSED(Col);
    Q_UNUSED(Row);
    Q_UNUSED(Cancel);
    if (NewCol >= 1 && NewCol <= kColumnCount && NewRow >= 1)
        flngShowPreview(state_.fpsCardList.cellText(colNo, NewRow));
}

void frmTessarin::fpsCardList_DblClick(qint32 Col, qint32 Row)
{
    if (Col >= 1 && Col <= kColumnCount && Row >= 1) {
        auto* card = new frmCard2;
        card->plngSetCard(state_.fpsCardList.cellText(colNo, Row));
        card->show();
    }
    if (Row >= 1 && Col >= 1 && Col <= colSideUp)
        fpsCardList_->selectGridBlock(colNo, Row, colDeck, Row);
}

void frmTessarin::fpsCardList_KeyDown(int KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    // Enter of the main keyboard and of the keypad alike.
    if (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter)
        fpsCardList_DblClick(state_.fpsCardList.activeCol(), state_.fpsCardList.activeRow());
}
