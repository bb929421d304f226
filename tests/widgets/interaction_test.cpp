// SPDX-License-Identifier: MIT
// Mouse, keyboard, hover and option groups, driven by Qt events.
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "helpers.h"

using namespace qmtest;
namespace timer = qm::modQmTimer;

class Interaction : public WidgetTest {
  protected:
    // Every event of a button, in order, as short words.
    QStringList Record(XPButton* b) {
        auto log = std::make_shared<QStringList>();
        logs_.push_back(log);
        connect(b, &XPButton::MouseDown,
                [log](qint16 bt, qint16, float, float) { *log << QString("down%1").arg(bt); });
        connect(b, &XPButton::MouseUp,
                [log](qint16 bt, qint16, float, float) { *log << QString("up%1").arg(bt); });
        connect(b, &XPButton::KeyDown, [log](qint16 k, qint16) { *log << QString("kd%1").arg(k); });
        connect(b, &XPButton::KeyUp, [log](qint16 k, qint16) { *log << QString("ku%1").arg(k); });
        connect(b, &XPButton::Click, [log] { *log << "click"; });
        connect(b, &XPButton::DoubleClick, [log](qint16 bt) { *log << QString("dbl%1").arg(bt); });
        connect(b, &XPButton::MouseOnButton, [log](bool on) { *log << (on ? "on" : "off"); });
        return {};
    }
    QStringList& Log(std::size_t i = 0) { return *logs_.at(i); }
    template <typename F>
    static void connect(XPButton* b, auto signal, F f) {
        QObject::connect(b, signal, b, f);
    }

    std::vector<std::shared_ptr<QStringList>> logs_;
};

TEST_F(Interaction, HoverRaisesOnOnceAndOffAfterTheCursorLeaves) {
    XPButton* b = Make(80, 33, 2, 0);
    Record(b);
    QSignalSpy moves(b, &XPButton::MouseMove);
    Enter(b, {10, 10});
    Enter(b, {20, 12});
    Enter(b, {30, 14});
    EXPECT_EQ(Log(), QStringList({"on"}));
    EXPECT_EQ(moves.count(), 3);
    EXPECT_TRUE(b->HoverActive());
    EXPECT_TRUE(b->StatusFlags() & XPButton::kHot);
    // One timer, identifier 237, every 50 ms, found through the window properties.
    EXPECT_TRUE(timer::IsTimerSet(b, 237));
    const auto timers = b->findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers[0]->interval(), 50);
    EXPECT_EQ(timer::GetProp(b, "qm_TimerID"), 237u);
    EXPECT_EQ(timer::GetProp(b, "qm_ClassID"), reinterpret_cast<quintptr>(b));
    const QRgb hotRing = Px(b, 2, 16);

    QTest::qWait(120);  // ticks while the cursor stays: nothing happens
    EXPECT_EQ(Log(), QStringList({"on"}));
    CursorOver() = host.get();
    QTRY_COMPARE_WITH_TIMEOUT(Log(), QStringList({"on", "off"}), 2000);
    EXPECT_FALSE(b->HoverActive());
    EXPECT_FALSE(timer::IsTimerSet(b, 237));
    EXPECT_NE(Px(b, 2, 16), hotRing);
    // A move outside the button is no entry.
    Enter(b, {200, 10});
    EXPECT_EQ(Log().size(), 2);
    Enter(b, {5, 5});
    EXPECT_EQ(Log().last(), "on");
}

TEST_F(Interaction, AnEnterEventWithoutAMoveStartsTheHoverToo) {
    XPButton* b = Make();
    Record(b);
    CursorOver() = b;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b, &enter);
    EXPECT_EQ(Log(), QStringList({"on"}));
    EXPECT_TRUE(timer::IsTimerSet(b, 237));
    Press(b);
    EXPECT_EQ(b->StatusFlags() & (XPButton::kHot | XPButton::kPressed),
              XPButton::kHot | XPButton::kPressed);
}

