// The floor: a bare Qt program that shows a window of the main window's size
// drawing one line of text in Times New Roman, stopped at its first paint.
// Any window with text pays at least this much for fonts.

#include "FirstPaintClock.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class OneLineWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(QFont(QStringLiteral("Times New Roman"), 12));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Зорналит — справочник неисправностей"));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    OneLineWindow window;
    return zornalit::bench::runBareWindow(window);
}
