#pragma once

// A main window built on the recording platform, with helpers to find its
// controls by object name and to act while a modal window is on screen.

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/PictureBox.h"
#include "app/TabControl.h"
#include "fakes/FakePlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace zornalit::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installFontSubstitutes();
        form = std::make_unique<Form1>(fake.platform());
    }

    void TearDown() override
    {
        form.reset();
        QApplication::processEvents();
    }

    template <typename Control = QWidget>
    Control* control(const QString& name) const
    {
        auto* found = form->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }

    // Loads the pictures as a program start does: the cover before the first
    // paint, everything else right after it.
    void startUp() { form->loadAfterFirstPaint(form->loadCoverFirst()); }

    TabControl* tabs() const { return control<TabControl>(QStringLiteral("SSTab1")); }

    // The two query boxes: the segment's, then the step's.
    std::pair<QLineEdit*, QLineEdit*> queryBoxes() const
    {
        return {control<QLineEdit>(QStringLiteral("Segm")), control<QLineEdit>(QStringLiteral("Sag"))};
    }

    // The About window, found the way a user finds it: the program's
    // window named "Form2", shown or hidden.
    static QWidget* aboutWindow()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("Form2"))
                return window;
        }
        return nullptr;
    }

    // The picture the About window shows.
    static QImage aboutPicture()
    {
        QWidget* window = aboutWindow();
        auto* picture = window ? window->findChild<PictureBox*>(QStringLiteral("Picture1")) : nullptr;
        EXPECT_NE(picture, nullptr) << "no About window with its picture";
        return picture ? picture->image() : QImage();
    }

    // Shows the window and waits until it is the active window, so that
    // focus changes and shortcuts behave as on a desktop.
    void showActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void clickAt(QWidget* widget, QPoint position = QPoint())
    {
        QTest::mouseClick(
            widget, Qt::LeftButton, Qt::NoModifier, position.isNull() ? widget->rect().center() : position);
    }

    void clickTab(int index) { clickAt(tabs(), tabs()->tabRect(index).center()); }

    // Clicks into a box and types text there, as the operator does.
    void typeInto(QWidget* box, const QString& text)
    {
        clickAt(box);
        QTest::keyClicks(box, text);
    }

    // Runs action once a modal window is on screen, from inside its event
    // loop; call it before the step that opens the modal window. If none
    // appears within two seconds, the test fails instead of hanging.
    void whenModalShown(std::function<void(QWidget* modal)> action)
    {
        auto* poll = new QTimer(form.get());
        auto tries = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, action] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                poll->deleteLater();
                poll->stop();
                action(modal);
                return;
            }
            if (++*tries > 200) {
                poll->stop();
                poll->deleteLater();
                ADD_FAILURE() << "no modal window appeared";
            }
        });
        poll->start(10);
    }

    FakePlatform fake;
    std::unique_ptr<Form1> form;
};

} // namespace zornalit::testing
