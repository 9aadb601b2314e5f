#include "ProgramEntry.h"

#include "AccessibleControls.h"
#include "AfterFirstPaint.h"
#include "Artwork.h"
#include "Fonts.h"
#include "Form1.h"
#include "PlatformStartGuard.h"
#include "ProgramLeftovers.h"
#include "QtTranslation.h"
#include "platform/ExecutableFolder.h"
#include "platform/bus/EarlySessionBus.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace zornalit {

int runProgram(int& argc, char** argv, const std::function<void(Form1&)>& afterShow)
{
    // Without its own folder the program has no files to work on, and any
    // other folder would be the wrong one: it says so before any window.
    const ExecutableFolder folder = findExecutableFolder();
    if (!folder.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", QStringLiteral("Зорналит: %1.").arg(folder.problem).toLocal8Bit().constData());
        return 1;
    }
    const bool busMayOpen = EarlySessionBus::turnAwayFromSilentBus();
    std::optional<PlatformStartGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard.reset();
    const EarlySessionBus bus(busMayOpen);
    QTranslator qtWords;
    installQtCatalogue(qtWords);
    installFontSubstitutes();
    installAccessibleControls();
    QtPlatform services(folder.path);
    // What building the window needs is loaded before the first control is
    // named, and so while the session bus opens.
    loadTextBoxFonts();
    artwork::loadIconEngine();
    Form1 window(services.platform());
    const QString coverProblem = window.loadCoverFirst();
    window.placeAtScreenCentre();
    window.show();
    runAfterFirstPaint(window, [&window, coverProblem] { window.loadAfterFirstPaint(coverProblem); });
    runAfterFirstPaint(window, [&services] { startRemovingProgramLeftovers(services.platform().folder); });
    if (afterShow)
        afterShow(window);
    return QApplication::exec();
}

} // namespace zornalit
