#include "mdlMain.h"

#include "FontSetup.h"
#include "frmTessarin.h"

#include "platform/CommandLine.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace mdlMain {

int Main(QApplication& app)
{
    registerFontSubstitutions();
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    frmTessarin form;
    Limits& limits = form.state().limits;
    limits.glngDeckLimit = 50;
    limits.glngSideLimit = 10;
    limits.glngCopyLimit = 3;
    if (!form.Form_Load())
        return 1;
    form.show();

    QString commandLine = commandLineText(QCoreApplication::arguments());
    if (!commandLine.isEmpty())
        QTimer::singleShot(0, &form, [&form, commandLine]() mutable { form.plngOpenFile(commandLine); });
    return app.exec();
}

}  // namespace mdlMain
