#pragma once

#include <QListWidget>

class CheckListDelegate;

// A list of check-marked items, as the search dialog's lists show them: a click anywhere on an
// item ticks or unticks it, and every item keeps its whole text (no "…"; a horizontal scroll bar
// when the widest is wider than the list, and the text as its tooltip).
class CheckList : public QListWidget {
public:
    explicit CheckList(QWidget* parent = nullptr);

    // An item of such a list, unchecked.
    static QListWidgetItem* newItem(const QString& text);

    // The items replaced by texts, sorted, unchecked.
    void setTexts(QStringList texts);
    // An item for text in its sorted place, unless the list holds one already.
    void insertText(const QString& text);

protected:
    bool event(QEvent* event) override;

private:
    void widen(const QString& text);

    CheckListDelegate* delegate_;
};
