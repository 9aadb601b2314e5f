#include "ProgramEntry.h"

#include "AccessibleControls.h"
#include "AfterFirstPaint.h"
#include "Fonts.h"
#include "Form1.h"
#include "PlatformStartGuard.h"
#include "QtTranslation.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QTranslator>

#include <optional>

namespace zornalit {

int runProgram(int& argc, char** argv, const std::function<void(Form1&)>& afterShow)
{
    std::optional<PlatformStartGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard.reset();
    QTranslator qtWords;
    installQtCatalogue(qtWords);
    installFontSubstitutes();
    installAccessibleControls();
    QtPlatform services;
    Form1 window(services.platform());
    window.loadForFirstPaint();
    window.placeAtScreenCentre();
    window.show();
    runAfterFirstPaint(window, [&window] { window.loadDocumentButtonPictures(); });
    if (afterShow)
        afterShow(window);
    return QApplication::exec();
}

} // namespace zornalit
