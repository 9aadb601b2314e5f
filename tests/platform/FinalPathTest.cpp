#include "platform/files/FinalPath.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(FinalPath, TheSameFileUnderTheLongPathPrefixesEitherSeparatorAndAnyCase)
{
    const QString copy = QStringLiteral("C:\\Программы\\Зорналит 2\\Ostatsa.wav");
    EXPECT_TRUE(finalPathIs(QStringLiteral("\\\\?\\C:\\Программы\\Зорналит 2\\Ostatsa.wav"), copy));
    EXPECT_TRUE(finalPathIs(QStringLiteral("\\\\?\\c:\\ПРОГРАММЫ\\зорналит 2\\OSTATSA.WAV"), copy));
    EXPECT_TRUE(finalPathIs(copy, QStringLiteral("C:/Программы/Зорналит 2/Ostatsa.wav")));
    EXPECT_TRUE(finalPathIs(QStringLiteral("\\\\?\\UNC\\server\\share\\Зорн\\Mgnoven.wav"),
        QStringLiteral("\\\\Server\\Share\\Зорн\\Mgnoven.wav")));
}

TEST(FinalPath, ALinksTargetOrAnotherNameIsNotTheFileExpected)
{
    const QString copy = QStringLiteral("C:\\Программы\\Зорналит 2\\Ostatsa.wav");
    // Where a link at the copy's name was followed, the handle is its target's.
    EXPECT_FALSE(finalPathIs(QStringLiteral("\\\\?\\Z:\\tmp\\secret.txt"), copy));
    EXPECT_FALSE(finalPathIs(QStringLiteral("\\\\?\\C:\\Программы\\Зорналит 2\\Ostatsa.wav.bak"), copy));
    EXPECT_FALSE(finalPathIs(QStringLiteral("\\\\?\\D:\\Программы\\Зорналит 2\\Ostatsa.wav"), copy));
    EXPECT_FALSE(finalPathIs(QString(), copy));
    // Names are compared letter for letter: "ß" is not "SS", as Windows
    // folds no letter into two.
    EXPECT_FALSE(finalPathIs(QStringLiteral("C:\\STRASSE\\Ostatsa.wav"), QStringLiteral("C:\\straße\\Ostatsa.wav")));
    // A network share is no local folder of the same name.
    EXPECT_FALSE(finalPathIs(
        QStringLiteral("\\\\?\\UNC\\server\\share\\Ostatsa.wav"), QStringLiteral("C:\\server\\share\\Ostatsa.wav")));
}

} // namespace
} // namespace zornalit
