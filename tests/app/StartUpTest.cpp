// Start-up loads the pictures in order and fills the step codes; closing
// the main window ends the program.

#include "MainWindowFixture.h"

#include "app/Form2.h"
#include "app/PictureBox.h"
#include "app/PictureButton.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace zornalit::testing {
namespace {

const QStringList pictureFiles{
    "Обложка.bmp",
    "About.bmp",
    "Фото.bmp",
    "Форум КВАНТ.bmp",
    "Сайт КВАНТ.bmp",
    "КВАНТ.bmp",
    "Обложка1.bmp",
    "Обложка1.bmp",
    "Обложка1.bmp",
    "Обложка1.bmp",
    "Обложка1.bmp",
    "Обложка1.bmp",
};

// What the fakes record when every picture is read, in order.
QStringList allPictureReads()
{
    QStringList reads;
    for (const QString& name : pictureFiles)
        reads << QStringLiteral("bitmap ") + programFile(name);
    return reads;
}

// A small picture that tells the files apart by its size.
QImage pictureNumbered(int number)
{
    QImage image(10 + number, 5 + number, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(number * 30 % 360, 200, 200));
    return image;
}

class StartUp : public MainWindowTest {
protected:
    void givePictures()
    {
        int number = 0;
        for (const QString& name : pictureFiles)
            fake.bitmaps.images.insert(fake.path(name), pictureNumbered(++number));
    }

