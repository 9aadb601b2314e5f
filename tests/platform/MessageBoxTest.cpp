#include "platform/qt/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

TEST(QtMessageBox, PlainStyleHasOnlyAnOkButtonAndNoIcon)
{
    const auto box = QtMessageBox::build(QStringLiteral("К сожалению, описание этого типа повреждения не обнаружено"),
        MessageStyle::Plain, QStringLiteral("СЕГМ 12.3."), nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("СЕГМ 12.3."));
    EXPECT_EQ(box->text(), QStringLiteral("К сожалению, описание этого типа повреждения не обнаружено"));
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().first()), QMessageBox::Ok);
}

TEST(QtMessageBox, ErrorStyleShowsTheErrorIcon)
{
    const auto box = QtMessageBox::build(
        QStringLiteral("Недопустимый номер шага"), MessageStyle::Error, QStringLiteral("Ошибка!"), nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().first()), QMessageBox::Ok);
}

TEST(QtMessageBox, ShowWaitsUntilTheOperatorClosesIt)
{
    QString seenTitle;
    QString seenText;
    bool closed = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenTitle = box->windowTitle();
        seenText = box->text();
        closed = true;
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBox().show(QStringLiteral("Chtirliz, und wo Sie bewahren die Instruktion N 9?!"), MessageStyle::Plain,
        QStringLiteral("Фронтальная проверка :-("));
    EXPECT_TRUE(closed);
    EXPECT_EQ(seenTitle, QStringLiteral("Фронтальная проверка :-("));
    EXPECT_EQ(seenText, QStringLiteral("Chtirliz, und wo Sie bewahren die Instruktion N 9?!"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace zornalit
