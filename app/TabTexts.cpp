#include "TabTexts.h"

namespace zornalit {

namespace {

const QString lineBreak = QStringLiteral("\r\n");

QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

// The runs of spaces are deliberate: in the word-wrapped label they push the
// following words onto the next line at the places the text was laid out for.
QString descriptionText()
{
    return QStringLiteral("Иногда   Квант") + QLatin1Char('"')
        + QStringLiteral("  выдаёт  сообщение  о  какой-нибудь редкой     неисправности     и     я     долго     "
                         "копаюсь в       документации,       разыскивая      расшифровку соответствующего сегмента.   "
                         " А  в двери уже стучат недовольные абоненты.")
        + spaces(43)
        + QStringLiteral(
            "Эта  маленькая  справочная  программа    и    написана    как  раз    для    таких    случаев.")
        + QStringLiteral("    Например, достаточно ввести сегмент  и  шаг,    нажать   на  кнопку  со стрелкой  и "
                         "информация  о  данном   типе   повреждения  уже  на экране.")
        + lineBreak + QStringLiteral("Минимальные системные требования: ") + lineBreak
        + QStringLiteral(
            " Windows    95 / 98 / 2000 / 2003 / XP.         В  системе должен присутствовать стандартный блокнот.")
        + lineBreak + lineBreak + QStringLiteral("Разработка и сопровождение:") + lineBreak
        + QStringLiteral("команда разработчиков «Зорналит»,") + lineBreak + QStringLiteral("2026 год.") + lineBreak
        + lineBreak;
}

QString linksInstructionText()
{
    return QStringLiteral("Здесь ссылки на  две лучшие веб-страницы, посвящённые АТСКЭ *Квант*.") + spaces(23)
        + QStringLiteral("Для копирования адреса страницы       в       буфер обмена      щёлкните   по ссылке.  После "
                         "этого адрес нужно вставить в адресную строку Internet Explorer.");
}

} // namespace zornalit
