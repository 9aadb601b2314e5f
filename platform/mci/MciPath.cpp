#include "MciPath.h"

namespace zornalit {

MciPath mciPath(const QString& path, const std::optional<QString>& shortPath,
    const std::function<bool(const QString&)>& survivesCodePage)
{
    if (survivesCodePage(path))
        return {path, {}};
    if (shortPath && !shortPath->isEmpty() && survivesCodePage(*shortPath))
        return {*shortPath, {}};
    return {{},
        QStringLiteral("имя папки нельзя передать звуковому устройству: в нём есть знаки вне кодовой "
                       "страницы Windows, а короткого имени (8.3) у неё нет")};
}

} // namespace zornalit
