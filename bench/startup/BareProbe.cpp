// The yardstick: a bare Qt program that shows an empty window of the main
// window's size, stopped at its first paint.

#include "FirstPaintClock.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Зорналит"));
    window.setFixedSize(468, 327);
    window.installEventFilter(new zornalit::bench::FirstPaintClock(&window));
    window.show();
    return QApplication::exec();
}
