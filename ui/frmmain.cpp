// SPDX-License-Identifier: MIT
#include "ui/frmmain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include "assets/assets.h"
#include "engine/engine.h"
#include "ui/about.h"
#include "ui/accessibility/announcements.h"
#include "ui/accessibility/boardaccessible.h"
#include "ui/board/boardview.h"
#include "ui/enginehost.h"
#include "ui/firstdeal.h"
#include "ui/frame/linklabel.h"
#include "ui/frame/skinnedframe.h"
#include "ui/frame/twips.h"
#include "ui/frame/windowplace.h"
#include "ui/levelcaption.h"
#include "ui/system/display.h"
#include "ui/system/platform.h"
#include "ui/system/startuptrace.h"
#include "widgets/xpbutton.h"

namespace quorvane::ui {

FrmMainWindow::FrmMainWindow(const QString& dataDir, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window), dataDir_(dataDir) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    accessibility::markMainWindow(this);
    buildControls();
    host_ = std::make_unique<EngineHost>(
        dataDir,
        EngineHost::Widgets{board_, timeBar_, levelNumber_, nextLevelLink_,
                            commands_->button(Command::Pause), commands_->button(Command::Hint)},
        this);
    // The countdown's tick has run first. The time bar's value is read when asked for, never
    // sent (readers speak every change of a progress bar); running low, the time is told.
    connect(&host_->countdown(), &IntervalTimer::timeout, this,
            [this] { accessibility::clockTicked(this); });
    // The first frame needs no sound; the first press does, at once: the player's first move
    // readies it.
    connect(this, &FrmMainWindow::firstFrameShown, host_.get(),
            &EngineHost::prepareSoundsOnFirstInput);
}

FrmMainWindow::~FrmMainWindow() = default;

// Children are made in stacking order, bottom first.
void FrmMainWindow::buildControls() {
    boardPanel_ = new QWidget(this);
    boardPanel_->setGeometry(pxRect(60, 480, 9855, 7695));

    board_ = new BoardView(pictures_, boardPanel_);
    accessibility::attachBoard(board_);
    board_->move(px(120), px(360));
    connect(board_, &BoardView::released, this, &FrmMainWindow::boardReleased);

    timeBar_ = new PictureBox(pictures_, QSize(450, 10), boardPanel_);
    timeBar_->move(px(2550), px(60));
    timeBar_->setBackColor(QColor(QRgb(kFrameBodyRgb)).darker(160));
    timeBar_->Cls();

    const LevelCaption levelCaption = makeLevelCaption(boardPanel_);
    levelPrefix_ = levelCaption.before;
    levelNumber_ = levelCaption.number;
    levelSuffix_ = levelCaption.after;
    accessibility::markTimeBar(timeBar_);
    accessibility::markLevelCaption(levelNumber_, levelPrefix_, levelSuffix_);

    // The link grows to the right when one of its two captions needs it.
    nextLevelLink_ = new LinkLabel(engineText(kNextLevelCaption), this);
    nextLevelLink_->setGeometry(pxRect(9990, 570, 945, 210));
    const QFontMetrics link(nextLevelLink_->font());
    nextLevelLink_->resize(
        std::max({nextLevelLink_->width(), link.horizontalAdvance(engineText(kNextLevelCaption)),
                  link.horizontalAdvance(engineText(kContinueCaption))}),
        nextLevelLink_->height());
    nextLevelLink_->setStyleSheet(QStringLiteral("color: #c00000;"));
    nextLevelLink_->hide();
    nextLevelLink_->setEnabled(false);
    connect(nextLevelLink_, &LinkLabel::clicked, this, &FrmMainWindow::nextLevelClicked);

    notice_ = makeNotice(this);
    connect(notice_, &LinkLabel::clicked, this, &FrmMainWindow::webSiteClicked);

    frame_ = new SkinnedFrame(this, title());
    // A left press around the board, on the time bar or on the level caption drags the window.
    for (QWidget* source : std::initializer_list<QWidget*>{boardPanel_, timeBar_, levelPrefix_,
                                                           levelNumber_, levelSuffix_}) {
        frame_->addDragSource(source);
    }
    connect(frame_, &SkinnedFrame::closeClicked, this, &FrmMainWindow::closeImageClicked);
    connect(frame_, &SkinnedFrame::minimiseClicked, this, &FrmMainWindow::minimiseImageClicked);

    commands_ = std::make_unique<CommandColumn>(this);
    const auto onClick = [this](Command command, void (FrmMainWindow::*handler)()) {
        connect(commands_->button(command), &qm::XPButton::Click, this, handler);
    };
    onClick(Command::Restart, &FrmMainWindow::restartClicked);
    onClick(Command::Pause, &FrmMainWindow::pauseClicked);
    onClick(Command::Hint, &FrmMainWindow::hintClicked);
    onClick(Command::About, &FrmMainWindow::aboutClicked);
    onClick(Command::WebSite, &FrmMainWindow::webSiteClicked);
    onClick(Command::Channel, &FrmMainWindow::channelClicked);
    // Tab goes down the buttons, then to the board and round to the first button again. The
    // window opens with the first button focused: the focus is given, as the board, made before
    // the buttons, would otherwise take it when the window first becomes active.
    QWidget::setTabOrder(commands_->button(Command::Channel), board_);
    commands_->button(Command::Restart)->setFocus();
}

