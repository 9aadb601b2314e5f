// What the main window shows: places, texts, fonts, tooltips, pointers and
// which controls each tab holds.

#include "MainWindowFixture.h"

#include "app/LinkAddresses.h"
#include "reference/MainTabs.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace zornalit::testing {
namespace {

struct Placement {
    const char* name;
    int left, top, width, height; // twips
};

QRect pixels(const Placement& p)
{
    return QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15);
}

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, WindowHasItsCaptionIconAndFixedClientArea)
{
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Зорналит"));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->size(), QSize(468, 327));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(MainWindowLayout, EveryControlStandsWhereItsTwipsSay)
{
    const Placement placements[] = {
        {"SSTab1", 0, 120, 7095, 4815},
        {"Label7", 240, 1200, 2295, 1215},
        {"Segm", 2880, 1200, 1095, 945},
        {"Label5", 3960, 1200, 255, 735},
        {"Sag", 4440, 1200, 1095, 945},
        {"Label6", 5520, 1200, 255, 735},
        {"Command2", 5880, 1320, 615, 615},
        {"Picture5", 240, 2280, 6255, 2295},
        {"Command3", 120, 960, 6495, 3735},
        {"Command4", 120, 960, 6495, 3735},
        {"Command5", 120, 960, 6495, 3735},
        {"Command6", 120, 960, 6495, 3735},
        {"Command7", 120, 960, 6495, 3735},
        {"Command9", 120, 960, 6495, 3735},
        {"Picture2", 120, 1200, 2175, 1455},
        {"Frame1", 2400, 1080, 4215, 735},
        {"Picture3", 0, 120, 4215, 615},
        {"Label2", 2400, 1800, 4215, 615},
        {"Text1", 120, 2760, 4215, 285},
        {"Frame2", 120, 3120, 4215, 855},
        {"Picture4", 0, 120, 4215, 735},
        {"Label3", 120, 4080, 4215, 615},
        {"Label4", 4560, 2520, 1935, 2175},
        {"Picture1", 0, 960, 2415, 2535},
        {"Label1", 2520, 960, 4095, 3735},
        {"Command1", 120, 3600, 1455, 975},
        {"Command8", 1680, 3600, 735, 975},
        {"Звук", 120, 4800, 3540, 330},
    };
    for (const Placement& placement : placements) {
        QWidget* widget = control(QString::fromUtf8(placement.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), pixels(placement)) << placement.name;
    }
}

TEST_F(MainWindowLayout, ControlsSitInTheirContainers)
{
    EXPECT_EQ(control(QStringLiteral("SSTab1"))->parentWidget(), form.get());
    EXPECT_EQ(control(QStringLiteral("Звук"))->parentWidget(), form.get());
    EXPECT_EQ(control(QStringLiteral("Picture3"))->parentWidget(), control(QStringLiteral("Frame1")));
    EXPECT_EQ(control(QStringLiteral("Picture4"))->parentWidget(), control(QStringLiteral("Frame2")));
    const std::pair<const char*, MainTab> onPages[] = {{"Segm", SegmentsTab}, {"Command3", EquipmentTab},
        {"Label4", LinksTab}, {"Label1", AboutTab}, {"Frame1", LinksTab}};
    for (const auto& [name, tab] : onPages)
        EXPECT_EQ(control(QString::fromUtf8(name))->parentWidget(), tabs()->page(tab)) << name;
}

// The controls' places are given relative to the tab control: each page
// lies on it and covers it whole, so that they stand there on screen too.
TEST_F(MainWindowLayout, EachTabHasAPageCoveringTheWholeTabControl)
{
    for (int tab = 0; tab < tabs()->count(); ++tab) {
        QWidget* page = tabs()->page(tab);
        ASSERT_NE(page, nullptr) << tab;
        EXPECT_EQ(page->parentWidget(), tabs()) << tab;
        EXPECT_EQ(page->geometry(), tabs()->rect()) << tab;
    }
}

TEST_F(MainWindowLayout, NineTabsInThreeRowsWithExactCaptionsAndImagesOnThreeOfThem)
{
    const QStringList captions{
        QStringLiteral("Сегменты"),
        QStringLiteral("Типы оборудования"),
        QStringLiteral("Микротесты ЭУМ"),
        QStringLiteral("Импульсный тракт"),
        QStringLiteral(" БГ, ВВК, УВП"),
        QStringLiteral("УСК"),
        QStringLiteral("Ссылки"),
        QStringLiteral("О программе"),
        QStringLiteral("P. S.: УТП"),
    };
    ASSERT_EQ(tabs()->count(), 9);
    for (int index = 0; index < 9; ++index) {
        EXPECT_EQ(tabs()->tabText(index), captions[index]);
        EXPECT_EQ(tabs()->tabHasImage(index), index == 0 || index == 6 || index == 7) << index;
        const QRect place = tabs()->tabRect(index);
        EXPECT_EQ(place.height(), 20);
        EXPECT_EQ(place.top(), index / 3 * 20) << index;
    }
    EXPECT_TRUE(tabs()->tabText(4).startsWith(QLatin1Char(' ')));
    EXPECT_FALSE(tabs()->tabText(3).startsWith(QLatin1Char(' ')));
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(MainWindowLayout, EachTabShowsOnlyItsOwnControlsAndTheSoundControlNever)
{
    const QList<QStringList> byTab{
        {"Label7", "Segm", "Label5", "Sag", "Label6", "Command2", "Picture5"},
        {"Command3"},
        {"Command4"},
        {"Command5"},
        {"Command6"},
        {"Command7"},
        {"Picture2", "Frame1", "Picture3", "Label2", "Text1", "Frame2", "Picture4", "Label3", "Label4"},
        {"Picture1", "Label1", "Command1", "Command8"},
        {"Command9"},
    };
    QStringList everyControl;
    for (const QStringList& names : byTab)
        everyControl << names;

    for (int tab = 0; tab < 9; ++tab) {
        tabs()->setCurrentIndex(tab);
        for (const QString& name : everyControl) {
            EXPECT_EQ(control(name)->isVisibleTo(form.get()), byTab[tab].contains(name)) << name << " on tab " << tab;
        }
        EXPECT_FALSE(control(QStringLiteral("Звук"))->isVisibleTo(form.get())) << "tab " << tab;
    }
}

TEST_F(MainWindowLayout, CaptionsAndInitialTextsAreExact)
{
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label7"))->text(), QStringLiteral("СЕГМ"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("."));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label6"))->text(), QStringLiteral("."));
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("Segm"))->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("Sag"))->text().isEmpty());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("@@@@@@@@@@@@@@@@@@@@@@@@@"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text1"))->text().size(), 25);

    const QList<std::pair<const char*, QString>> buttons{
        {"Command1", QStringLiteral("Прочитать файл readme.txt")},
        {"Command2", QString()},
        {"Command3", QStringLiteral("Показать таблицу типов оборудования")},
        {"Command4", QStringLiteral("Показать таблицы микротестов ЭУМ")},
        {"Command5", QStringLiteral("Краткая справка по обрывам импульсного тракта")},
        {"Command6", QStringLiteral("Справка по неисправностям в стативах БГ, ВВК, УВП")},
        {"Command7", QStringLiteral("Краткая справка о неисправностях УСК")},
        {"Command8", QString()},
        {"Command9", QStringLiteral("Справка по типам УТП")},
    };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(control<QPushButton>(QString::fromLatin1(name))->text(), caption) << name;

    EXPECT_TRUE(control<QGroupBox>(QStringLiteral("Frame1"))->title().isEmpty());
    EXPECT_TRUE(control<QGroupBox>(QStringLiteral("Frame2"))->title().isEmpty());
}

