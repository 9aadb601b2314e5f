// The About window: its look, its modal showing and the reload of its
// picture after every showing.

#include "MainWindowFixture.h"

#include "app/Form2.h"

#include <QLineEdit>
#include <QPushButton>

namespace zornalit::testing {
namespace {

class AboutWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fake.bitmaps.images.insert(aboutPath, firstPicture);
        startUp();
        showActive();
        tabs()->setCurrentIndex(7);
        button = control<QPushButton>(QStringLiteral("Command8"));
    }

    int aboutLoads() const { return static_cast<int>(fake.bitmaps.loaded.count(aboutPath)); }

    static QImage picture(QColor colour, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    const QString aboutPath = testing::programFile("About.bmp");
    const QImage firstPicture = picture(Qt::red, QSize(300, 400));
    QPushButton* button = nullptr;
};

TEST_F(AboutWindow, LooksAsDesignedWhileShown)
{
    bool seen = false;
    whenModalShown([&](QWidget* modal) {
        seen = true;
        EXPECT_EQ(modal, aboutWindow());
        EXPECT_EQ(modal->objectName(), QStringLiteral("Form2"));
        EXPECT_TRUE(modal->windowTitle().trimmed().isEmpty());
        EXPECT_FALSE(modal->windowIcon().isNull());
        EXPECT_EQ(modal->size(), QSize(322, 417));
        EXPECT_EQ(modal->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(modal->parentWidget(), nullptr);
        auto* box = modal->findChild<QWidget*>(QStringLiteral("Picture1"));
        EXPECT_NE(box, nullptr);
        if (box) {
            EXPECT_EQ(box->geometry(), QRect(0, 0, 321, 417));
        }
        EXPECT_EQ(aboutPicture(), firstPicture);
        modal->close();
    });
    button->click();
    EXPECT_TRUE(seen);
}

TEST_F(AboutWindow, EscapeClosesItAndThePictureIsLoadedAnewForTheNextShowing)
{
    const QImage replaced = picture(Qt::blue, QSize(50, 60));
    whenModalShown([&](QWidget* modal) {
        // The file changes while the window is up; the showing keeps the old picture.
        fake.bitmaps.images.insert(aboutPath, replaced);
        EXPECT_EQ(aboutPicture(), firstPicture);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    button->click();

    ASSERT_NE(aboutWindow(), nullptr);
    EXPECT_FALSE(aboutWindow()->isVisible());
    EXPECT_EQ(aboutLoads(), 2);
    EXPECT_EQ(aboutPicture(), replaced);
}

TEST_F(AboutWindow, AMissingPictureShowsAnEmptyWindowNextTime)
{
    whenModalShown([&](QWidget* modal) {
        fake.bitmaps.images.remove(aboutPath);
        modal->close();
    });
    button->click();
    EXPECT_TRUE(aboutPicture().isNull());

    bool seen = false;
    whenModalShown([&](QWidget* modal) {
        seen = true;
        EXPECT_TRUE(aboutPicture().isNull());
        modal->close();
    });
    button->click();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(AboutWindow, EveryShowingFindsThePictureAndTheMainWindowIsUnchangedAfterwards)
{
    auto* segment = control<QLineEdit>(QStringLiteral("Segm"));
    segment->setText(QStringLiteral("12"));
    for (int showing = 1; showing <= 5; ++showing) {
        bool seen = false;
        whenModalShown([&](QWidget* modal) {
            seen = true;
            EXPECT_EQ(aboutPicture(), firstPicture) << showing;
            modal->close();
        });
        button->click();
        EXPECT_TRUE(seen) << showing;
        EXPECT_EQ(aboutLoads(), showing + 1);
    }
    EXPECT_EQ(tabs()->currentIndex(), 7);
    EXPECT_EQ(segment->text(), QStringLiteral("12"));
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

TEST_F(AboutWindow, TheMainWindowTakesNoInputWhileItIsShown)
{
    // Input goes through the window system, as a user's would.
    whenModalShown([&](QWidget* modal) {
        const QPoint onTab = tabs()->mapTo(form.get(), tabs()->tabRect(1).center());
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, onTab);
        QTest::keyClick(form->windowHandle(), Qt::Key_Right);
        modal->close();
    });
    button->click();
    EXPECT_EQ(tabs()->currentIndex(), 7);
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

} // namespace
} // namespace zornalit::testing
