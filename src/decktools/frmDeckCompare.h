#pragma once

#include "deckfile/DeckComparison.h"

#include <QWidget>

#include <functional>
#include <memory>

class DeckTableModel;
class QLabel;
class QTableView;
struct EditorState;

// "デッキを比較": the cards whose counts differ between the deck on screen and a deck file opened
// aside, with the totals per type, in catalogue order. The other deck is kept, so a change on
// screen is compared again.
class frmDeckCompare : public QWidget {
    Q_OBJECT
public:
    explicit frmDeckCompare(const EditorState& state, QWidget* parent = nullptr);
    ~frmDeckCompare() override;

    // The deck the file at path gave, opened aside as the editor opens it.
    void setOther(std::unique_ptr<EditorState> other, const QString& path);
    // Compares again with the deck on screen as it is now.
    void refresh();
    const DeckComparison& comparison() const { return comparison_; }
    // The button that chooses another file.
    std::function<void()> chooseOther;

private:
    const EditorState& state_;
    std::unique_ptr<EditorState> other_;
    DeckComparison comparison_;
    QLabel *this_, *otherName_, *summary_;
    QTableView* table_;
    DeckTableModel* model_;
};
