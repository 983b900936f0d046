#pragma once

#include "platform/Twips.h"

#include <QString>

#include <memory>

class CardGrid;
class PreviewPane;
class QWidget;

// The main window's card display: the preview pane, which shows the card of the row the user is
// on, and the card windows opened on a card. It reads the grid and draws on the window it is
// given; the window's handlers decide when.
class CardDisplay {
public:
    CardDisplay(QWidget& window, const Twips& twips, const CardGrid& grid);
    ~CardDisplay();

    // The card of a grid cell in the preview; a cell off the card rows and columns leaves it as it is.
    void previewCell(qint32 col, qint32 row);
    qint32 flngShowPreview(const QString& cardNo);
    void fsubClearPreview();
    // A card window on the card of a grid cell, for a cell of the card rows and columns.
    void openCard(qint32 col, qint32 row);
    // A card window on a card by its number, wherever the card is shown.
    static void openCardNumber(const QString& cardNo);

private:
    static bool isCardCell(qint32 col, qint32 row);

    const CardGrid& grid_;
    std::unique_ptr<PreviewPane> preview_;
};
