#include "extras/FreeTextClick.h"

#include "fakes/FakePlatform.h"
#include "platform/SoundFileBudget.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zornalit;
using namespace zornalit::testing;

namespace {

const QString jokeTrigger = QStringLiteral("5555555555555555");
const QString creditTrigger = QStringLiteral("Сыщик?");

// Puts the two stored sounds into the program folder.
void storeSounds(FakePlatform& fake)
{
    fake.files.contents.insert(fake.path(QStringLiteral("statsa.dll")), QByteArray("RIFF first"));
    fake.files.contents.insert(fake.path(QStringLiteral("noven.dll")), QByteArray("RIFF second"));
}

// The copies the joke plays from that stand in the program folder now.
QStringList copiesPresent(const FakePlatform& fake)
{
    QStringList present;
    for (const char* name : {"Ostatsa.wav", "Mgnoven.wav"}) {
        if (fake.files.exists(fake.path(QString::fromLatin1(name))))
            present << QString::fromLatin1(name);
    }
    return present;
}

class FreeTextClick : public ::testing::Test {
protected:
    FreeTextClick() { storeSounds(fake); }

    QString click(const QString& text) { return clickFreeText(fake.platform(), control, text); }

    QString line(const char* pattern, const char* name) const
    {
        return QString::fromLatin1(pattern).arg(fake.path(QString::fromLatin1(name)));
    }

    // After the joke's own message, one error message names the file of
    // that name in the program folder.
    void expectErrorNaming(const char* name) const
    {
        ASSERT_EQ(fake.messages.shown.size(), 2);
        const ShownMessage& error = fake.messages.shown.last();
        EXPECT_EQ(error.style, MessageStyle::Error);
        EXPECT_TRUE(error.prompt.contains(fake.path(QString::fromLatin1(name)))) << error.prompt;
    }

    FakePlatform fake;
    SoundCommands control{fake.sound};
};

} // namespace

TEST_F(FreeTextClick, JokePlaysBothCopiesInOrderAndLeavesNoTrace)
{
    QStringList copiesAtFirstOpen;
    fake.sound.whenOpening = [&](const QString&) {
        if (copiesAtFirstOpen.isEmpty())
            copiesAtFirstOpen = copiesPresent(fake);
    };

    EXPECT_EQ(click(jokeTrigger), jokeTrigger);

    const QStringList expected{
        QStringLiteral("message 0: Фронтальная проверка :-( | Chtirliz, und wo Sie bewahren die Instruktion N 9?! "
                       "Wo die Instruktionen N 10 und N 2?!! Chtirliz, und warum bei Ihnen auf den Stirnen ist die "
                       "Inventarzimmer nicht bezeichnet?!!!"),
        line("read %1", "statsa.dll"),
        line("replace %1", "Ostatsa.wav"),
        line("read %1", "noven.dll"),
        line("replace %1", "Mgnoven.wav"),
        line("sound open %1", "Ostatsa.wav"),
        QStringLiteral("sound play"),
        QStringLiteral("sound close"),
        line("sound open %1", "Mgnoven.wav"),
        QStringLiteral("sound play"),
        QStringLiteral("sound close"),
        line("remove %1", "Ostatsa.wav"),
        line("remove %1", "Mgnoven.wav"),
    };
    EXPECT_EQ(fake.journal, expected);
    EXPECT_EQ(fake.messages.shown.first().prompt.size(), 178);
    EXPECT_EQ(copiesAtFirstOpen, (QStringList{QStringLiteral("Ostatsa.wav"), QStringLiteral("Mgnoven.wav")}));
    EXPECT_EQ(fake.sound.played,
        (QStringList{fake.path(QStringLiteral("Ostatsa.wav")), fake.path(QStringLiteral("Mgnoven.wav"))}));
    EXPECT_EQ(control.fileName(), fake.path(QStringLiteral("Mgnoven.wav")));

    // Only the stored sounds remain, unchanged.
    EXPECT_EQ(fake.files.contents.size(), 2);
    EXPECT_EQ(fake.files.contents.value(fake.path(QStringLiteral("statsa.dll"))), QByteArray("RIFF first"));
    EXPECT_EQ(fake.files.contents.value(fake.path(QStringLiteral("noven.dll"))), QByteArray("RIFF second"));
}

TEST_F(FreeTextClick, SoundsStartOnlyAfterTheJokeMessageIsClosed)
{
    int journalAtMessage = -1;
    fake.messages.whileShown = [&](const ShownMessage&) { journalAtMessage = int(fake.journal.size()); };
    click(jokeTrigger);
    EXPECT_EQ(journalAtMessage, 1);
}

TEST_F(FreeTextClick, ALeftoverCopyFromAnInterruptedRunIsReplaced)
{
    fake.files.contents.insert(fake.path(QStringLiteral("Ostatsa.wav")), QByteArray("stale"));
    QByteArray playedBytes;
    fake.sound.whenOpening = [&](const QString& path) {
        if (playedBytes.isEmpty())
            playedBytes = fake.files.contents.value(path);
    };
    click(jokeTrigger);
    EXPECT_EQ(playedBytes, QByteArray("RIFF first"));
    EXPECT_FALSE(fake.files.exists(fake.path(QStringLiteral("Ostatsa.wav"))));
}

TEST_F(FreeTextClick, EachClickRepeatsTheWholeJoke)
{
    click(jokeTrigger);
    click(jokeTrigger);
    EXPECT_EQ(fake.messages.shown.size(), 2);
    EXPECT_EQ(fake.sound.played.size(), 4);
}

