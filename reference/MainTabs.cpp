#include "MainTabs.h"

namespace zornalit {

const QList<MainTabRow>& mainTabs()
{
    static const QList<MainTabRow> rows{
        {QStringLiteral("Сегменты"), {}, {}},
        {QStringLiteral("Типы оборудования"), QStringLiteral("Показать таблицу типов оборудования"),
            QStringLiteral("TipOb.txt")},
        {QStringLiteral("Микротесты ЭУМ"), QStringLiteral("Показать таблицы микротестов ЭУМ"),
            QStringLiteral("MicroTest.txt")},
        {QStringLiteral("Импульсный тракт"), QStringLiteral("Краткая справка по обрывам импульсного тракта"),
            QStringLiteral("Obr_IT.txt")},
        {QStringLiteral(" БГ, ВВК, УВП"), QStringLiteral("Справка по неисправностям в стативах БГ, ВВК, УВП"),
            QStringLiteral("BG_VVK_YVP.txt")},
        {QStringLiteral("УСК"), QStringLiteral("Краткая справка о неисправностях УСК"), QStringLiteral("YSK.txt")},
        {QStringLiteral("Ссылки"), {}, {}},
        {QStringLiteral("О программе"), {}, {}},
        {QStringLiteral("P. S.: УТП"), QStringLiteral("Справка по типам УТП"), QStringLiteral("YTP.txt")},
    };
    return rows;
}

} // namespace zornalit
