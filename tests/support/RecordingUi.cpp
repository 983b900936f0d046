#include "RecordingUi.h"

using namespace Qt::StringLiterals;

MsgResult RecordingUi::messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
{
    messages.append({text, title, icon, buttons});
    return answers.isEmpty() ? MsgResult::Ok : answers.takeFirst();
}

QString RecordingUi::chooseOpenFile(const QString& filter)
{
    openFilters << filter;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString RecordingUi::chooseSaveFile(const QString& filter)
{
    saveFilters << filter;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void RecordingUi::waitCreate()
{
    waitEvents << u"create"_s;
    waitOpen = true;
    waitShown = false;
}

void RecordingUi::waitShow()
{
    waitEvents << u"show"_s;
    waitShown = true;
}

void RecordingUi::waitClose()
{
    waitEvents << u"close"_s;
    waitOpen = false;
    waitShown = false;
}