TEST_F(FreeTextClick, AMissingStoredSoundIsReportedAndNothingIsLeftBehind)
{
    fake.files.contents.remove(fake.path(QStringLiteral("noven.dll")));
    click(jokeTrigger);

    expectErrorNaming("noven.dll");
    EXPECT_TRUE(fake.sound.played.isEmpty());
    EXPECT_EQ(copiesPresent(fake), QStringList());
}

TEST_F(FreeTextClick, AStoredSoundOverTheSizeLimitIsRefusedByItsOwnNameAndNeverCopied)
{
    const QByteArray tooLarge(soundFileBudgetBytes + 1, 'R');
    for (const char* stored : {"statsa.dll", "noven.dll"}) {
        SCOPED_TRACE(stored);
        fake.journal.clear();
        fake.messages.shown.clear();
        storeSounds(fake);
        fake.files.contents.insert(fake.path(QString::fromLatin1(stored)), tooLarge);
        click(jokeTrigger);

        ASSERT_EQ(fake.messages.shown.size(), 2);
        const QString prompt = fake.messages.shown.last().prompt;
        EXPECT_TRUE(prompt.contains(QStringLiteral("«%1»").arg(fake.path(QString::fromLatin1(stored))))) << prompt;
        EXPECT_TRUE(prompt.contains(QStringLiteral("больше 16 МБ"))) << prompt;
        EXPECT_FALSE(prompt.contains(QStringLiteral(".wav"))) << prompt;
        EXPECT_FALSE(fake.journal.contains(line("replace %1", "Mgnoven.wav")));
        EXPECT_TRUE(fake.sound.played.isEmpty());
        EXPECT_EQ(copiesPresent(fake), QStringList());
    }
}

TEST_F(FreeTextClick, AnUndecodableCopyStopsThePlayingAndIsRemoved)
{
    fake.sound.undecodable.insert(fake.path(QStringLiteral("Ostatsa.wav")));
    click(jokeTrigger);

    expectErrorNaming("Ostatsa.wav");
    EXPECT_FALSE(fake.journal.contains(line("sound open %1", "Mgnoven.wav")));
    EXPECT_EQ(copiesPresent(fake), QStringList());
}

TEST_F(FreeTextClick, ACopyThatCannotBeWrittenIsReported)
{
    fake.files.unwritable.insert(fake.path(QStringLiteral("Ostatsa.wav")));
    click(jokeTrigger);

    expectErrorNaming("Ostatsa.wav");
    EXPECT_TRUE(fake.sound.played.isEmpty());
    EXPECT_FALSE(fake.files.exists(fake.path(QStringLiteral("Mgnoven.wav"))));
}

TEST(FreeTextClickFailures, TheCopiesAreGoneBeforeAnyErrorIsShown)
{
    // A box may stay up for long, and a logout meanwhile ends the program
    // without the steps after it.
    const struct {
        const char* what;
        std::function<void(FakePlatform&)> arrange;
    } failures[] = {
        {"the second stored sound is missing",
            [](FakePlatform& fake) { fake.files.contents.remove(fake.path(QStringLiteral("noven.dll"))); }},
        {"the second copy cannot be written",
            [](FakePlatform& fake) { fake.files.unwritable.insert(fake.path(QStringLiteral("Mgnoven.wav"))); }},
        {"the first copy cannot be played",
            [](FakePlatform& fake) { fake.sound.undecodable.insert(fake.path(QStringLiteral("Ostatsa.wav"))); }},
        {"the second copy cannot be played",
            [](FakePlatform& fake) { fake.sound.undecodable.insert(fake.path(QStringLiteral("Mgnoven.wav"))); }},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.what);
        FakePlatform fake;
        SoundCommands control{fake.sound};
        storeSounds(fake);
        failure.arrange(fake);
        QStringList copiesWhileShown;
        fake.messages.whileShown = [&](const ShownMessage& message) {
            if (message.style == MessageStyle::Error)
                copiesWhileShown << copiesPresent(fake);
        };

        clickFreeText(fake.platform(), control, jokeTrigger);

        ASSERT_EQ(fake.messages.shown.size(), 2);
        EXPECT_EQ(fake.messages.shown.last().style, MessageStyle::Error);
        EXPECT_EQ(copiesWhileShown, QStringList());
        EXPECT_TRUE(fake.journal.last().startsWith(QStringLiteral("message 16: "))) << fake.journal.last();
    }
}

TEST_F(FreeTextClick, CreditReplacesItsTriggerOnceAndSilently)
{
    const QString credit = click(creditTrigger);
    EXPECT_NE(credit, creditTrigger);
    EXPECT_TRUE(credit.contains(QStringLiteral("2026")));
    EXPECT_FALSE(credit.contains(QLatin1Char('\n')));
    EXPECT_TRUE(fake.journal.isEmpty());

    // The credit is no trigger: a further click changes nothing.
    EXPECT_EQ(click(credit), credit);
    EXPECT_TRUE(fake.journal.isEmpty());
}

TEST(JokeHint, NamesTheTriggerAndTheClick)
{
    EXPECT_EQ(triggerHint(), QStringLiteral("16 пятёрок & click => ;-)"));
}

TEST_F(FreeTextClick, NearMissesDoNothing)
{
    const QStringList nearMisses{
        QString(15, QLatin1Char('5')),
        QString(17, QLatin1Char('5')),
        QLatin1Char(' ') + jokeTrigger,
        jokeTrigger + QLatin1Char(' '),
        QStringLiteral("сыщик?"),
        QStringLiteral("Сыщик"),
        QStringLiteral("Сыщик? "),
        QString(25, QLatin1Char('@')),
        QString(),
    };
    for (const QString& text : nearMisses)
        EXPECT_EQ(click(text), text) << text;
    EXPECT_TRUE(fake.journal.isEmpty());
}
