#include "Form2.h"

#include "Artwork.h"
#include "ClassicLook.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "Twips.h"

namespace zornalit {

namespace {

// The title bar stays blank. Qt on X11 shows the program's file name in
// place of an empty title, so the title is a single space instead.
const QString blankTitle = QStringLiteral(" ");

} // namespace

// An ordinary window, not a dialog of the main window: a dialog would be
// marked as belonging to another window, and window managers would centre
// it on that window or on the screen.
Form2::Form2()
    : QDialog(nullptr, Qt::Window)
    , Picture1(new PictureBox(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(blankTitle);
    // A screen reader needs a name where the title bar shows none.
    setAccessibleName(QStringLiteral("О программе"));
    setWindowIcon(artwork::windowIcon());
    setFont(controlFont());
    setFixedSize(rectFromTwips(0, 0, 4830, 6255).size());
    setWindowModality(Qt::ApplicationModal);

    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Картинка «О программе»"));
    Picture1->setGeometry(rectFromTwips(0, 0, 4815, 6255));
    // The only control: nothing to move the focus to, so no focus mark over
    // the picture.
    Picture1->setFocusPolicy(Qt::NoFocus);
    giveClassicLook(this);
}

void Form2::setPicture(const QImage& image)
{
    Picture1->setImage(image);
}

void Form2::showModal()
{
    exec();
}

// A dialog centres itself over its owner or the screen when first shown;
// this window is left where the desktop puts it.
void Form2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
}

} // namespace zornalit
