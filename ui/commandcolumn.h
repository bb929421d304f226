// SPDX-License-Identifier: MIT
// The six command buttons down the right-hand side of the window.
#pragma once

#include <QString>
#include <array>
#include <optional>

class QWidget;
namespace qm {
class XPButton;
}

namespace quorvane::ui {

// What each button does, top to bottom; this is also the tab order.
enum class Command { Restart, Pause, Hint, About, WebSite, Channel };

// The one table of the buttons' fixed names: each command's button is the window control of that
// name (its layout section and object name, and what the engine calls it), standing that far
// down the window. The names are the window's own and were given in another order: XPButton5
// is the third button, XPButton3 the fifth.
struct CommandButton {
    Command command;
    const char* name;
    int topTwips;
};
inline constexpr std::array<CommandButton, 6> kCommandButtons = {{
    {Command::Restart, "XPButton1", 1560},
    {Command::Pause, "XPButton2", 2640},
    {Command::Hint, "XPButton5", 3720},
    {Command::About, "XPButton4", 4800},
    {Command::WebSite, "XPButton3", 5880},
    {Command::Channel, "XPButton6", 6960},
}};

// Places the buttons on the window, each with its look from the stored layout; the window
// connects each button's Click to what it does.
class CommandColumn {
  public:
    explicit CommandColumn(QWidget* window);

    qm::XPButton* button(Command command) const;

    // The command a key stands for: P or Pause, H, F2 for pause, hint and restart.
    static std::optional<Command> commandForKey(int key);
    // A key that stands for a command does what a click on its button does, and nothing while
    // the button is off or hidden.
    void clickForKey(int key) const;

  private:
    std::array<qm::XPButton*, 6> buttons_{};
};

// A caption of the layout, or one the engine writes, in the game's language.
QString buttonCaption(const QString& caption);

// Registers the window's compiled-in layout; the window does it itself, tests may call it first.
void initUiResources();

}  // namespace quorvane::ui
