#include "ClassicLook.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace zornalit {

namespace {

// One style for both windows, made on first use and owned by the
// application, so it goes when the application goes.
QStyle* classicStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style)
            style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

void giveClassicLook(QWidget* window)
{
    QStyle* style = classicStyle();
    if (!style)
        return;
    // A widget's style does not pass to its children by itself.
    window->setStyle(style);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->setStyle(style);
}

} // namespace zornalit