    QImage shownBy(const char* name) const
    {
        if (auto* box = form->findChild<PictureBox*>(QString::fromLatin1(name)))
            return box->image();
        if (auto* button = form->findChild<PictureButton*>(QString::fromLatin1(name)))
            return button->image();
        ADD_FAILURE() << "no picture control " << name;
        return {};
    }
};

TEST_F(StartUp, LoadsEachPictureInOrder)
{
    startUp();

    const QStringList expected = allPictureReads();
    EXPECT_EQ(fake.journal, expected);
}

TEST_F(StartUp, EveryControlShowsItsOwnFile)
{
    givePictures();
    startUp();
    const auto picture = [&](const QString& name) { return fake.bitmaps.images.value(fake.path(name)); };

    ASSERT_NE(aboutWindow(), nullptr);
    EXPECT_EQ(aboutPicture(), picture("About.bmp"));
    EXPECT_EQ(shownBy("Picture1"), picture("Фото.bmp"));
    EXPECT_EQ(shownBy("Picture4"), picture("Форум КВАНТ.bmp"));
    EXPECT_EQ(shownBy("Picture3"), picture("Сайт КВАНТ.bmp"));
    EXPECT_EQ(shownBy("Picture2"), picture("КВАНТ.bmp"));
    EXPECT_EQ(shownBy("Picture5"), picture("Обложка.bmp"));
    for (const char* button : {"Command3", "Command4", "Command5", "Command6", "Command7", "Command9"})
        EXPECT_EQ(shownBy(button), picture("Обложка1.bmp")) << button;
}

TEST_F(StartUp, TheFirstPaintHasItsCoverAndTheButtonsFollowInTheSameOrder)
{
    givePictures();
    const QString coverProblem = form->loadCoverFirst();
    EXPECT_EQ(shownBy("Picture5"), fake.bitmaps.images.value(fake.path("Обложка.bmp")));
    EXPECT_TRUE(shownBy("Command3").isNull());

    form->loadAfterFirstPaint(coverProblem);
    const QStringList expected = allPictureReads();
    EXPECT_EQ(fake.journal, expected);
    EXPECT_FALSE(shownBy("Command9").isNull());
}

TEST_F(StartUp, AProgramStartShowsTheCoverFirstAndTellsOfMissingPicturesInTheUsualOrder)
{
    givePictures();
    for (const QString name : {"About.bmp", "Обложка.bmp", "Обложка1.bmp"})
        fake.bitmaps.images.remove(fake.path(name));

    const QString coverProblem = form->loadCoverFirst();
    EXPECT_FALSE(coverProblem.isEmpty());
    EXPECT_EQ(fake.journal, QStringList{QStringLiteral("bitmap ") + programFile("Обложка.bmp")});
    EXPECT_TRUE(fake.bitmaps.reported.isEmpty());
    EXPECT_EQ(aboutWindow(), nullptr);

    form->loadAfterFirstPaint(coverProblem);
    QStringList told{programFile("About.bmp"), programFile("Обложка.bmp")};
    for (int button = 0; button < 6; ++button)
        told << programFile("Обложка1.bmp");
    EXPECT_EQ(fake.bitmaps.reported, told);
    EXPECT_EQ(shownBy("Picture3"), fake.bitmaps.images.value(fake.path("Сайт КВАНТ.bmp")));
    EXPECT_NE(aboutWindow(), nullptr);
}

TEST_F(StartUp, AProgramStartTellsNothingOfACoverThatLoaded)
{
    givePictures();
    const QString coverProblem = form->loadCoverFirst();
    EXPECT_TRUE(coverProblem.isEmpty());
    EXPECT_EQ(shownBy("Picture5"), fake.bitmaps.images.value(fake.path("Обложка.bmp")));

    form->loadAfterFirstPaint(coverProblem);
    EXPECT_TRUE(fake.bitmaps.reported.isEmpty());
    EXPECT_EQ(shownBy("Picture1"), fake.bitmaps.images.value(fake.path("Фото.bmp")));
}

TEST_F(StartUp, OpensNoDocumentShowsNoMessageAndKeepsTheAboutWindowHidden)
{
    startUp();
    form->show();
    QApplication::processEvents();
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    ASSERT_NE(aboutWindow(), nullptr);
    EXPECT_FALSE(aboutWindow()->isVisible());
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(StartUp, MissingPicturesLeaveEmptyControlsAndStartUpGoesOn)
{
    givePictures();
    fake.bitmaps.images.remove(fake.path("About.bmp"));
    fake.bitmaps.images.remove(fake.path("Форум КВАНТ.bmp"));
    fake.bitmaps.images.remove(fake.path("Обложка1.bmp"));
    startUp();

    EXPECT_EQ(fake.bitmaps.loaded.size(), pictureFiles.size());
    EXPECT_TRUE(aboutPicture().isNull());
    EXPECT_TRUE(shownBy("Picture4").isNull());
    EXPECT_TRUE(shownBy("Command9").isNull());
    EXPECT_FALSE(shownBy("Picture3").isNull());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(StartUp, TheLookupRightAfterStartUpKnowsAllStepCodes)
{
    startUp();
    control<QLineEdit>(QStringLiteral("Segm"))->setText(QStringLiteral("7"));
    control<QLineEdit>(QStringLiteral("Sag"))->setText(QStringLiteral("1f"));
    control<QPushButton>(QStringLiteral("Command2"))->click();
    // No database in the folder: the step passed validation, so the lookup
    // went on to read it.
    EXPECT_TRUE(fake.journal.contains(QStringLiteral("read ") + programFile("SEGM_WIN_ALL.txt")));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Sag"))->text(), QStringLiteral("1F"));
}

TEST_F(StartUp, TheWindowIsPlacedAtTheCentreOfItsScreen)
{
    form->placeAtScreenCentre();
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE((form->frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

class Shutdown : public StartUp {
protected:
    void SetUp() override
    {
        StartUp::SetUp();
        // Only the main window's own closing may end the run here.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override
    {
        QGuiApplication::setQuitOnLastWindowClosed(true);
        StartUp::TearDown();
    }

    // Serves events until the program is told to end; a watchdog ends the
    // wait with 99 if nothing does.
    int runUntilEnd()
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        return QApplication::exec();
    }
};

TEST_F(Shutdown, ClosingTheMainWindowEndsTheProgramAskingAndWritingNothing)
{
    givePictures();
    startUp();
    form->show();
    fake.journal.clear();
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    EXPECT_EQ(runUntilEnd(), 0);
    EXPECT_TRUE(fake.journal.isEmpty()) << fake.journal.join(QLatin1Char('\n'));
}

TEST_F(Shutdown, ClosingEndsTheProgramAlsoAfterTheAboutWindowWasShownManyTimes)
{
    startUp();
    form->show();
    auto* about = control<QPushButton>(QStringLiteral("Command8"));
    tabs()->setCurrentIndex(7);

    int showings = 0;
    std::function<void()> showOnce;
    showOnce = [&] {
        if (showings == 4) {
            form->close();
            return;
        }
        ++showings;
        whenModalShown([](QWidget* modal) { modal->close(); });
        about->click();
        QTimer::singleShot(0, form.get(), showOnce);
    };
    QTimer::singleShot(0, form.get(), showOnce);
    EXPECT_EQ(runUntilEnd(), 0);
    EXPECT_EQ(showings, 4);
    ASSERT_NE(aboutWindow(), nullptr);
    EXPECT_FALSE(aboutWindow()->isVisible());
}

} // namespace
} // namespace zornalit::testing
