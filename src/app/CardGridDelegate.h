#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Draws the step-button cells of the card grid as push buttons and turns a press on one into a
// button event. Every press counts, the second half of a double click included, so that fast
// clicking loses nothing. No widget per cell.
class CardGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit CardGridDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // A button held down from the keyboard looks pressed until released.
    void holdButton(const QModelIndex& index);
    // The mouse button went up somewhere: no button looks pressed any more.
    void releaseButton();
    QModelIndex pressedIndex() const { return pressed_; }

  Q_SIGNALS:
    void buttonPressed(const QModelIndex& index);
    void repaintNeeded(const QModelIndex& index);

  private:
    static bool isButton(const QModelIndex& index);

    QPersistentModelIndex pressed_;
};
