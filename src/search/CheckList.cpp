#include "CheckList.h"

#include <QFontMetrics>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <cmath>

#include <algorithm>

class CheckListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Items are laid out at one size (a list may hold tens of thousands): as wide as the widest,
    // and a little taller than a check box, so that the boxes of two lines do not touch.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int margins = size.width() - option.fontMetrics.horizontalAdvance(index.data().toString());
        size.setWidth(std::max(size.width(), widest + margins));
        const QStyle* style = option.widget ? option.widget->style() : nullptr;
        if (style)
            size.setHeight(std::max(size.height(), style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget) + 2));
        return size;
    }

    // The whole item, not only its check box, answers a click.
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick)
            return QStyledItemDelegate::editorEvent(event, model, option, index);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::ItemFlags flags = model->flags(index);
        if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()) ||
            !(flags & Qt::ItemIsUserCheckable) || !(flags & Qt::ItemIsEnabled) ||
            !(option.state & QStyle::State_Enabled))
            return false;
        if (type == QEvent::MouseButtonRelease) {
            const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        }
        return true;
    }

    int widest = 0;  // pixels of the widest text, estimated
    QHash<char16_t, int> advances;
};

CheckList::CheckList(QWidget* parent) : QListWidget(parent), delegate_(new CheckListDelegate(this))
{
    setItemDelegate(delegate_);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setSelectionMode(QAbstractItemView::NoSelection);
}

QListWidgetItem* CheckList::newItem(const QString& text)
{
    auto* it = new QListWidgetItem(text);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    it->setCheckState(Qt::Unchecked);
    it->setToolTip(text);
    return it;
}

// At a fractional scale the style draws the right and bottom lines of the frame a device pixel
// inside the list, where the viewport and the scroll bar cover them: the frame is drawn on the
// list's outermost pixels instead.
bool CheckList::event(QEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (event->type() != QEvent::Paint || frameShape() == QFrame::NoFrame || ratio == std::floor(ratio))
        return QListWidget::event(event);
    QPainter painter(this);
    const QColor line = palette().color(QPalette::Mid);
    const int w = width(), h = height();
    for (const QRect& edge : {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(edge, line);
    return true;
}

void CheckList::setTexts(QStringList texts)
{
    texts.sort();
    clear();
    delegate_->widest = 0;
    for (const QString& t : texts)
        widen(t);
    // Items made whole before they join the list: no change is announced per item.
    for (const QString& t : texts)
        addItem(newItem(t));
}

void CheckList::insertText(const QString& text)
{
    if (!findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return;
    int at = 0;
    while (at < count() && item(at)->text() < text)
        ++at;
    widen(text);
    insertItem(at, newItem(text));
}

// Measuring every text would cost a second per 40,000 items; character advances, measured once
// each, add up to the text's width within a pixel or two.
void CheckList::widen(const QString& text)
{
    int width = 2;
    for (const QChar c : text) {
        auto it = delegate_->advances.constFind(c.unicode());
        if (it == delegate_->advances.cend())
            it = delegate_->advances.insert(c.unicode(), fontMetrics().horizontalAdvance(c));
        width += *it;
    }
    delegate_->widest = std::max(delegate_->widest, width);
}
