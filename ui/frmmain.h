// SPDX-License-Identifier: MIT
// The main window: a borderless, skinned window holding the board, the time bar, the level
// caption, six command buttons and the next-level link. It puts its parts together and answers
// what the player does with its controls:
//   SkinnedFrame   the painted frame, the outline, dragging, the close and minimise images
//   BoardView      the board canvas: presses on cells, the pointer over tiles, the key cursor
//   CommandColumn  the six command buttons
//   EngineHost     what the engine reaches: controls, timers, sounds, random numbers
#pragma once

#include <QWidget>
#include <memory>

#include "ui/about.h"
#include "ui/board/form2.h"
#include "ui/commandcolumn.h"
#include "ui/frame/windowplace.h"

class QLabel;

namespace quorvane::ui {

class BoardView;
class EngineHost;
class LinkLabel;
class PictureBox;
class SkinnedFrame;

class FrmMainWindow : public QWidget {
    Q_OBJECT
  public:
    // dataDir is the game's data folder (dataDir()); the sounds and the help page are looked for
    // there.
    explicit FrmMainWindow(const QString& dataDir, QWidget* parent = nullptr);
    ~FrmMainWindow() override;

    // Shows the window where it was last left (or centred) and deals the first level.
    void Form_Load();

    QString title() const { return gameTitle(); }
    QString aboutText() const { return ui::aboutText(); }
    QString helpFile() const { return helpPage(dataDir_); }

    // Where the window is remembered to be, in twips.
    int savedLeft() const { return place_.twips().x(); }
    int savedTop() const { return place_.twips().y(); }

    BoardView* boardView() const { return board_; }
    QLabel* levelNumber() const { return levelNumber_; }
    LinkLabel* nextLevelLink() const { return nextLevelLink_; }
    LinkLabel* noticeLink() const { return notice_; }
    const CommandColumn& commands() const { return *commands_; }
    SkinnedFrame& skinnedFrame() { return *frame_; }
    EngineHost& engineHost() { return *host_; }

  signals:
    // Once, right after the window's first frame has been painted whole and handed to the
    // display: the moment for work the first frame does not need.
    void firstFrameShown();

  protected:
    // The window's life: Form_Resize after every resize, show and restore, Form_Unload on close.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void Form_Resize();
    void Form_Unload();

    void restartClicked();
    void pauseClicked();
    void hintClicked();
    void aboutClicked();
    void webSiteClicked();
    void channelClicked();
    void nextLevelClicked();
    void boardReleased();
    void closeImageClicked();
    void minimiseImageClicked();

    QString dataDir_;
    Form2Pictures pictures_;

    QWidget* boardPanel_ = nullptr;
    BoardView* board_ = nullptr;
    PictureBox* timeBar_ = nullptr;
    QLabel* levelPrefix_ = nullptr;
    QLabel* levelNumber_ = nullptr;
    QLabel* levelSuffix_ = nullptr;
    LinkLabel* nextLevelLink_ = nullptr;
    LinkLabel* notice_ = nullptr;
    SkinnedFrame* frame_ = nullptr;
    std::unique_ptr<CommandColumn> commands_;
    std::unique_ptr<EngineHost> host_;

    WindowPlace place_;
    bool unloaded_ = false;
    bool firstFrameReported_ = false;
};

}  // namespace quorvane::ui
