// SPDX-License-Identifier: MIT
// The button through QAccessible: role, name, states and actions per type, and the events it
// sends when those change.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "helpers.h"

using namespace qmtest;

namespace {

struct Recorded {
    QAccessible::Event type;
    QObject* object;
    QAccessible::State changed;
};

std::vector<Recorded>& Events() {
    static std::vector<Recorded> events;
    return events;
}

void Record(QAccessibleEvent* event) {
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged) {
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    }
    Events().push_back({event->type(), event->object(), changed});
}

}  // namespace

class Accessibility : public WidgetTest {};

// Qt hands accessibility events on only while the platform's bridge to assistive technology is
// active: on X11 with an accessibility bus (accessible_session.sh runs these tests so). Elsewhere
// they are skipped, unless QM_REQUIRE_ACCESSIBILITY is set.
class AccessibilityEvents : public WidgetTest {
  protected:
    void SetUp() override {
        WidgetTest::SetUp();
        // Only these platforms have a bridge; it comes up a moment after the application.
        const QString platform = QGuiApplication::platformName();
        const bool bridged =
            platform == QLatin1String("xcb") || platform == QLatin1String("wayland");
        QElapsedTimer waited;
        waited.start();
        while (bridged && !QAccessible::isActive() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        if (!QAccessible::isActive()) {
            if (qEnvironmentVariableIsSet("QM_REQUIRE_ACCESSIBILITY")) {
                FAIL() << "accessibility never became active";
            }
            GTEST_SKIP() << "no accessibility bridge on this platform";
        }
        Events().clear();
        previous_ = QAccessible::installUpdateHandler(&Record);
        recording_ = true;
    }
    void TearDown() override {
        if (recording_) {
            QAccessible::installUpdateHandler(previous_);
        }
        WidgetTest::TearDown();
    }
    // The events of one kind about b since the last look; forgets all recorded events.
    static std::vector<Recorded> Take(XPButton* b, QAccessible::Event type) {
        std::vector<Recorded> out;
        for (const Recorded& r : Events()) {
            if (r.object == b && r.type == type) {
                out.push_back(r);
            }
        }
        Events().clear();
        return out;
    }

    bool recording_ = false;
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(Accessibility, RoleNameStatesAndActionsOfEachType) {
    struct Case {
        int mode;
        QAccessible::Role role;
        QStringList actions;
    };
    const Case cases[] = {
        {0, QAccessible::PushButton, {QAccessibleActionInterface::pressAction()}},
        {1,
         QAccessible::CheckBox,
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}},
        {2,
         QAccessible::RadioButton,
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.mode);
        XPButton* b = Make();
        b->setMode(k.mode);
        b->setCaption("Fish && &Chips||now");
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(ai, nullptr);
        EXPECT_EQ(ai->role(), k.role);
        EXPECT_EQ(ai->text(QAccessible::Name), "Fish & Chips now");
        EXPECT_TRUE(ai->text(QAccessible::Description).isEmpty());  // the role says it
        b->setToolTip("Fries");
        EXPECT_EQ(ai->text(QAccessible::Description), "Fries");

        QAccessible::State s = ai->state();
        EXPECT_TRUE(s.focusable);
        EXPECT_FALSE(s.disabled);
        EXPECT_EQ(bool(s.checkable), k.mode != 0);
        EXPECT_FALSE(s.checked);
        EXPECT_FALSE(s.pressed);
        EXPECT_FALSE(s.hotTracked);
        Enter(b);
        Press(b);
        EXPECT_TRUE(ai->state().pressed);
        EXPECT_TRUE(ai->state().hotTracked);
        Release(b);
        EXPECT_FALSE(ai->state().pressed);
        EXPECT_EQ(bool(ai->state().checked), k.mode != 0);  // the click checked it

        // The actions click as the mouse does: Click, and the value turns.
        QAccessibleActionInterface* actions = ai->actionInterface();
        ASSERT_NE(actions, nullptr);
        for (const QString& a : k.actions) {
            EXPECT_TRUE(actions->actionNames().contains(a)) << a.toStdString();
        }
        EXPECT_EQ(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()),
                  k.mode != 0);
        QSignalSpy clicks(b, &XPButton::Click);
        actions->doAction(k.actions.last());
        EXPECT_EQ(clicks.count(), k.mode == 2 ? 0 : 1);  // a selected option stays as it is
        EXPECT_EQ(b->value(), k.mode == 2);
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(b->value(), k.mode != 0);
        EXPECT_EQ(clicks.count(), k.mode == 2 ? 0 : 2);

        b->setEnabled(false);
        EXPECT_TRUE(ai->state().disabled);
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.count(), k.mode == 2 ? 0 : 2);  // a disabled button does nothing
        delete b;
    }
}

TEST_F(Accessibility, PictureOnlyButtonsAreNamedByTheirTooltipAndFocusShows) {
    XPButton* b = Make();
    b->setCaption(QString());
    b->setToolTip("Hint");
    QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(b);
    EXPECT_EQ(ai->text(QAccessible::Name), "Hint");
    b->setAccessibleName("Ask for a hint");
    EXPECT_EQ(ai->text(QAccessible::Name), "Ask for a hint");

    host->show();
    host->activateWindow();
    if (!QTest::qWaitForWindowActive(host.get())) {
        GTEST_SKIP() << "the platform cannot activate a window";
    }
    b->setFocus();
    EXPECT_TRUE(ai->state().focused);
}

TEST_F(AccessibilityEvents, ChangesAreAnnouncedLikeQtButtons) {
    XPButton* b = Make();
    b->setMode(1);
    Events().clear();

    b->setCaption("Again");
    EXPECT_EQ(Take(b, QAccessible::NameChanged).size(), 1u);
    b->setCaption("Again");  // no change, no event
    EXPECT_TRUE(Take(b, QAccessible::NameChanged).empty());

    b->setValue(true);
    auto states = Take(b, QAccessible::StateChanged);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_TRUE(states[0].changed.checked);
    b->setValue(true);
    EXPECT_TRUE(Take(b, QAccessible::StateChanged).empty());

    Press(b);
    states = Take(b, QAccessible::StateChanged);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_TRUE(states[0].changed.pressed);
    Release(b);  // released: pressed off, and the click unchecks it
    states = Take(b, QAccessible::StateChanged);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_TRUE(states[0].changed.pressed);
    EXPECT_TRUE(states[1].changed.checked);

    Key(b, QEvent::KeyPress, Qt::Key_Space);
    Key(b, QEvent::KeyRelease, Qt::Key_Space);
    states = Take(b, QAccessible::StateChanged);
    ASSERT_EQ(states.size(), 3u);  // pressed, released, checked
    EXPECT_TRUE(states[2].changed.checked);

    b->setEnabled(false);  // announced by QWidget itself, once
    states = Take(b, QAccessible::StateChanged);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_TRUE(states[0].changed.disabled);

    // Focus events come from Qt itself.
    b->setEnabled(true);
    XPButton* other = Make();
    host->show();
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    other->setFocus();
    Events().clear();
    b->setFocus();
    EXPECT_EQ(Take(b, QAccessible::Focus).size(), 1u);
}
