#include "commandcolumn.h"

#include <QWidget>
#include <QtGlobal>

#include "twips.h"
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

CommandColumn::CommandColumn(QWidget* window) {
    initUiResources();
    struct Place {
        Command command;
        const char* layoutSection;  // also the button's object name
        int topTwips;
    };
    // In Command order, top to bottom.
    constexpr std::array<Place, 6> places = {{
        {Command::Restart, "XPButton1", 1560},
        {Command::Pause, "XPButton2", 2640},
        {Command::Hint, "XPButton5", 3720},
        {Command::About, "XPButton4", 4800},
        {Command::WebSite, "XPButton3", 5880},
        {Command::Channel, "XPButton6", 6960},
    }};

    const qm::PropertyBag layout = qm::PropertyBag::Load(QStringLiteral(":/ui/buttons.layout"));
    QWidget* previous = nullptr;
    for (const Place& place : places) {
        const QString name = QString::fromLatin1(place.layoutSection);
        // The buttons sit on the window itself: they take their back colour from it.
        auto* button = new qm::XPButton(window);
        button->setObjectName(name);
        button->ReadProperties(layout.Section(name));
        button->setGeometry(px(9960), px(place.topTwips), 80, 33);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, button);
        }
        previous = button;
        buttons_[static_cast<std::size_t>(place.command)] = button;
    }
}

qm::XPButton* CommandColumn::button(Command command) const {
    return buttons_.at(static_cast<std::size_t>(command));
}

}  // namespace quorvane::ui
