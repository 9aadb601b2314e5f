// Why a read or a write failed is told by the kind the file device kept,
// whatever words Qt has for a call it refused itself.

#include "platform/DeviceFailure.h"
#include "platform/FileErrorText.h"
#include "platform/files/QtFiles.h"

#include "fakes/FailingFileCalls.h"
#include "support/FailingDevice.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(DeviceFailure, AFileDeviceGivesTheReasonOfTheKindItKept)
{
    testing::ScratchFolder folder;
    ASSERT_TRUE(folder.write(QStringLiteral("base.txt"), "bytes"));
    testing::FailingFileCalls calls;
    QtFiles files(calls);
    const std::unique_ptr<QIODevice> device = files.openForReading(folder.path(QStringLiteral("base.txt")), nullptr);
    ASSERT_NE(device, nullptr);
    calls.failAt = static_cast<int>(calls.steps.size()) + 1;
    char byte = 0;
    ASSERT_LT(device->read(&byte, 1), 0);
    EXPECT_EQ(readFailureReason(*device), fileErrorReason({FileError::Kind::InputOutput, 0}));
}

TEST(DeviceFailure, AFileDeviceThatKeptNoKindGivesThePlainWords)
{
    testing::ScratchFolder folder;
    ASSERT_TRUE(folder.write(QStringLiteral("base.txt"), "bytes"));
    QtFiles files;
    const std::unique_ptr<QIODevice> device = files.openForReading(folder.path(QStringLiteral("base.txt")), nullptr);
    ASSERT_NE(device, nullptr);
    device->close();
    EXPECT_EQ(readFailureReason(*device), QStringLiteral("ошибка чтения"));
    EXPECT_EQ(writeFailureReason(*device), QStringLiteral("ошибка записи"));
}

TEST(DeviceFailure, AnotherDeviceGivesItsOwnWords)
{
    testing::FailingDevice device("bytes", 0, 0);
    char byte = 0;
    ASSERT_LT(device.read(&byte, 1), 0);
    EXPECT_EQ(readFailureReason(device), QStringLiteral("сбой чтения"));
}

} // namespace
} // namespace zornalit
