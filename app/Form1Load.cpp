// Start-up: everything the run needs is prepared before the main window can
// be used; what only hidden tabs show comes right after its first paint.

#include "Form1.h"

#include "AboutPage.h"
#include "Form2.h"
#include "LinksPage.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "SegmentsPage.h"
#include "platform/qt/PictureLoad.h"

namespace zornalit {

// A picture that is missing or unreadable comes back empty (the loader has
// said so on the error output); its control stays empty and start-up goes on.
QImage Form1::loadImage(const QString& fileName) const
{
    return loadPicture(m_platform.bitmaps, m_platform.folder.fileNamed(fileName));
}

// The About window exists, hidden, from start-up on; each preparation gives
// it its picture anew, read from the file as it is now.
void Form1::prepareAboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<Form2>();
    m_aboutWindow->setPicture(loadImage(Form2::pictureFile));
}

// The pictures of the About window, the About tab and the links tab, all
// hidden at start; a failure among them is told before the cover's.
void Form1::loadAboutAndLinkPictures()
{
    prepareAboutWindow();
    m_aboutPage->photo()->setImage(loadImage(AboutPage::photoFile));
    m_linksPage->forumPicture()->setImage(loadImage(LinksPage::forumPictureFile));
    m_linksPage->sitePicture()->setImage(loadImage(LinksPage::sitePictureFile));
    m_linksPage->exchangePhoto()->setImage(loadImage(LinksPage::exchangePhotoFile));
}

QString Form1::loadCoverFirst()
{
    QString problem;
    m_segmentsPage->cover()->setImage(
        m_platform.bitmaps.loadUnreported(m_platform.folder.fileNamed(SegmentsPage::coverFile), problem));
    return problem;
}

void Form1::loadAfterFirstPaint(const QString& coverProblem)
{
    loadAboutAndLinkPictures();
    if (!coverProblem.isEmpty())
        m_platform.bitmaps.report(m_platform.folder.fileNamed(SegmentsPage::coverFile), coverProblem);
    loadDocumentButtonPictures();
}

// The document buttons lie on tabs that are hidden at start; their pictures
// are the last files read, so reading them later changes no order.
void Form1::loadDocumentButtonPictures()
{
    // Each button reads the file for itself.
    for (const DocumentButton& document : std::as_const(m_documentButtons))
        document.button->setImage(loadImage(DocumentButton::pictureFile));
}

} // namespace zornalit