TEST_F(MainWindowLayout, LinkInstructionKeepsItsRunsOfSpaces)
{
    const QString expected = QStringLiteral("Здесь ссылки на  две лучшие веб-страницы, посвящённые АТСКЭ *Квант*.")
        + QString(23, QLatin1Char(' ')) + QStringLiteral("Для копирования адреса страницы")
        + QString(7, QLatin1Char(' ')) + QStringLiteral("в") + QString(7, QLatin1Char(' '))
        + QStringLiteral("буфер обмена") + QString(6, QLatin1Char(' ')) + QStringLiteral("щёлкните")
        + QString(3, QLatin1Char(' '))
        + QStringLiteral("по ссылке.  После этого адрес нужно "
                         "вставить в адресную строку Internet Explorer.");
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label4"))->text(), expected);
}

TEST_F(MainWindowLayout, DescriptionIsMadeOfItsPiecesWithCreditsAtTheEnd)
{
    const QString text = control<QLabel>(QStringLiteral("Label1"))->text();
    const QString opening = QStringLiteral(
                                "Иногда   Квант\"  выдаёт  сообщение  о  какой-нибудь редкой     неисправности     "
                                "и     я     долго     копаюсь в       документации,       разыскивая      "
                                "расшифровку соответствующего сегмента.    А  в двери уже стучат недовольные "
                                "абоненты.")
        + QString(43, QLatin1Char(' '));
    EXPECT_TRUE(text.startsWith(opening));
    // The free sentence follows at once, and is not a run of spaces.
    EXPECT_NE(text.at(opening.size()), QLatin1Char(' '));

    const QString example = QStringLiteral(
        "    Например, достаточно ввести сегмент  и  шаг,    нажать   на  кнопку  со "
        "стрелкой  и информация  о  данном   типе   повреждения  уже  на экране.\r\n"
        "Минимальные системные требования: \r\n"
        " Windows    95 / 98 / 2000 / 2003 / XP.         В  системе должен "
        "присутствовать стандартный блокнот.\r\n\r\n");
    const qsizetype at = text.indexOf(example);
    ASSERT_GT(at, opening.size());

    const QString credits = text.mid(at + example.size());
    ASSERT_TRUE(credits.endsWith(QStringLiteral("\r\n\r\n")));
    const QStringList lines = credits.chopped(4).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    for (const QString& line : lines)
        EXPECT_FALSE(line.trimmed().isEmpty());
    EXPECT_TRUE(credits.contains(QStringLiteral("2026")));
    EXPECT_TRUE(credits.contains(QStringLiteral("Зорналит")));
    // Only CR LF pairs break lines.
    EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
}

