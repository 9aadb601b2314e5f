#include "QtMessageBox.h"

#include <QApplication>

namespace zornalit {

std::unique_ptr<QMessageBox> QtMessageBox::build(
    const QString& prompt, MessageStyle style, const QString& title, QWidget* parent)
{
    const QMessageBox::Icon icon = style == MessageStyle::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
    auto box = std::make_unique<QMessageBox>(icon, title, prompt, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    return box;
}

void QtMessageBox::show(const QString& prompt, MessageStyle style, const QString& title)
{
    const auto box = build(prompt, style, title, QApplication::activeWindow());
    box->exec();
}

} // namespace zornalit
