// The six command buttons in the right-hand column, loaded from the stored layout.
#include <QWidget>
#include <QtGlobal>
#include <array>

#include "frmmain.h"
#include "widgets/propertybag.h"
#include "widgets/xpbutton.h"

// The layout is compiled into this static library; register it before the first read.
static void initLayoutResource() {
    Q_INIT_RESOURCE(layout);
}

namespace quorvane::ui {

void initUiResources() {
    initLayoutResource();
}

void FrmMainWindow::createCommandButtons() {
    initUiResources();
    struct Place {
        const char* name;
        int topTwips;
        void (FrmMainWindow::*handler)();
    };
    // Top to bottom, which is also the tab order.
    const std::array<Place, 6> places = {{
        {"XPButton1", 1560, &FrmMainWindow::restartClicked},
        {"XPButton2", 2640, &FrmMainWindow::pauseClicked},
        {"XPButton5", 3720, &FrmMainWindow::hintClicked},
        {"XPButton4", 4800, &FrmMainWindow::aboutClicked},
        {"XPButton3", 5880, &FrmMainWindow::webSiteClicked},
        {"XPButton6", 6960, &FrmMainWindow::channelClicked},
    }};
    // Indexed by the number in the button's name.
    constexpr std::array<int, 6> slotOf = {0, 1, 4, 3, 2, 5};

    const qm::PropertyBag layout = qm::PropertyBag::Load(QStringLiteral(":/ui/buttons.layout"));
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& place = places[i];
        auto* button = new qm::XPButton(this);
        button->setObjectName(QString::fromLatin1(place.name));
        button->ReadProperties(layout.Section(QString::fromLatin1(place.name)));
        button->setGeometry(9960 / 15, place.topTwips / 15, 80, 33);
        connect(button, &qm::XPButton::Click, this, place.handler);
        if (previous != nullptr) {
            setTabOrder(previous, button);
        }
        previous = button;
        buttons_[slotOf[i]] = button;
    }
}

}  // namespace quorvane::ui
