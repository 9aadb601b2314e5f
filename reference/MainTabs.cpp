#include "MainTabs.h"

namespace zornalit {

const QList<MainTabRow>& mainTabs()
{
    static const QList<MainTabRow> rows{
        {QStringLiteral("Сегменты"), QStringLiteral(":/resources/tab-segments.svg"), 16, 15, {}, {}, {}},
        {QStringLiteral("Типы оборудования"), {}, 0, 0, QStringLiteral("Command3"),
         QStringLiteral("Показать таблицу типов оборудования"), QStringLiteral("TipOb.txt")},
        {QStringLiteral("Микротесты ЭУМ"), {}, 0, 0, QStringLiteral("Command4"),
         QStringLiteral("Показать таблицы микротестов ЭУМ"), QStringLiteral("MicroTest.txt")},
        {QStringLiteral("Импульсный тракт"), {}, 0, 0, QStringLiteral("Command5"),
         QStringLiteral("Краткая справка по обрывам импульсного тракта"), QStringLiteral("Obr_IT.txt")},
        {QStringLiteral(" БГ, ВВК, УВП"), {}, 0, 0, QStringLiteral("Command6"),
         QStringLiteral("Справка по неисправностям в стативах БГ, ВВК, УВП"), QStringLiteral("BG_VVK_YVP.txt")},
        {QStringLiteral("УСК"), {}, 0, 0, QStringLiteral("Command7"),
         QStringLiteral("Краткая справка о неисправностях УСК"), QStringLiteral("YSK.txt")},
        {QStringLiteral("Ссылки"), QStringLiteral(":/resources/tab-links.svg"), 16, 16, {}, {}, {}},
        {QStringLiteral("О программе"), QStringLiteral(":/resources/tab-about.svg"), 16, 16, {}, {}, {}},
        {QStringLiteral("P. S.: УТП"), {}, 0, 0, QStringLiteral("Command9"), QStringLiteral("Справка по типам УТП"),
         QStringLiteral("YTP.txt")},
    };
    return rows;
}

} // namespace zornalit
