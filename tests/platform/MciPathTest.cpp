// The path the waveaudio device is given: the path itself where it comes
// through the ANSI code page, its short form where only that does, and
// otherwise none, with the reason.

#include "platform/mci/MciPath.h"

#include "support/QStringPrinting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zornalit {
namespace {

// Code page 1251 as far as these paths go: Latin and Cyrillic letters come
// through, Chinese ones and emoji do not.
bool survives1251(const QString& path)
{
    return std::ranges::all_of(path, [](QChar c) { return c.unicode() < 0x80 || (c >= u'А' && c <= u'я'); });
}

const QString cyrillic = QStringLiteral("C:\\Атака\\Зорн\\Ostatsa.wav");
const QString chinese = QStringLiteral("C:\\Атака\\中文 😀 Зорн\\Ostatsa.wav");
const QString shortened = QStringLiteral("C:\\5C2E~1\\_2C1~1\\OSTATSA.WAV");
const QString noShortName = QStringLiteral(
    "имя папки нельзя передать звуковому устройству: в нём есть знаки вне кодовой страницы Windows, а "
    "короткого имени (8.3) у неё нет");

TEST(MciPath, APathThatComesThroughTheCodePageIsGivenAsItIs)
{
    for (const std::optional<QString>& shortPath : {std::optional<QString>(), std::optional(shortened)}) {
        const MciPath given = mciPath(cyrillic, shortPath, survives1251);
        EXPECT_EQ(given.path, cyrillic);
        EXPECT_EQ(given.problem, QString());
    }
}

TEST(MciPath, OtherwiseItsShortFormIsGivenWhenThatComesThrough)
{
    const MciPath given = mciPath(chinese, shortened, survives1251);
    EXPECT_EQ(given.path, shortened);
    EXPECT_EQ(given.problem, QString());
}

TEST(MciPath, WithoutAShortFormThatComesThroughNoPathIsGivenAndTheFolderIsBlamed)
{
    // No short form; short names turned off, when the long path comes back;
    // an empty answer; a short form that keeps letters outside the page.
    const QString stillChinese = QStringLiteral("C:\\Атака\\中文~1\\OSTATSA.WAV");
    for (const std::optional<QString>& shortPath :
        {std::optional<QString>(), std::optional(chinese), std::optional(QString()), std::optional(stillChinese)}) {
        const MciPath given = mciPath(chinese, shortPath, survives1251);
        EXPECT_EQ(given.path, QString()) << shortPath.value_or(QStringLiteral("none"));
        EXPECT_EQ(given.problem, noShortName);
    }
}

} // namespace
} // namespace zornalit
