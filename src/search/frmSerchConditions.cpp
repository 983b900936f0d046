#include "CheckList.h"
#include "SearchConditions.h"
#include "SearchFields.h"
#include "frmSerch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

QStringList checkedTexts(const QListWidget* lst)
{
    QStringList out;
    for (int i = 0; i < lst->count(); ++i)
        if (lst->item(i)->checkState() == Qt::Checked)
            out.append(lst->item(i)->text());
    return out;
}

// A text the list lacks joins it in its sorted place.
void checkTexts(CheckList* lst, const QStringList& texts)
{
    for (const QString& t : texts)
        lst->insertText(t);
    for (int i = 0; i < lst->count(); ++i)
        lst->item(i)->setCheckState(texts.contains(lst->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
}

// Bound items are "0", "1", … in numeric order, after the upper list's "-".
void selectBound(QComboBox* list, const QString& text)
{
    int at = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at < 0) {
        const qint64 value = text.toLongLong();
        at = 0;
        while (at < list->count() && (list->itemText(at).toLongLong() < value || list->itemText(at) == u"-"))
            ++at;
        list->insertItem(at, text);
    }
    list->setCurrentIndex(at);
}

}  // namespace

SearchConditions frmSerch::fsubGetConditions() const
{
    SearchConditions c;
    c.chkNo = chkNo_->isChecked();
    for (int i = 0; i < SearchConditions::kSetItems && i < lstNo_->count(); ++i)
        c.lstNo[size_t(i)] = lstNo_->item(i)->checkState() == Qt::Checked;
    c.chkType = chkType_->isChecked();
    c.chkTypeCharacter = chkTypeCharacter_->isChecked();
    c.chkTypeSpell = chkTypeSpell_->isChecked();
    c.chkTypeCommand = chkTypeCommand_->isChecked();
    for (const Range& r : ranges_) {
        const SearchFields::Range& f = *r.field;
        c.*f.chk = r.chk->isChecked();
        c.*f.lower = r.lower->currentText();
        c.*f.upper = r.upper->currentText();
        c.*f.selector = r.sel->currentIndex();
    }
    for (const Text& t : texts_) {
        const SearchFields::Text& f = *t.field;
        c.*f.chk = t.chk->isChecked();
        c.*f.text1 = t.txt1->text();
        c.*f.connector = t.connector->currentIndex();
        c.*f.text2 = t.txt2->text();
        c.*f.selector = t.sel->currentIndex();
    }
    for (const List& l : lists_) {
        c.*l.field->chk = l.chk->isChecked();
        c.*l.field->items = checkedTexts(l.lst);
    }
    return c;
}

void frmSerch::fsubSetConditions(const SearchConditions& c)
{
    chkNo_->setChecked(c.chkNo);
    for (int i = 0; i < SearchConditions::kSetItems && i < lstNo_->count(); ++i)
        lstNo_->item(i)->setCheckState(c.lstNo[size_t(i)] ? Qt::Checked : Qt::Unchecked);
    chkType_->setChecked(c.chkType);
    chkTypeCharacter_->setChecked(c.chkTypeCharacter);
    chkTypeSpell_->setChecked(c.chkTypeSpell);
    chkTypeCommand_->setChecked(c.chkTypeCommand);
    for (const Range& r : ranges_) {
        const SearchFields::Range& f = *r.field;
        r.chk->setChecked(c.*f.chk);
        selectBound(r.lower, c.*f.lower);
        selectBound(r.upper, c.*f.upper);
        r.sel->setCurrentIndex(c.*f.selector);
    }
    for (const Text& t : texts_) {
        const SearchFields::Text& f = *t.field;
        t.chk->setChecked(c.*f.chk);
        t.txt1->setText(c.*f.text1);
        t.connector->setCurrentIndex(c.*f.connector);
        t.txt2->setText(c.*f.text2);
        t.sel->setCurrentIndex(c.*f.selector);
    }
    for (const List& l : lists_) {
        l.chk->setChecked(c.*l.field->chk);
        checkTexts(l.lst, c.*l.field->items);
    }
}