TEST_F(MainWindowLayout, FontsAreTheRequestedFamiliesAndSizes)
{
    struct Expected {
        const char* name;
        const char* family;
        qreal points;
        bool bold, italic, underline;
    };
    const Expected fonts[] = {
        {"SSTab1", "MS Sans Serif", 8.25, false, false, false},
        {"Label1", "MS Sans Serif", 8.25, false, false, false},
        {"Label4", "MS Sans Serif", 8.25, false, false, false},
        {"Text1", "MS Sans Serif", 8.25, false, false, false},
        {"Command1", "MS Sans Serif", 8.25, false, false, false},
        {"Label7", "Times New Roman", 36, true, false, false},
        {"Segm", "Times New Roman", 36, true, false, false},
        {"Sag", "Times New Roman", 36, true, false, false},
        {"Label5", "Times New Roman", 36, false, false, false},
        {"Label6", "Times New Roman", 36, false, false, false},
        {"Command3", "Times New Roman", 12, true, false, false},
        {"Command9", "Times New Roman", 12, true, false, false},
        {"Label2", "Times New Roman", 18, true, true, true},
        {"Label3", "Times New Roman", 18, true, true, true},
    };
    for (const Expected& expected : fonts) {
        const QFont font = control(QString::fromUtf8(expected.name))->font();
        EXPECT_EQ(font.family(), QString::fromLatin1(expected.family)) << expected.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points) << expected.name;
        EXPECT_EQ(font.bold(), expected.bold) << expected.name;
        EXPECT_EQ(font.italic(), expected.italic) << expected.name;
        EXPECT_EQ(font.underline(), expected.underline) << expected.name;
    }
}

// Start-up loads these faces before it builds the window; a box in another
// font would load its own while the window waits.
TEST_F(MainWindowLayout, TheLookupBoxesLayOutTheirTextInTheFacesLoadedBeforehand)
{
    for (const char* name : {"Segm", "Sag"}) {
        const QFont font = control(QString::fromLatin1(name))->font();
        EXPECT_TRUE(textBoxFonts().contains(font)) << name;
        EXPECT_TRUE(textBoxFonts().contains(control(QString::fromLatin1(name))->parentWidget()->font())) << name;
    }
}

