// The yardstick: a bare Qt program that shows an empty window of the main
// window's size, stopped at its first paint.

#include "FirstPaintClock.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    return zornalit::bench::runBareWindow(window);
}
