// Qt's own words reach the operator in Russian.

#include "MainWindowFixture.h"

#include "app/QtTranslation.h"

#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

namespace zornalit::testing {
namespace {

class QtWords : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loadQtCatalogue(translator, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            << "Qt's Russian catalogue is not installed";
        QCoreApplication::installTranslator(&translator);
        // Built after the catalogue, as the program does.
        MainWindowTest::SetUp();
    }

    void TearDown() override
    {
        MainWindowTest::TearDown();
        QCoreApplication::removeTranslator(&translator);
    }

    QTranslator translator;
};

TEST_F(QtWords, TheTextBoxesContextMenusAreRussian)
{
    // What the operator reads; the key names after the tab stay as keyboards print them.
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (const char* name : {"Segm", "Sag", "Text1"}) {
        std::unique_ptr<QMenu> menu(control<QLineEdit>(QString::fromLatin1(name))->createStandardContextMenu());
        int words = 0;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
            ++words;
            EXPECT_FALSE(text.contains(latin)) << name << ": " << text;
            EXPECT_FALSE(text.isEmpty()) << name;
        }
        EXPECT_GE(words, 6) << name;
    }
}

TEST(QtCatalogue, AMissingCatalogueIsReportedNotFatal)
{
    QTemporaryDir empty;
    QTranslator translator;
    EXPECT_FALSE(loadQtCatalogue(translator, empty.path()));
    EXPECT_TRUE(translator.isEmpty());
}

} // namespace
} // namespace zornalit::testing
