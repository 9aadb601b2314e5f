// What each button, link and text box of the main window does, through the
// recording platform.

#include "MainWindowFixture.h"

#include "app/LinkAddresses.h"
#include "extras/FreeTextClick.h"
#include "lookup/QueryInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zornalit::testing {
namespace {

using Handlers = MainWindowTest;

QByteArray windows1251(const char* utf8)
{
    // The sample database line below only needs the four header letters.
    QByteArray bytes = QByteArray(utf8);
    bytes.replace("СЕГМ", "\xD1\xC5\xC3\xCC");
    return bytes;
}

TEST_F(Handlers, ArrowButtonRunsTheLookupOnTheBoxesAndWritesThemBack)
{
    startUp();
    fake.files.contents.insert(fake.path("SEGM_WIN_ALL.txt"), windows1251("title\r\nСЕГМ 5.3.\r\nbody\r\n@\r\n"));
    control<QLineEdit>(QStringLiteral("Segm"))->setText(QStringLiteral("05"));
    control<QLineEdit>(QStringLiteral("Sag"))->setText(QStringLiteral("07"));
    control<QPushButton>(QStringLiteral("Command2"))->click();

    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Segm"))->text(), QStringLiteral("5"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Sag"))->text(), QStringLiteral("7"));
    EXPECT_EQ(fake.viewer.opened, QStringList{fake.path("SegmInfo.txt")});
    EXPECT_EQ(fake.files.contents.value(fake.path("SegmInfo.txt")), windows1251("СЕГМ 5.3.\r\nbody\r\n"));
}

TEST_F(Handlers, ArrowButtonReportsABadQueryAndKeepsWhatNormalisationMade)
{
    startUp();
    control<QLineEdit>(QStringLiteral("Segm"))->setText(QStringLiteral("abc"));
    control<QLineEdit>(QStringLiteral("Sag"))->setText(QStringLiteral("1a"));
    QString segmentWhileShown;
    fake.messages.whileShown = [&](const ShownMessage&) {
        segmentWhileShown = control<QLineEdit>(QStringLiteral("Segm"))->text();
    };
    control<QPushButton>(QStringLiteral("Command2"))->click();

    ASSERT_EQ(fake.messages.shown.size(), 1);
    // The operator already sees what normalisation made while reading the message.
    EXPECT_EQ(segmentWhileShown, QStringLiteral("ABC"));
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Ошибка!"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Segm"))->text(), QStringLiteral("ABC"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Sag"))->text(), QStringLiteral("1a"));
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

TEST_F(Handlers, TheNotFoundMessageFindsTheBoxesNormalised)
{
    startUp();
    fake.files.contents.insert(fake.path("SEGM_WIN_ALL.txt"), QByteArray("no blocks\r\n"));
    control<QLineEdit>(QStringLiteral("Segm"))->setText(QStringLiteral("0c"));
    control<QLineEdit>(QStringLiteral("Sag"))->setText(QStringLiteral("0f"));
    QueryBoxes whileShown;
    fake.messages.whileShown = [&](const ShownMessage&) {
        whileShown = {
            control<QLineEdit>(QStringLiteral("Segm"))->text(), control<QLineEdit>(QStringLiteral("Sag"))->text()};
    };
    control<QPushButton>(QStringLiteral("Command2"))->click();

    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("СЕГМ C.F."));
    EXPECT_EQ(whileShown, (QueryBoxes{QStringLiteral("C"), QStringLiteral("F")}));
}

TEST_F(Handlers, DocumentButtonsOpenTheirDocumentsEveryTime)
{
    const QList<std::pair<const char*, const char*>> buttons{
        {"Command3", "TipOb.txt"},
        {"Command4", "MicroTest.txt"},
        {"Command5", "Obr_IT.txt"},
        {"Command6", "BG_VVK_YVP.txt"},
        {"Command7", "YSK.txt"},
        {"Command9", "YTP.txt"},
    };
    for (const auto& [name, document] : buttons) {
        fake.viewer.opened.clear();
        control<QPushButton>(QString::fromLatin1(name))->click();
        control<QPushButton>(QString::fromLatin1(name))->click();
        EXPECT_EQ(fake.viewer.opened, QStringList(2, fake.path(QString::fromLatin1(document)))) << name;
    }
}

TEST_F(Handlers, ReadmeButtonOpensTheReadmeAndThenGivesTheFreeTextBoxTheHint)
{
    const QWidget* freeText = control(QStringLiteral("Text1"));
    control<QPushButton>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(fake.viewer.opened, QStringList{fake.path("Readme.txt")});
    EXPECT_EQ(freeText->toolTip(), triggerHint());

    control<QPushButton>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(fake.viewer.opened.size(), 2);
    EXPECT_EQ(freeText->toolTip(), triggerHint());
}

TEST_F(Handlers, ReadmeButtonLeavesTheTooltipWhenNoEditorStarts)
{
    fake.viewer.failing = true;
    const QString before = control(QStringLiteral("Text1"))->toolTip();
    control<QPushButton>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(control(QStringLiteral("Text1"))->toolTip(), before);
    EXPECT_NE(before, triggerHint());
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].style, MessageStyle::Error);
}

