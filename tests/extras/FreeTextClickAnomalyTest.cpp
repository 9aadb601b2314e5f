#include "extras/FreeTextClick.h"

#include "fakes/FailingFileCalls.h"
#include "fakes/FakePlatform.h"
#include "platform/files/QtFiles.h"
#include "support/FailEachCallInTurn.h"
#include "support/LatinLetters.h"
#include "support/ScratchFolder.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::FailingFileCalls;
using testing::FakePlatform;
using testing::ScratchFolder;

const QString jokeTrigger = QStringLiteral("5555555555555555");
const QStringList storedSounds{QStringLiteral("noven.dll"), QStringLiteral("statsa.dll")};

// The joke with the real file layer over a program folder on disk, each
// file call of which can be made to fail.
class FreeTextClickAnomalies : public ::testing::Test {
protected:
    FreeTextClickAnomalies()
    {
        fake.folder.folder = folder.path();
        // Large enough that copying takes more than one read and write.
        first = QByteArray("RIFF first") + QByteArray(150000, '\x01');
        second = QByteArray("RIFF second") + QByteArray(3000, '\x02');
    }

    void joke()
    {
        ASSERT_TRUE(folder.write(QStringLiteral("statsa.dll"), first));
        ASSERT_TRUE(folder.write(QStringLiteral("noven.dll"), second));
        fake.messages.shown.clear();
        sound.played.clear();
        calls.steps.clear();
        const Platform platform{fake.folder, fake.messages, fake.viewer, files, fake.bitmaps, fake.clipboard, sound};
        clickFreeText(platform, control, jokeTrigger);
    }

    QList<testing::ShownMessage> errors() const
    {
        QList<testing::ShownMessage> found;
        for (const testing::ShownMessage& message : fake.messages.shown) {
            if (message.style == MessageStyle::Error)
                found << message;
        }
        return found;
    }

    ScratchFolder folder;
    FailingFileCalls calls;
    QtFiles files{calls};
    FakePlatform fake;
    testing::FakeSoundDevice sound{fake.journal, [](const QString& path) { return QFileInfo::exists(path); }};
    SoundCommands control{sound};
    QByteArray first;
    QByteArray second;
};

TEST_F(FreeTextClickAnomalies, EveryFailingFileCallLeavesNoCopyAndSaysSo)
{
    joke();
    ASSERT_TRUE(errors().isEmpty());
    ASSERT_EQ(sound.played,
        (QStringList{folder.path(QStringLiteral("Ostatsa.wav")), folder.path(QStringLiteral("Mgnoven.wav"))}));
    const QStringList cleanRun = calls.steps;
    // Both copies are synced into the folder, and those steps fail too.
    ASSERT_EQ(cleanRun.filter(QRegularExpression(QStringLiteral("^syncfolder "))).size(), 2);

    testing::failEachCallInTurn(
        calls, cleanRun.size(), [&] { joke(); },
        [&](int, const QString& trace) {
            SCOPED_TRACE(trace);
            ASSERT_TRUE(calls.fired());
            EXPECT_EQ(folder.entries(), storedSounds);
            EXPECT_EQ(folder.read(QStringLiteral("statsa.dll")), first);
            EXPECT_EQ(folder.read(QStringLiteral("noven.dll")), second);
            EXPECT_TRUE(fake.viewer.opened.isEmpty());
            const QList<testing::ShownMessage> shown = errors();
            // A failure that did not stop the joke was one the file layer got
            // over: a second attempt at a removal, or letting go of a source.
            if (shown.isEmpty()) {
                EXPECT_EQ(sound.played.size(), 2);
                return;
            }
            EXPECT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown.first().prompt.contains(QStringLiteral("«%1").arg(folder.path())))
                << shown.first().prompt;
            QStringList paths;
            for (const char* name : {"statsa.dll", "noven.dll", "Ostatsa.wav", "Mgnoven.wav"})
                paths << folder.path(QString::fromLatin1(name));
            EXPECT_EQ(testing::latinLettersOutside(shown.first().prompt, paths), QString()) << shown.first().prompt;
        });
}

} // namespace
} // namespace zornalit
