#include "frmSerch.h"

#include "CheckList.h"
#include "SearchConditions.h"
#include "SearchConditionsText.h"
#include "SearchRun.h"
#include "SerchHost.h"
#include "frmSerchText.h"

#include "platform/AppInfo.h"
#include "platform/Ui.h"
#include "platform/modFuncRim.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

frmSerch::frmSerch(SerchHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), host_(host)
{
    setObjectName(u"frmSerch"_s);
    setWindowTitle(frmSerchText::title());
    setModal(false);
    createControls();
    // Form_Load: the title bar cannot close the dialog, and every condition starts off.
    modFuncRim::fsubRemoveCloseMenu(this);
    fsubSetDefault();
    fsubToggleAll();
}

frmSerch::~frmSerch() = default;

// A governed control is enabled exactly when its switch is unchecked; "以下" also needs an upper
// bound, the second text a connector.
void frmSerch::fsubToggleRange(const Range& r)
{
    const bool on = !r.chk->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(r.lower), static_cast<QWidget*>(r.upper), static_cast<QWidget*>(r.sel),
                       static_cast<QWidget*>(r.lblLower)})
        w->setEnabled(on);
    r.lblUpper->setEnabled(on && r.upper->currentIndex() > 0);
}

void frmSerch::fsubToggleText(const Text& t)
{
    const bool on = !t.chk->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(t.txt1), static_cast<QWidget*>(t.connector), static_cast<QWidget*>(t.sel)})
        w->setEnabled(on);
    t.txt2->setEnabled(on && t.connector->currentIndex() > 0);
}

void frmSerch::fsubToggleAll()
{
    lstNo_->setEnabled(!chkNo_->isChecked());
    for (QCheckBox* box : {chkTypeCharacter_, chkTypeSpell_, chkTypeCommand_})
        box->setEnabled(!chkType_->isChecked());
    for (const Range& r : ranges_)
        fsubToggleRange(r);
    for (const Text& t : texts_)
        fsubToggleText(t);
    for (const List& l : lists_)
        l.lst->setEnabled(!l.chk->isChecked());
}

void frmSerch::fsubSetRangeItems(QComboBox* lower, QComboBox* upper, qint32 maximum)
{
    const qint32 m = std::clamp(maximum, 0, kBoundItemCap);
    QStringList numbers;
    numbers.reserve(m + 1);
    for (qint32 k = 0; k <= m; ++k)
        numbers.append(QString::number(k));
    lower->clear();
    upper->clear();
    upper->addItem(frmSerchText::noUpperBound());
    lower->addItems(numbers);
    upper->addItems(numbers);
    lower->setCurrentIndex(0);
    upper->setCurrentIndex(0);
}

qint32 frmSerch::plngInitialize()
{
    for (const Range& r : ranges_)
        fsubSetRangeItems(r.lower, r.upper, this->*r.maximum);
    return 0;
}

void frmSerch::fsubTakeSetup(const SearchSetup& setup, bool withLists)
{
    static_cast<SearchMaxima&>(*this) = setup;
    if (!withLists)
        return;
    for (const List& l : lists_)
        l.lst->setTexts(setup.*l.items);
}

void frmSerch::fsubShowCount(qint32 shown, qint32 total)
{
    lblShown_->setText(frmSerchText::shownOfTotal(shown, total));
}

void frmSerch::fsubSetDefault()
{
    chkNo_->setChecked(true);
    for (int i = 0; i < lstNo_->count(); ++i)
        lstNo_->item(i)->setCheckState(Qt::Unchecked);
    chkType_->setChecked(true);
    for (QCheckBox* box : {chkTypeCharacter_, chkTypeSpell_, chkTypeCommand_})
        box->setChecked(false);
    for (const Range& r : ranges_)
        r.chk->setChecked(true);
    for (const Text& t : texts_)
        t.chk->setChecked(true);
    for (const List& l : lists_)
        l.chk->setChecked(true);
    for (const Range& r : ranges_)
        r.sel->setCurrentIndex(0);
    for (const Text& t : texts_)
        t.connector->setCurrentIndex(0);
    for (const Text& t : texts_)
        t.sel->setCurrentIndex(0);
}

// The two buttons that start a run are its guard: other handlers may run between its rows. They
// stay taken until the outermost run ends, when a header sort ran one inside another.
qint32 frmSerch::plngSetSerch()
{
    if (runs_++ == 0) {
        OKButton_->setEnabled(false);
        cmdDefault_->setEnabled(false);
        OKButton_->setText(frmSerchText::applying());
    }
    host_.fsubGridShown(false);
    applySearch(fsubGetConditions(), host_.serchGrid(), host_.serchUi());
    host_.fsubGridShown(true);
    if (--runs_ == 0) {
        OKButton_->setText(frmSerchText::apply());
        OKButton_->setEnabled(true);
        cmdDefault_->setEnabled(true);
    }
    return 0;
}

void frmSerch::OKButton_Click()
{
    plngSetSerch();
    hide();
    pSortFlag = 1;
}

void frmSerch::cmdDefault_Click()
{
    fsubSetDefault();
    plngSetSerch();
    hide();
    pSortFlag = 0;
}

void frmSerch::CancelButton_Click() { hide(); }

void frmSerch::cmdSaveConditions_Click()
{
    Ui& ui = host_.serchUi();
    const QString path = ui.chooseSaveFile(frmSerchText::conditionsFilter());
    if (path.isEmpty())
        return;
    const WriteResult written = fsubGetConditions().writeFile(path);
    if (!written.ok())
        ui.messageBox(frmSerchText::saveFailedMessage(path, written.reason()), AppInfo::appTitle(), MsgIcon::Error,
                      MsgButtons::Ok);
}

// Sets the controls as the companion's --where reads the file; applying stays the user's.
void frmSerch::cmdLoadConditions_Click()
{
    Ui& ui = host_.serchUi();
    const QString path = ui.chooseOpenFile(frmSerchText::conditionsFilter());
    if (path.isEmpty())
        return;
    ConditionsRefusal refusal;
    const std::optional<SearchConditions> read = SearchConditions::readFile(path, refusal);
    if (!read) {
        ui.messageBox(frmSerchText::loadFailedMessage(path, SearchConditionsText::refusal(refusal)),
                      AppInfo::appTitle(), MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    fsubSetConditions(*read);
}