// ---- the window's life: load, every resize, unload ----

void FrmMainWindow::Form_Load() {
    setFixedSize(px(Twips::kWindowWidth), px(Twips::kWindowHeight));

    place_.load(screen() != nullptr ? screen() : QApplication::primaryScreen());
    setWindowTitle(title());
    commands_->button(Command::WebSite)->setCaption(buttonCaption(QStringLiteral("官方网站")));
    show();
    timeBar_->PaintPicture(Form2::Picture4, 0, 0, 450, 10);

    initGameState();
    dealFirstLevel();
}

void FrmMainWindow::Form_Resize() {
    notice_->move(width() - notice_->width() - px(120), height() - notice_->height() - px(75));
    frame_->layOut();
    frame_->paintSkin();
    frame_->applyRegion();

    place_.moveOntoScreen(this);
}

void FrmMainWindow::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    place_.save(this);
}

// ---- what the controls do ----

void FrmMainWindow::restartClicked() {
    if (!desktop().askYesNo(this, QStringLiteral("Quorvane"),
                            QCoreApplication::translate("Window", "你确定要重新载入游戏吗？"))) {
        return;
    }
    startLevel();
    commands_->button(Command::Pause)->setCaption(engineText(kPauseCaption));
}

void FrmMainWindow::pauseClicked() {
    playClickCue();
    togglePause();
}

// The button is off while the hint runs; a button that is turned off hands the focus on, so it
// goes back to where it was, on the button itself or, after the H key, wherever the player was.
void FrmMainWindow::hintClicked() {
    qm::XPButton* hint = commands_->button(Command::Hint);
    const QPointer<QWidget> focused = focusWidget();
    hint->setEnabled(false);
    useHint();
    hint->setEnabled(true);
    if (focused != nullptr && focused != focusWidget()) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void FrmMainWindow::aboutClicked() {
    desktop().inform(this, QCoreApplication::translate("Window", "关于本程序..."), aboutText());
}

void FrmMainWindow::webSiteClicked() {
    desktop().open(QUrl(QString::fromLatin1(kProductPageUrl)));
}

void FrmMainWindow::channelClicked() {
    desktop().open(QUrl(QString::fromLatin1(kGameChannelUrl)));
}

void FrmMainWindow::nextLevelClicked() {
    startLevel();
}

// A release over the board resumes a paused game and takes up the next-level offer.
void FrmMainWindow::boardReleased() {
    if (paused == True) {
        pauseClicked();
    }
    if (!nextLevelLink_->isHidden() && nextLevelLink_->isEnabled()) {
        nextLevelClicked();
    }
}

void FrmMainWindow::closeImageClicked() {
    if (desktop().askYesNo(this, QStringLiteral("Quorvane"),
                           QCoreApplication::translate("Window", "你确定要关闭并结束程序吗？"))) {
        close();
    }
}

void FrmMainWindow::minimiseImageClicked() {
    place_.follow(this);
    showMinimized();
}

// ---- events ----

void FrmMainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    frame_->paint(painter);
    if (!firstFrameReported_) {
        firstFrameReported_ = true;
        // The first frame starts here and is whole, the children painted too, once it has been
        // handed to the display.
        traceStartup("first paint");
        QMetaObject::invokeMethod(
            this,
            [this] {
                traceStartup("first frame");
                emit firstFrameShown();
            },
            Qt::QueuedConnection);
    }
}

bool FrmMainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Close) {
        Form_Unload();
        host_->shutDown();
    }
    // A close is accepted here, and the last window closing ends the program.
    const bool handled = QWidget::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Move) {
        place_.follow(this);
    }
    if (type == QEvent::Resize || type == QEvent::Show ||
        (type == QEvent::WindowStateChange && !isMinimized())) {
        Form_Resize();
    }
    return handled;
}

// The keys no control took: the buttons pass on all but Space, the board all but the arrows,
// Space and Return. A shortcut does what a click on its control does, and nothing while the
// control is off; a held key counts once.
void FrmMainWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_F1) {
        openHelpPage(helpFile());
        return;
    }
    const bool plain =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (!plain) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (CommandColumn::commandForKey(key)) {
        if (!event->isAutoRepeat()) {
            commands_->clickForKey(key);
        }
        return;
    }
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            board_->arrowKey(key);
            return;
        case Qt::Key_N:
            if (!event->isAutoRepeat() && !nextLevelLink_->isHidden() &&
                nextLevelLink_->isEnabled()) {
                nextLevelClicked();
            }
            return;
        case Qt::Key_T:
            // Heard only through a screen reader: the time left and the level.
            accessibility::tellTime(this);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace quorvane::ui