TEST_F(Handlers, EachLinkAndItsPictureCopyTheCaptionAloneOverWhateverWasThere)
{
    showActive();
    tabs()->setCurrentIndex(6);
    const QList<std::pair<const char*, QString>> clicks{
        {"Label2", siteAddress},
        {"Picture3", siteAddress},
        {"Label3", forumAddress},
        {"Picture4", forumAddress},
    };
    for (const auto& [name, address] : clicks) {
        fake.clipboard.holdsImage = true;
        fake.clipboard.text = QStringLiteral("earlier");
        fake.journal.clear();
        clickAt(control(QString::fromLatin1(name)));
        EXPECT_FALSE(fake.clipboard.holdsImage) << name;
        EXPECT_TRUE(fake.clipboard.holdsText) << name;
        EXPECT_EQ(fake.clipboard.text, address) << name;
        EXPECT_EQ(fake.journal, (QStringList{"clipboard clear", "clipboard text " + address})) << name;
    }
}

TEST_F(Handlers, TheInstructionAndTheOtherLinksTabControlsCopyNothing)
{
    showActive();
    tabs()->setCurrentIndex(6);
    for (const char* name : {"Label4", "Picture2", "Frame1", "Frame2"})
        clickAt(control(QString::fromLatin1(name)), QPoint(3, 3));
    EXPECT_TRUE(fake.journal.isEmpty()) << fake.journal.join(QLatin1Char('\n'));
}

TEST_F(Handlers, ALinkPressedButReleasedOutsideCopiesNothing)
{
    showActive();
    tabs()->setCurrentIndex(6);
    QWidget* link = control(QStringLiteral("Label2"));
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(-20, 5));
    EXPECT_TRUE(fake.journal.isEmpty());
}

class FreeText : public Handlers {
protected:
    void SetUp() override
    {
        Handlers::SetUp();
        showActive();
        tabs()->setCurrentIndex(6);
        box = control<QLineEdit>(QStringLiteral("Text1"));
        fake.files.contents.insert(fake.path("statsa.dll"), "RIFF first");
        fake.files.contents.insert(fake.path("noven.dll"), "RIFF second");
        fake.journal.clear();
    }
    QLineEdit* box = nullptr;
};

TEST_F(FreeText, TheJokeTriggerShowsTheMessageThenPlaysBothCopiesAndRemovesThem)
{
    box->setText(QStringLiteral("5555555555555555"));
    clickAt(box);
    const QString ostatsa = fake.path("Ostatsa.wav");
    const QString mgnoven = fake.path("Mgnoven.wav");
    const QStringList expected{
        "message 0: Фронтальная проверка :-( | Chtirliz, und wo Sie bewahren die Instruktion N 9?! Wo die "
        "Instruktionen "
        "N 10 und N 2?!! Chtirliz, und warum bei Ihnen auf den Stirnen ist die Inventarzimmer nicht bezeichnet?!!!",
        "read " + fake.path("statsa.dll"),
        "replace " + ostatsa,
        "read " + fake.path("noven.dll"),
        "replace " + mgnoven,
        "sound open " + ostatsa,
        "sound play",
        "sound close",
        "sound open " + mgnoven,
        "sound play",
        "sound close",
        "remove " + ostatsa,
        "remove " + mgnoven,
    };
    EXPECT_EQ(fake.journal, expected);
    EXPECT_EQ(box->text(), QStringLiteral("5555555555555555"));
    EXPECT_FALSE(fake.files.exists(ostatsa));
    EXPECT_FALSE(fake.files.exists(mgnoven));
}

TEST_F(FreeText, TheCreditTriggerBecomesTheCreditLineOnce)
{
    box->setText(QStringLiteral("Сыщик?"));
    clickAt(box);
    const QString credit = box->text();
    EXPECT_NE(credit, QStringLiteral("Сыщик?"));
    EXPECT_TRUE(credit.contains(QStringLiteral("2026")));
    clickAt(box);
    EXPECT_EQ(box->text(), credit);
    EXPECT_TRUE(fake.journal.isEmpty());
}

TEST_F(FreeText, AnyOtherTextChangesNothingAndShowsNothing)
{
    for (const QString& text : {QString(25, QLatin1Char('@')), QString(), QStringLiteral("555555555555555"),
             QStringLiteral("сыщик?"), QStringLiteral("Сыщик? ")}) {
        box->setText(text);
        clickAt(box);
        EXPECT_EQ(box->text(), text);
    }
    EXPECT_TRUE(fake.journal.isEmpty());
}

TEST_F(FreeText, OnlyAReleaseInsideTheBoxCounts)
{
    box->setText(QStringLiteral("Сыщик?"));
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 60));
    EXPECT_EQ(box->text(), QStringLiteral("Сыщик?"));
    QTest::mouseClick(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(box->text(), QStringLiteral("Сыщик?"));
}

} // namespace
} // namespace zornalit::testing
