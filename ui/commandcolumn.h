// The six command buttons down the right-hand side of the window.
#pragma once

#include <array>

class QWidget;
namespace qm {
class XPButton;
}

namespace quorvane::ui {

// What each button does, top to bottom; this is also the tab order.
enum class Command { Restart, Pause, Hint, About, WebSite, Channel };

// Places the buttons on the window, each with its look from the stored layout; the window
// connects each button's Click to what it does.
class CommandColumn {
  public:
    explicit CommandColumn(QWidget* window);

    qm::XPButton* button(Command command) const;

  private:
    std::array<qm::XPButton*, 6> buttons_{};
};

// Registers the window's compiled-in layout; the window does it itself, tests may call it first.
void initUiResources();

}  // namespace quorvane::ui
