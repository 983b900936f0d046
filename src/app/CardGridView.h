#pragma once

#include "deck/CardGrid.h"

#include <QBasicTimer>
#include <QTableView>

class CardGridDelegate;
class CardGridModel;

// The card grid on screen, "fpsCardList". It shows a CardGrid through CardGridModel and raises the
// grid's events with 1-based grid columns and grid rows, whatever rows are hidden or sorted.
class CardGridView : public QTableView {
    Q_OBJECT
  public:
    explicit CardGridView(CardGrid& grid, QWidget* parent = nullptr);
    ~CardGridView() override;

    CardGrid& grid() { return grid_; }
    CardGridModel* cardModel() const { return model_; }
    CardGridDelegate* buttonDelegate() const { return delegate_; }

    // Column hidden flags as the grid has them.
    void syncColumns();
    // Selects a block of grid cells in the grid and on screen; hidden rows of the block stay out.
    void selectGridBlock(qint32 col1, qint32 row1, qint32 col2, qint32 row2);
    void clearGridSelection();
    // Hidden while a run changes many rows, so they are not drawn one by one. Hides nest: the
    // outermost end shows the grid again, its changed rows announced first, with the focus it had.
    void setHiddenForChanges(bool hidden);

  Q_SIGNALS:
    void ButtonClicked(qint32 Col, qint32 Row, qint16 ButtonDown);
    void Click(qint32 Col, qint32 Row);
    void DblClick(qint32 Col, qint32 Row);
    void LeaveCell(qint32 Col, qint32 Row, qint32 NewCol, qint32 NewRow, bool* Cancel);
    void KeyDown(int KeyCode, int Shift);
    // The context menu was asked for on a card row: right button, the menu key or Shift+F10.
    void ContextMenu(qint32 Row, const QPoint& globalPos);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void applyColumnWidths();
    void restoreAfterReset();
    void applyGridSelection();
    void setCurrentQuietly(const QModelIndex& index);
    qint32 gridRowOf(const QModelIndex& index) const;
    void pressHeldButton();
    void settleSpaceRelease();

    CardGrid& grid_;
    CardGridModel* model_;
    CardGridDelegate* delegate_;
    bool quiet_ = false; // the current cell moves by our own hand: no LeaveCell
    QPersistentModelIndex spaceDown_; // the step button Space holds down
    QBasicTimer spaceRelease_;        // a release of Space not yet told from auto-repeat
    quint64 spaceReleasedAt_ = 0;     // its timestamp
    int changeHides_ = 0;             // nested hides: a header sort may run the filter inside its own
    bool focusBeforeHide_ = false;
};
