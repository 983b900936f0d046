#include "HandTiles.h"

#include "DeckToolsText.h"

#include "sheet/DeckSheet.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTileWidth = 96;
constexpr int kGap = 6;
constexpr int kHeading = 22;

}  // namespace

HandTiles::HandTiles(QWidget* parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void HandTiles::setCards(const QList<SheetCard>& hand, const QList<SheetCard>& draws)
{
    hand_ = hand;
    draws_ = draws;
    updateGeometry();
    update();
}

void HandTiles::setEmptyText(const QString& text)
{
    empty_ = text;
    update();
}

QStringList HandTiles::numbers() const
{
    QStringList out;
    for (const QList<SheetCard>* list : {&hand_, &draws_})
        for (const SheetCard& card : *list)
            out << card.no;
    return out;
}

QList<HandTiles::Placed> HandTiles::layout(int width) const
{
    const QSize size = sheetTileSize(kTileWidth);
    const int columns = std::max(1, (width - kGap) / (size.width() + kGap));
    QList<Placed> out;
    int top = 0;
    const auto section = [&](const QString& heading, const QList<SheetCard>& cards) {
        out.append({QRect(kGap, top, width - 2 * kGap, kHeading), nullptr, heading});
        top += kHeading;
        for (qsizetype i = 0; i < cards.size(); ++i)
            out.append({QRect(QPoint(kGap + int(i % columns) * (size.width() + kGap),
                                     top + int(i / columns) * (size.height() + kGap)),
                              size),
                        &cards[i], {}});
        top += int((cards.size() + columns - 1) / columns) * (size.height() + kGap);
    };
    if (!hand_.isEmpty())
        section(DeckToolsText::handHeading(hand_.size()), hand_);
    if (!draws_.isEmpty())
        section(DeckToolsText::drawsHeading(draws_.size()), draws_);
    return out;
}

int HandTiles::sectionHeight() { return kHeading + sheetTileSize(kTileWidth).height() + kGap; }

int HandTiles::heightForWidth(int width) const
{
    const QList<Placed> placed = layout(width);
    return placed.isEmpty() ? kHeading : placed.last().rect.bottom() + 1 + kGap;
}

QSize HandTiles::sizeHint() const
{
    const int width = 6 * (kTileWidth + kGap) + kGap;  // a hand of six in a row
    return QSize(width, heightForWidth(width));
}

const QImage& HandTiles::tile(const SheetCard& card)
{
    auto found = tiles_.find(card.no);
    if (found == tiles_.end()) {
        const qreal ratio = devicePixelRatioF();
        const QSize size = sheetTileSize(kTileWidth);
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        drawSheetTile(p, card, QRect(QPoint(), size), QString());
        p.end();
        found = tiles_.insert(card.no, image);
    }
    return *found;
}

void HandTiles::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (hand_.isEmpty()) {
        p.drawText(rect().adjusted(kGap, 0, -kGap, 0), Qt::AlignLeft | Qt::AlignTop, empty_);
        return;
    }
    QFont bold = font();
    bold.setBold(true);
    for (const Placed& placed : layout(width())) {
        if (!placed.rect.intersects(event->rect()))
            continue;
        if (placed.card) {
            p.drawImage(placed.rect.topLeft(), tile(*placed.card));
        } else {
            p.setFont(bold);
            p.drawText(placed.rect, Qt::AlignLeft | Qt::AlignVCenter, placed.heading);
        }
    }
}

void HandTiles::mouseDoubleClickEvent(QMouseEvent* event)
{
    for (const Placed& placed : layout(width()))
        if (placed.card && placed.rect.contains(event->position().toPoint())) {
            Q_EMIT cardActivated(placed.card->no);
            return;
        }
    QWidget::mouseDoubleClickEvent(event);
}