TEST_F(MainWindowLayout, MissingTypefacesFallBackToLiberationFaces)
{
    if (QFontDatabase::hasFamily(QStringLiteral("Times New Roman"))
        || !QFontDatabase::hasFamily(QStringLiteral("Liberation Serif")))
        GTEST_SKIP() << "needs Liberation Serif without Times New Roman";
    EXPECT_EQ(QFontInfo(control(QStringLiteral("Segm"))->font()).family(), QStringLiteral("Liberation Serif"));
    if (!QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
        && QFontDatabase::hasFamily(QStringLiteral("Liberation Sans Narrow"))) {
        EXPECT_EQ(
            QFontInfo(control(QStringLiteral("Label1"))->font()).family(), QStringLiteral("Liberation Sans Narrow"));
    }
}

TEST_F(MainWindowLayout, TooltipsAndAccessibleNames)
{
    EXPECT_EQ(control(QStringLiteral("Segm"))->toolTip(), QStringLiteral("Сегмент"));
    EXPECT_EQ(control(QStringLiteral("Sag"))->toolTip(), QStringLiteral("Шаг"));
    EXPECT_EQ(control(QStringLiteral("Command2"))->toolTip(), QStringLiteral("Найти описание неисправности"));
    EXPECT_EQ(control(QStringLiteral("Picture2"))->toolTip(), QStringLiteral("Фото любимой АТС"));
    EXPECT_EQ(control(QStringLiteral("Text1"))->toolTip(), QStringLiteral("Easter egg"));
    EXPECT_TRUE(control(QStringLiteral("Command8"))->toolTip().isEmpty());

    // The boxes and the arrow are named as their tooltips read.
    for (const char* name : {"Segm", "Sag", "Command2"})
        EXPECT_EQ(control(QString::fromLatin1(name))->accessibleName(), control(QString::fromLatin1(name))->toolTip())
            << name;
    EXPECT_EQ(control(QStringLiteral("Command8"))->accessibleName(), QStringLiteral("О программе"));
}

TEST_F(MainWindowLayout, LinksLookLikeLinksAndShareOneSettingNoOtherLabelHas)
{
    const auto* site = control<QLabel>(QStringLiteral("Label2"));
    const auto* forum = control<QLabel>(QStringLiteral("Label3"));
    EXPECT_EQ(site->text(), siteAddress);
    EXPECT_EQ(forum->text(), forumAddress);
    for (const QLabel* link : {site, forum}) {
        EXPECT_EQ(link->palette().color(link->foregroundRole()), QColor(0, 0, 255));
        // The colour must reach the screen, not only the palette.
        const QImage drawn = const_cast<QLabel*>(link)->grab().toImage();
        bool blueDrawn = false;
        for (int y = 0; y < drawn.height() && !blueDrawn; ++y) {
            for (int x = 0; x < drawn.width() && !blueDrawn; ++x)
                blueDrawn = drawn.pixel(x, y) == qRgb(0, 0, 255);
        }
        EXPECT_TRUE(blueDrawn) << link->objectName();
    }

    EXPECT_EQ(site->alignment(), forum->alignment());
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (label != site && label != forum) {
            EXPECT_NE(label->alignment(), site->alignment()) << label->objectName();
        }
    }
}

TEST_F(MainWindowLayout, TheLinkPointerShowsOverTheFourLinksAndNowhereElse)
{
    const QStringList links{"Label2", "Label3", "Picture3", "Picture4"};
    for (const QString& name : links) {
        const QCursor pointer = control(name)->cursor();
        ASSERT_EQ(pointer.shape(), Qt::BitmapCursor) << name;
        const QPixmap picture = pointer.pixmap();
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(32, 32)) << name;
        EXPECT_EQ(pointer.hotSpot(), control(QStringLiteral("Label2"))->cursor().hotSpot());
    }
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!links.contains(widget->objectName()) && widget->objectName() != QLatin1String("Segm")
            && widget->objectName() != QLatin1String("Sag") && widget->objectName() != QLatin1String("Text1")) {
            EXPECT_FALSE(widget->testAttribute(Qt::WA_SetCursor)) << widget->objectName();
        }
    }
    EXPECT_FALSE(form->testAttribute(Qt::WA_SetCursor));
}

TEST_F(MainWindowLayout, ReadmeButtonWearsTheTooltipColour)
{
    const QWidget* readme = control(QStringLiteral("Command1"));
    EXPECT_EQ(readme->palette().color(QPalette::Button), readme->palette().color(QPalette::ToolTipBase));
}

} // namespace
} // namespace zornalit::testing
