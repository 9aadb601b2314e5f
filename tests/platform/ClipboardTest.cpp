#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

// Puts a picture, HTML and text on the clipboard, as a browser might.
void fillWithEverything()
{
    auto* data = new QMimeData;
    data->setImageData(QImage(4, 4, QImage::Format_RGB32));
    data->setHtml(QStringLiteral("<b>old</b>"));
    data->setText(QStringLiteral("old"));
    QGuiApplication::clipboard()->setMimeData(data);
}

QStringList clipboardFormats()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->formats() : QStringList();
}

TEST(QtClipboard, ClearLeavesNothingOfAnyFormat)
{
    fillWithEverything();
    ASSERT_FALSE(clipboardFormats().isEmpty());
    QtClipboard().clear();
    EXPECT_TRUE(clipboardFormats().isEmpty()) << clipboardFormats().join(',');
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

TEST(QtClipboard, PlainTextIsTheOnlyFormatAndExactlyTheText)
{
    fillWithEverything();
    QtClipboard clipboard;
    clipboard.clear();
    clipboard.setPlainText(QStringLiteral("http://kvant.example/forum"));
    EXPECT_EQ(clipboardFormats(), QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://kvant.example/forum"));
}

} // namespace
} // namespace zornalit
