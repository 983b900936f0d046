#include "DeckSheet.h"

#include "DeckSheetContent.h"
#include "DeckSheetText.h"

#include "cardview/CardFonts.h"
#include "cardview/CardLayout.h"
#include "cardview/CardPictureImage.h"
#include "deckfile/DeckFileText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMargin = 16;
constexpr int kWidth = 1062; // eight cards of 120 px a row at the default size
constexpr int kInner = kWidth - 2 * kMargin;
constexpr int kDefaultColumns = 8;
// The picture never grows past this: a deck too long for it gets smaller cards, more to a row.
constexpr int kMaxHeight = 16384;
constexpr int kMinCardWidth = 6;
constexpr int kNameHeight = 40;
constexpr int kTotalsHeight = 30;
constexpr int kHeadingHeight = 36;
constexpr int kNoneHeight = 24;
constexpr int kCaptionHeight = 34;

const QColor kBackground(236, 236, 244);
const QColor kInk(0, 0, 0);

QFont font(int pixels, bool bold = false)
{
    QFont f;
    f.setFamilies(CardFonts::gothic());
    f.setPixelSize(std::max(pixels, 1));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Below this width a caption could not be read: the tile is its picture.
int captionHeight(int width) { return width >= 60 ? kCaptionHeight : 0; }

int pictureHeight(int width) { return width * CardWindowGeometry::kClientHeight / CardWindowGeometry::kClientWidth; }

struct Layout {
    int columns = kDefaultColumns;
    int gap = 10;
    int cardWidth = 0, pictureHeight = 0, captionHeight = 0;
    int rowHeight() const { return pictureHeight + captionHeight + gap; }
    int sectionHeight(qsizetype cards) const
    {
        const qsizetype rows = (cards + columns - 1) / columns;
        return kHeadingHeight + (cards == 0 ? kNoneHeight : int(rows) * rowHeight());
    }
};

Layout layoutFor(int columns)
{
    Layout l;
    l.columns = columns;
    l.gap = std::max(1, 80 / columns);
    l.cardWidth = (kInner - (columns - 1) * l.gap) / columns;
    l.captionHeight = captionHeight(l.cardWidth);
    l.pictureHeight = pictureHeight(l.cardWidth);
    return l;
}

int headerHeight() { return kMargin + kNameHeight + kTotalsHeight + 8; }

void drawPlainFrame(QPainter& p, const QRect& r, const SheetCard& card)
{
    p.fillRect(r, kInk);
    const int band = std::max(1, r.width() / 20);
    const QRect panel = r.adjusted(band, band, -band, -band);
    p.fillRect(panel, Qt::white);
    if (r.width() < 40)
        return;
    const QRect text = panel.adjusted(3, 3, -3, -3);
    p.setPen(kInk);
    p.setFont(font(r.width() / 10, true));
    p.drawText(text, Qt::AlignTop | Qt::AlignHCenter, CardText::numberPrefix() + card.no);
    p.setFont(font(r.width() / 11));
    p.drawText(text.adjusted(0, r.width() / 7, 0, 0), Qt::AlignTop | Qt::AlignHCenter,
               card.type + CardText::cardSuffix());
    p.setFont(font(r.width() / 9, true));
    p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, card.name);
}