TEST_F(Interaction, ClicksByMode) {
    XPButton* b = Make();
    Record(b);
    Enter(b);
    Press(b);
    EXPECT_TRUE(b->StatusFlags() & XPButton::kPressed);
    EXPECT_TRUE(b->Held());
    Release(b);
    EXPECT_EQ(Log(), QStringList({"on", "down1", "up1", "click"}));

    // Dragged off and released outside: no click.
    Log().clear();
    Press(b);
    Release(b, {200, 200});
    EXPECT_EQ(Log(), QStringList({"down1", "up1"}));
    // Right button: no click either.
    Log().clear();
    Mouse(b, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    Mouse(b, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(Log(), QStringList({"down2", "up2"}));

    b->setMode(1);
    Press(b);
    Release(b);
    EXPECT_TRUE(b->value());
    Press(b);
    Release(b);
    EXPECT_FALSE(b->value());
}

TEST_F(Interaction, DoubleClickPressesAgainButClicksOnce) {
    XPButton* b = Make();
    b->setMode(1);
    Record(b);
    Press(b);
    Release(b);
    Mouse(b, QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(b->StatusFlags() & XPButton::kPressed);
    Release(b);
    EXPECT_EQ(Log(), QStringList({"down1", "up1", "click", "dbl1", "down1", "up1"}));
    EXPECT_TRUE(b->value());
    Press(b);
    Release(b);
    EXPECT_EQ(Log().last(), "click");
}

TEST_F(Interaction, SpaceClicksCommandAndCheckButtonsInTheirOrder) {
    XPButton* b = Make();
    Record(b);
    Key(b, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_TRUE(b->StatusFlags() & XPButton::kPressed);
    EXPECT_FALSE(b->StatusFlags() & XPButton::kHot);  // lit for the paint only
    Key(b, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(Log(), QStringList({"kd32", "click", "ku32"}));

    Log().clear();
    b->setMode(1);
    Key(b, QEvent::KeyPress, Qt::Key_Space);
    Key(b, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(Log(), QStringList({"kd32", "ku32", "click"}));
    EXPECT_TRUE(b->value());
    EXPECT_FALSE(b->StatusFlags() & XPButton::kPressed);
}

TEST_F(Interaction, ArrowsGoToTheContainerNotToTheHost) {
    XPButton* b = Make();
    Record(b);
    Key(b, QEvent::KeyPress, Qt::Key_Left);
    Key(b, QEvent::KeyRelease, Qt::Key_Left);
    Key(b, QEvent::KeyPress, Qt::Key_A);
    EXPECT_EQ(Log(), QStringList({"kd65"}));
    // A went on to the parent at once; the arrow is posted, not yet delivered.
    EXPECT_EQ(host->keysReceived, std::vector<int>({Qt::Key_A}));
    QCoreApplication::sendPostedEvents(host.get(), QEvent::KeyPress);
    EXPECT_EQ(host->keysReceived, std::vector<int>({Qt::Key_A, Qt::Key_Left}));
}

TEST_F(Interaction, KeysTheButtonDoesNotUseGoOnToItsParent) {
    XPButton* b = Make();
    host->show();
    b->setFocus();
    Record(b);
    const std::vector<int> none;
    // F1 and Enter: raised as the button's own key events, then handled by the parent.
    QTest::keyClick(b, Qt::Key_F1);
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(Log(), QStringList({"kd112", "ku112", "kd13", "ku13"}));
    EXPECT_EQ(host->keysReceived, std::vector<int>({Qt::Key_F1, Qt::Key_Return}));
    EXPECT_EQ(host->keysReleased, std::vector<int>({Qt::Key_F1, Qt::Key_Return}));
    // An arrow reaches the parent too (posted, as the container's own key), without KeyDown.
    Log().clear();
    host->keysReceived.clear();
    host->keysReleased.clear();
    QTest::keyClick(b, Qt::Key_Right);
    QCoreApplication::sendPostedEvents(host.get(), QEvent::KeyPress);
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_EQ(host->keysReceived, std::vector<int>({Qt::Key_Right}));
    // Space is the button's: it clicks and stops there.
    host->keysReceived.clear();
    host->keysReleased.clear();
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(Log(), QStringList({"kd32", "click", "ku32"}));
    EXPECT_EQ(host->keysReceived, none);
    EXPECT_EQ(host->keysReleased, none);
}

TEST_F(Interaction, AccessKeysEnterAndEsc) {
    XPButton* cmd = Make();
    Record(cmd);
    cmd->AccessKeyPress('G');
    cmd->AccessKeyPress(13);
    cmd->AccessKeyPress(27);
    EXPECT_EQ(Log(0), QStringList({"click", "click", "click"}));
    XPButton* chk = Make();
    chk->setMode(1);
    Record(chk);
    chk->AccessKeyPress(13);
    chk->AccessKeyPress(27);
    EXPECT_TRUE(Log(1).isEmpty());
    chk->AccessKeyPress('G');
    EXPECT_EQ(Log(1), QStringList({"click"}));
    EXPECT_TRUE(chk->value());
}

TEST_F(Interaction, AltAndTheAccessKeyClicks) {
    XPButton* b = Make();
    b->setCaption("&Go");
    host->show();
    host->activateWindow();
    if (!QTest::qWaitForWindowActive(host.get())) {
        GTEST_SKIP() << "the platform cannot activate a window";
    }
    QSignalSpy clicks(b, &XPButton::Click);
    QTest::keyClick(host.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b->setCaption("&Stop");  // the old key goes away with the new one
    QTest::keyClick(host.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(host.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(Interaction, OptionGroupsJoinSelectAndRenumber) {
    XPButton* a = Make();
    XPButton* b = Make();
    XPButton* c = Make();
    for (XPButton* x : {a, b, c}) {
        x->setMode(2);
    }
    EXPECT_EQ(timer::GetProp(host.get(), "qm_OptCount"), 3u);
    EXPECT_EQ(timer::GetProp(host.get(), "1qm_Obj"), reinterpret_cast<quintptr>(a));
    EXPECT_EQ(timer::GetProp(host.get(), "2qm_Obj"), reinterpret_cast<quintptr>(b));
    EXPECT_EQ(timer::GetProp(host.get(), "3qm_Obj"), reinterpret_cast<quintptr>(c));

    Record(a);
    Press(a);
    Release(a);
    EXPECT_TRUE(a->value());
    Press(b);
    Release(b);
    EXPECT_TRUE(b->value());
    EXPECT_FALSE(a->value());
    Log().clear();
    Press(a);
    Release(a);  // selected already? no: a was cleared, so this selects it again
    EXPECT_EQ(Log().last(), "click");
    Log().clear();
    Press(a);
    Release(a);  // a selected option button raises nothing on a click
    EXPECT_EQ(Log(), QStringList({"down1", "up1"}));

    b->setMode(0);
    EXPECT_EQ(timer::GetProp(host.get(), "qm_OptCount"), 2u);
    EXPECT_EQ(timer::GetProp(host.get(), "2qm_Obj"), reinterpret_cast<quintptr>(c));
    EXPECT_FALSE(timer::HasProp(host.get(), "3qm_Obj"));

    // Arrow key-up selects an unselected option button.
    Key(c, QEvent::KeyPress, Qt::Key_Down);
    Key(c, QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_TRUE(c->value());
    EXPECT_FALSE(a->value());
}

TEST_F(Interaction, FocusSelectsAnOptionOnlyWhenNoneIs) {
    host->show();
    XPButton* a = Make();
    XPButton* b = Make();
    a->setMode(2);
    b->setMode(2);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(a, &in);
    EXPECT_TRUE(a->value());
    QApplication::sendEvent(b, &in);
    EXPECT_FALSE(b->value());
    EXPECT_TRUE(a->value());
}

TEST_F(Interaction, AButtonLeavesItsGroupWhenDestroyed) {
    XPButton* a = Make();
    XPButton* b = Make();
    XPButton* c = Make();
    for (XPButton* x : {a, b, c}) {
        x->setMode(2);
    }
    delete b;
    EXPECT_EQ(timer::GetProp(host.get(), "qm_OptCount"), 2u);
    EXPECT_EQ(timer::GetProp(host.get(), "2qm_Obj"), reinterpret_cast<quintptr>(c));
    // Selecting now walks only live members (the sanitizer build would catch a stale one).
    a->setValue(true);
    c->setValue(true);
    EXPECT_FALSE(a->value());
    delete a;
    delete c;
    EXPECT_FALSE(timer::HasProp(host.get(), "qm_OptCount"));
    EXPECT_FALSE(timer::HasProp(host.get(), "1qm_Obj"));
}

TEST_F(Interaction, AGroupWithABadEntryStaysConsistent) {
    XPButton* a = Make();
    XPButton* b = Make();
    a->setMode(2);
    b->setMode(2);
    // Another program wrote garbage into the group, and an entry went missing.
    timer::SetProp(host.get(), "qm_OptCount", 4);
    timer::SetProp(host.get(), "3qm_Obj", 0xDEAD0);
    a->setValue(true);  // skips what is not a live button
    EXPECT_FALSE(b->value());
    a->setMode(0);
    EXPECT_EQ(timer::GetProp(host.get(), "qm_OptCount"), 1u);
    EXPECT_EQ(timer::GetProp(host.get(), "1qm_Obj"), reinterpret_cast<quintptr>(b));
    for (const char* k : {"2qm_Obj", "3qm_Obj", "4qm_Obj"}) {
        EXPECT_FALSE(timer::HasProp(host.get(), k)) << k;
    }
}

TEST_F(Interaction, ReadingAnOptionButtonJoinsOnce) {
    XPButton* a = Make();
    const qm::PropertyBag bag = qm::PropertyBag::Parse("[o]\nMode = 2\nValue = 0\n");
    a->ReadProperties(bag.Section("o"));
    a->ReadProperties(bag.Section("o"));
    EXPECT_EQ(timer::GetProp(host.get(), "qm_OptCount"), 1u);
    a->ReadProperties(qm::PropertyBag::Parse("[c]\nMode = 0\n").Section("c"));
    EXPECT_FALSE(timer::HasProp(host.get(), "qm_OptCount"));
}

TEST_F(Interaction, DestroyedWhileHoveringStopsItsTimer) {
    XPButton* b = Make();
    Enter(b);
    ASSERT_TRUE(timer::IsTimerSet(b, 237));
    QPointer<QTimer> t = b->findChild<QTimer*>();
    delete b;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(t.isNull());
    QTest::qWait(70);  // no tick reaches the freed button
}

TEST_F(Interaction, OnePaintPerUpdateAndNoneWhenIdle) {
    XPButton* b = Make();
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    QTest::qWait(50);
    struct Counter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    b->installEventFilter(&counter);
    QTest::qWait(150);  // the first exposure settles
    counter.paints = 0;
    QTest::qWait(150);
    EXPECT_EQ(counter.paints, 0) << "idle";
    b->update();  // a paint the button did not ask for: it draws afresh and copies once
    QTest::qWait(150);
    EXPECT_EQ(counter.paints, 1);
    b->setCaption("again");  // a property change: drawn once, copied once
    QTest::qWait(150);
    EXPECT_EQ(counter.paints, 2);
}

TEST_F(Interaction, AmbientChangesReachTheLook) {
    XPButton* b = Make(80, 33, 0, 4);
    b->setCaption(QString());
    const QRgb before = Px(b, 40, 0);
    host->back = qm::Rgb(0, 0, 120);
    b->AmbientChanged("BackColor");
    EXPECT_NE(Px(b, 40, 0), before);  // the elliptic rim is shaded from the container colour
    host->looksDefault = true;
    b->setShowFocusRect(false);
    b->AmbientChanged("DisplayAsDefault");
    EXPECT_FALSE(b->StatusFlags() & XPButton::kDefaultLook);
    b->setShowFocusRect(true);
    b->AmbientChanged("DisplayAsDefault");
    EXPECT_TRUE(b->StatusFlags() & XPButton::kDefaultLook);
}
