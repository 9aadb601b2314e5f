#include "FileErrorText.h"

#include <QDir>

namespace zornalit {

QString fileErrorReason(const FileError& error)
{
    using Kind = FileError::Kind;
    switch (error.kind) {
    case Kind::NoName:
        return QStringLiteral("не указано имя файла");
    case Kind::NotFound:
        return QStringLiteral("файл не найден");
    case Kind::NoPermission:
        return QStringLiteral("нет прав доступа");
    case Kind::Busy:
        return QStringLiteral("файл занят другой программой");
    case Kind::NoSpace:
        return QStringLiteral("не хватает места на диске");
    case Kind::TooLarge:
        return QStringLiteral("файл превысил допустимый размер");
    case Kind::ReadOnlyDisk:
        return QStringLiteral("диск доступен только для чтения");
    case Kind::Folder:
        return QStringLiteral("это папка, а не файл");
    case Kind::NotRegular:
        return QStringLiteral("это не обычный файл");
    case Kind::Link:
        return QStringLiteral("это символическая ссылка");
    case Kind::HardLinked:
        return QStringLiteral("у файла есть и другие имена (жёсткие ссылки)");
    case Kind::AlreadyExists:
        return QStringLiteral("файл уже существует");
    case Kind::NameTooLong:
        return QStringLiteral("путь к файлу слишком длинный");
    case Kind::InputOutput:
        return QStringLiteral("ошибка ввода-вывода");
    case Kind::None:
    case Kind::Other:
        break;
    }
    if (error.number == 0)
        return QStringLiteral("системная ошибка");
    return QStringLiteral("системная ошибка, код ошибки %1").arg(error.number);
}

QString quotedPath(const QString& path)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

QString readFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось прочитать файл %1: %2").arg(quotedPath(path), reason);
}

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось записать файл %1: %2").arg(quotedPath(path), reason);
}

QString soundOpenFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось открыть звуковой файл %1: %2").arg(quotedPath(path), reason);
}

QString soundPlayFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось воспроизвести звуковой файл %1: %2").arg(quotedPath(path), reason);
}

bool fail(QString* why, const QString& text)
{
    if (why)
        *why = text;
    return false;
}

} // namespace zornalit
