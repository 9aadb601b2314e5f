#include "Form2.h"

#include "Artwork.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "Twips.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>

namespace zornalit {

namespace {

// The title bar stays blank. Qt on X11 shows the program's file name in
// place of an empty title, so the title is a single space instead.
const QString blankTitle = QStringLiteral(" ");

} // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , Picture1(new PictureBox(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(blankTitle);
    // A screen reader needs a name where the title bar shows none.
    setAccessibleName(QStringLiteral("О программе"));
    setWindowIcon(artwork::windowIcon());
    setFont(controlFont());
    setFixedSize(rectFromTwips(0, 0, 4830, 6255).size());

    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Картинка «О программе»"));
    Picture1->setGeometry(rectFromTwips(0, 0, 4815, 6255));
}

void Form2::setPicture(const QImage& image)
{
    Picture1->setImage(image);
}

QImage Form2::picture() const
{
    return Picture1->image();
}

void Form2::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (!isVisible())
        return;
    QEventLoop loop;
    connect(this, &Form2::closed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void Form2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form2::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Minimising reports a hide from the window system; only a real closing
    // or hiding ends the showing.
    if (!event->spontaneous())
        emit closed();
}

} // namespace zornalit
