#include "platform/ViewerLaunch.h"

#include "fakes/FakePlatform.h"
#include "support/LatinLetters.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(ViewerLaunch, AnEditorThatCannotStartIsReportedInRussianNamingTheFile)
{
    testing::FakePlatform fake;
    fake.viewer.failing = true;
    fake.viewer.tried = QStringLiteral("notepad.exe (программа не найдена)");
    const QString report = fake.path(QStringLiteral("SegmInfo.txt"));

    EXPECT_FALSE(openInViewer(fake.platform(), report));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    const QString prompt = fake.messages.shown.first().prompt;
    EXPECT_TRUE(prompt.contains(QStringLiteral("«%1»").arg(report))) << prompt;
    EXPECT_TRUE(prompt.contains(fake.viewer.tried)) << prompt;
    EXPECT_EQ(testing::latinLettersOutside(prompt, {report, QStringLiteral("notepad.exe")}), QString()) << prompt;
    EXPECT_EQ(fake.messages.shown.first().style, MessageStyle::Error);
}

} // namespace
} // namespace zornalit
