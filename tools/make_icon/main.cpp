// Makes the program's Windows icon from its drawing:
//   make_icon icon.svg zornalit.ico
// Run by the build; prints a Russian message and ends with 1 on failure.

#include "tools/make_icon/IcoFile.h"
#include "tools/make_icon/IconImages.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

int failure(const QString& message)
{
    std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs no screen: the build may run where none is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3)
        return failure(QStringLiteral("Использование: make_icon рисунок.svg значок.ico"));

    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Не удалось прочитать рисунок «%1»: %2").arg(arguments[1], source.errorString()));
    const QByteArray ico = zornalit::icon::icoFile(zornalit::icon::iconImages(source.readAll()));
    if (ico.isEmpty())
        return failure(QStringLiteral("В файле «%1» нет рисунка SVG, из которого можно сделать значок.").arg(arguments[1]));

    QSaveFile target(arguments[2]);
    if (!target.open(QIODevice::WriteOnly) || target.write(ico) != ico.size() || !target.commit())
        return failure(QStringLiteral("Не удалось записать значок «%1»: %2").arg(arguments[2], target.errorString()));
    return 0;
}
