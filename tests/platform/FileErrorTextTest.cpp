#include "platform/FileErrorText.h"

#include "support/LatinLetters.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(FileErrorText, EveryKindHasARussianReasonAndTheRestGiveTheirNumber)
{
    using Kind = FileError::Kind;
    QStringList reasons;
    for (const Kind kind : {Kind::NotFound, Kind::NoPermission, Kind::NoSpace, Kind::TooLarge, Kind::ReadOnlyDisk,
             Kind::Folder, Kind::NotRegular, Kind::Link, Kind::HardLinked, Kind::AlreadyExists, Kind::NameTooLong,
             Kind::InputOutput}) {
        const QString reason = fileErrorReason({kind, 5});
        EXPECT_EQ(testing::latinLettersOutside(reason, {}), QString()) << reason;
        EXPECT_FALSE(reason.contains(u'5')) << reason;
        EXPECT_FALSE(reasons.contains(reason)) << reason;
        reasons << reason;
    }
    EXPECT_EQ(fileErrorReason({Kind::Other, 1234}), QStringLiteral("системная ошибка, код ошибки 1234"));
    EXPECT_EQ(fileErrorReason({Kind::NoSpace, 28}), QStringLiteral("не хватает места на диске"));
}

} // namespace
} // namespace zornalit
