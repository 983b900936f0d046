#pragma once

#include "sheet/DeckSheetContent.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QWidget>

// The cards of a trial hand as the deck sheet's tiles: the opening hand, then the cards drawn
// after it, each under a heading. A double click on a tile asks for that card's window. Each card's
// tile is drawn once and kept: a picture is decoded when it first shows, not at every repaint.
class HandTiles : public QWidget {
    Q_OBJECT
public:
    explicit HandTiles(QWidget* parent = nullptr);

    void setCards(const QList<SheetCard>& hand, const QList<SheetCard>& draws);
    // What "" stands for: a deck with no cards.
    void setEmptyText(const QString& text);
    // The numbers shown, the hand's then the draws'.
    QStringList numbers() const;
    // Tiles kept for cards no longer shown go.
    void forgetTiles() { tiles_.clear(); }

    // A heading and one row of tiles.
    static int sectionHeight();
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    void cardActivated(const QString& cardNo);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Placed {
        QRect rect;
        const SheetCard* card;  // null for a heading
        QString heading;
    };
    QList<Placed> layout(int width) const;
    const QImage& tile(const SheetCard& card);

    QList<SheetCard> hand_, draws_;
    QString empty_;
    QHash<QString, QImage> tiles_;
};
