#include "DeviceFailure.h"

#include "FileErrorText.h"

namespace zornalit {

namespace {

QString failureReason(const QIODevice& device, const QString& fallback)
{
    const auto* keeper = dynamic_cast<const KeepsFileError*>(&device);
    if (!keeper)
        return device.errorString();
    if (keeper->error().kind == FileError::Kind::None)
        return fallback;
    return fileErrorReason(keeper->error());
}

} // namespace

QString readFailureReason(const QIODevice& device)
{
    return failureReason(device, QStringLiteral("ошибка чтения"));
}

QString writeFailureReason(const QIODevice& device)
{
    return failureReason(device, QStringLiteral("ошибка записи"));
}

} // namespace zornalit