void drawCount(QPainter& p, const QRect& picture, const QString& count)
{
    const QFont f = font(std::max(picture.width() / 6, 6), true);
    const QFontMetrics m(f);
    const int height = m.height() + 2;
    // In the lower corner: the top of a plain frame carries the card's number.
    const QRect badge(picture.right() - m.horizontalAdvance(count) - 10, picture.bottom() - height - 3,
                      m.horizontalAdvance(count) + 8, height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawRoundedRect(badge, 4, 4);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(badge, Qt::AlignCenter, count);
}

void drawCard(QPainter& p, const Layout& l, const QPoint& at, const SheetCard& card, const QString& count)
{
    drawSheetTile(p, card, QRect(at, QSize(l.cardWidth, l.pictureHeight + l.captionHeight)), count);
}

// Draws one section below its heading and answers the top of what follows.
int drawSection(QPainter& p, const Layout& l, int top, const QString& heading, const QList<SheetCard>& cards,
                QString (*count)(qint32))
{
    p.setPen(kInk);
    p.setFont(font(20, true));
    p.drawText(QRect(kMargin, top, kInner, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
    p.drawLine(kMargin, top + kHeadingHeight - 4, kMargin + kInner, top + kHeadingHeight - 4);
    top += kHeadingHeight;
    if (cards.isEmpty()) {
        p.setFont(font(14));
        p.drawText(QRect(kMargin, top, kInner, kNoneHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   DeckSheetText::noCards());
        return top + kNoneHeight;
    }
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const QPoint at(kMargin + int(i % l.columns) * (l.cardWidth + l.gap), top + int(i / l.columns) * l.rowHeight());
        drawCard(p, l, at, cards[i], count(cards[i].count));
    }
    return top + l.sectionHeight(cards.size()) - kHeadingHeight;
}

// The deck's name, then the six totals, each on the background the main window gives it.
void drawHeader(QPainter& p, const DeckSheetContent& content)
{
    p.setPen(kInk);
    p.setFont(font(24, true));
    const QString name = content.deckName.isEmpty() ? DeckSheetText::unnamedDeck() : content.deckName;
    p.drawText(QRect(kMargin, kMargin, kInner, kNameHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(name, Qt::ElideMiddle, kInner));

    const std::pair<TotalLabel, QString> totals[] = {
        {TotalLabel::lblSum, u"合計："_s},         {TotalLabel::lblCharacterSum, u"キャラクター："_s},
        {TotalLabel::lblSpellSum, u"スペル："_s},  {TotalLabel::lblCommandSum, u"コマンド："_s},
        {TotalLabel::lblSideSum, u"サイド後："_s}, {TotalLabel::lblSide, u"サイド枚数："_s},
    };
    const int width = kInner / int(std::size(totals));
    p.setFont(font(15));
    for (int i = 0; i < int(std::size(totals)); ++i) {
        const QRect box(kMargin + i * width, kMargin + kNameHeight, width - 6, kTotalsHeight - 4);
        p.fillRect(box, QColor::fromRgb(content.totals.background(totals[i].first)));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(kInk);
        p.drawText(box.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, totals[i].second);
        p.drawText(box.adjusted(6, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
                   content.totals.caption(totals[i].first));
    }
}

}  // namespace

void drawSheetTile(QPainter& p, const SheetCard& card, const QRect& tile, const QString& count)
{
    const QRect picture(tile.topLeft(), QSize(tile.width(), std::min(tile.height(), pictureHeight(tile.width()))));
    const QImage image = decodeCardPicture(card.picture, picture.size());
    if (image.isNull())
        drawPlainFrame(p, picture, card);
    else
        p.drawImage(picture, image);
    if (!count.isEmpty())
        drawCount(p, picture, count);
    if (tile.height() - picture.height() < kCaptionHeight)
        return;
    const QRect caption(picture.left(), picture.bottom() + 2, tile.width(), kCaptionHeight - 2);
    p.setPen(kInk);
    p.setFont(font(12));
    p.drawText(caption, Qt::AlignTop | Qt::AlignLeft, card.no + u' ' + card.type);
    p.setFont(font(12, true));
    p.drawText(caption, Qt::AlignBottom | Qt::AlignLeft,
               QFontMetrics(p.font()).elidedText(card.name, Qt::ElideRight, tile.width()));
}

QSize sheetTileSize(int width)
{
    return QSize(width, pictureHeight(width) + captionHeight(width));
}

QImage drawDeckSheet(const DeckSheetContent& content)
{
    Layout l;
    int height = 0;
    for (int columns = kDefaultColumns;; ++columns) {
        l = layoutFor(columns);
        if (l.cardWidth < kMinCardWidth)
            return {};
        height =
            headerHeight() + l.sectionHeight(content.main.size()) + 12 + l.sectionHeight(content.side.size()) + kMargin;
        if (height <= kMaxHeight)
            break;
    }

    QImage sheet(kWidth, height, QImage::Format_RGB32);
    if (sheet.isNull())
        return {};
    sheet.fill(kBackground);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawHeader(p, content);
    int top = drawSection(p, l, headerHeight(), DeckSheetText::mainHeading(), content.main, DeckSheetText::mainCount);
    drawSection(p, l, top + 12, DeckSheetText::sideHeading(), content.side, DeckSheetText::sideCount);
    return sheet;
}

SaveResult saveDeckSheetFile(const EditorState& state, const QString& path)
{
    SaveResult result{path, {}, {}};
    QByteArray png;
    result.contentError = deckSheetPng(state, png);
    if (result.contentError.isNull())
        result.write = writeFileAtomically(path, png);
    return result;
}

QString deckSheetPng(const EditorState& state, QByteArray& png)
{
    QImage sheet;
    try {
        sheet = drawDeckSheet(deckSheetContent(state));
    } catch (const RuntimeError& e) {
        return e.description();
    }
    if (sheet.isNull())
        return DeckSheetText::tooManyCards();
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(sheet))
        return DeckSheetText::cannotEncode();
    return {};
}

void saveDeckSheet(const EditorState& state, Ui& ui)
{
    const QString path = ui.chooseSaveFile(DeckSheetText::saveFilter());
    if (path.isEmpty())
        return;
    const SaveResult saved = saveDeckSheetFile(state, path);
    if (!saved.written())
        ui.messageBox(DeckSheetText::saveFailedMessage(path, saved.reason()), DeckSheetText::saveTitle(),
                      MsgIcon::Error, MsgButtons::Ok);
    else
        ui.messageBox(DeckFileText::savedMessage(path), DeckSheetText::saveTitle(), MsgIcon::Information,
                      MsgButtons::Ok);
}
