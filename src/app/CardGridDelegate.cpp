#include "CardGridDelegate.h"

#include "CardGridModel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

CardGridDelegate::CardGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

bool CardGridDelegate::isButton(const QModelIndex& index)
{
    return index.isValid() && CardGridModel::isButtonColumn(index.column() + 1);
}

void CardGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!isButton(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(1, 1, -1, -1);
    button.text = index.data(Qt::DisplayRole).toString();
    button.palette = option.palette;
    button.fontMetrics = option.fontMetrics;
    button.direction = option.direction;
    button.state = option.state & QStyle::State_Enabled;
    button.state |= (pressed_.isValid() && pressed_ == index) ? QStyle::State_Sunken : QStyle::State_Raised;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
}

bool CardGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (!isButton(index))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A double click arrives as press, release, double click: the double click is the second press.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        pressed_ = index;
        Q_EMIT repaintNeeded(index);
        Q_EMIT buttonPressed(index);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        releaseButton();
        return true;
    default:
        return false;
    }
}

void CardGridDelegate::holdButton(const QModelIndex& index)
{
    releaseButton();
    pressed_ = index;
    Q_EMIT repaintNeeded(index);
}

void CardGridDelegate::releaseButton()
{
    if (!pressed_.isValid())
        return;
    const QModelIndex was = pressed_;
    pressed_ = QPersistentModelIndex();
    Q_EMIT repaintNeeded(was);
}
