#include "lookup/Cp1251.h"

#include <gtest/gtest.h>

#include <QSet>

namespace zornalit {
namespace {

TEST(Cp1251, EveryByteDecodesToItsOwnCharacterAndBack)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));

    const QString text = cp1251::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256) << "two bytes share a character";

    const std::optional<QByteArray> back = cp1251::encode(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1251, KnownCharacters)
{
    EXPECT_EQ(cp1251::decode("\xD1\xC5\xC3\xCC"), QStringLiteral("СЕГМ"));
    EXPECT_EQ(cp1251::decode("\xC0\xDF\xE0\xFF"), QStringLiteral("АЯая"));
    EXPECT_EQ(cp1251::toChar(0xA8), QChar(u'Ё'));
    EXPECT_EQ(cp1251::toChar(0xB8), QChar(u'ё'));
    EXPECT_EQ(cp1251::toChar(0xB9), QChar(u'№'));
    EXPECT_EQ(cp1251::toChar(0x88), QChar(u'€'));
    EXPECT_EQ(cp1251::toChar(0xA0), QChar(0x00A0));
    EXPECT_EQ(cp1251::toChar(0x98), QChar(0x0098)); // the code page leaves it undefined
    EXPECT_EQ(cp1251::toChar('@'), QChar(u'@'));
}

TEST(Cp1251, CharactersOutsideTheCodePageCannotBeWritten)
{
    EXPECT_FALSE(cp1251::encode(QStringLiteral("СЕГ\u00C9")).has_value()); // É
    EXPECT_FALSE(cp1251::encode(QStringLiteral("\u4E00")).has_value());
    EXPECT_FALSE(cp1251::encode(QStringLiteral("\U0001F600")).has_value());
    EXPECT_FALSE(cp1251::toByte(QChar(0x0099)).has_value());
    EXPECT_EQ(cp1251::encode(QString()), QByteArray());
}

} // namespace
} // namespace zornalit
