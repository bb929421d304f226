#include "frmmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QWindow>
#include <cmath>
#include <cstdio>

#include "assets/assets.h"
#include "engine/engine.h"
#include "frameimage.h"
#include "links.h"
#include "picturebox.h"
#include "platform.h"
#include "positionstore.h"
#include "soundplayer.h"
#include "version.h"
#include "widgets/xpbutton.h"

namespace quorvane::ui {

namespace {

constexpr int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect pxRect(int x, int y, int w, int h) {
    return {px(x), px(y), px(w), px(h)};
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* makeLabel(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

void EngineLabel::setCaption(std::string_view utf8) {
    label_->setText(fromUtf8(utf8));
}

void ButtonCaption::setCaption(std::string_view utf8) {
    button_->setCaption(fromUtf8(utf8));
}

FrmMainWindow::FrmMainWindow(const QString& appDir, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window),
      appDir_(appDir),
      sounds_(std::make_unique<SoundPlayer>(appDir)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    skin_ = loadPicture(":/frame/pmain.png", QSize(271, 218));
    icon_ = loadPicture(":/frame/imico.png", QSize(16, 16));
    tileCursor_ = QCursor(QPixmap(":/board/tile_cursor.png"), kTileCursorHotX, kTileCursorHotY);
    buttonCursor_ =
        QCursor(QPixmap(":/frame/button_cursor.png"), kButtonCursorHotX, kButtonCursorHotY);
    buildControls();
    installEventFilter(this);
    connect(&timer1_, &IntervalTimer::timeout, this, [] { ++delayTicks; });
    connect(&timer2_, &IntervalTimer::timeout, this, [] { countdownTick(); });
    attachWindow(this, this);
}

FrmMainWindow::~FrmMainWindow() {
    closing_ = true;
    attachWindow(nullptr, nullptr);
}

void FrmMainWindow::buildControls() {
    const QColor body{QRgb(kFrameBodyRgb)};

    picture2_ = new QWidget(this);
    picture2_->setGeometry(pxRect(60, 480, 9855, 7695));
    picture2_->installEventFilter(this);

    picture1_ = new PictureBox(pictures_, QSize(640, 480), picture2_);
    picture1_->move(px(120), px(360));
    picture1_->setPicture(pictures_.background());
    picture1_->Cls();
    connect(picture1_, &PictureBox::mouseDown, this, &FrmMainWindow::boardPressed);
    connect(picture1_, &PictureBox::mouseUp, this, &FrmMainWindow::boardReleased);
    connect(picture1_, &PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, QPointF position) { boardMoved(position); });

    picture3_ = new PictureBox(pictures_, QSize(450, 10), picture2_);
    picture3_->move(px(2550), px(60));
    picture3_->setBackColor(body.darker(160));
    picture3_->Cls();
    picture3_->installEventFilter(this);

    label1_ = makeLabel(QStringLiteral("第"), pxRect(840, 0, 300, 285), picture2_);
    label3Widget_ = makeLabel(QStringLiteral("1"), pxRect(1320, 0, 180, 285), picture2_);
    label2_ = makeLabel(QStringLiteral("关"), pxRect(1650, 0, 300, 285), picture2_);
    label3Widget_->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {label1_, label3Widget_, label2_}) {
        label->installEventFilter(this);
    }

    label4Widget_ = makeLabel(QStringLiteral("> 下一关"), pxRect(9990, 570, 945, 210), this);
    label4Widget_->setCursor(Qt::PointingHandCursor);
    label4Widget_->setStyleSheet(QStringLiteral("color: #c00000;"));
    label4Widget_->hide();
    label4Widget_->setEnabled(false);
    label4Widget_->installEventFilter(this);

    lbBR_ = new QLabel(this);
    QFile notice(QStringLiteral(":/text/notice.txt"));
    if (notice.open(QIODevice::ReadOnly)) {
        lbBR_->setText(QString::fromUtf8(notice.readAll()).trimmed());
    }
    lbBR_->setStyleSheet(QStringLiteral("color: #ffffff;"));
    lbBR_->setCursor(Qt::PointingHandCursor);
    lbBR_->adjustSize();
    lbBR_->installEventFilter(this);

    imBar_ = new QWidget(this);
    imBar_->setGeometry(px(720), 0, px(Twips::kWindowWidth - 675), px(375));
    imBar_->setMouseTracking(true);
    imBar_->installEventFilter(this);

    imMin_ = new FrameImage(loadPicture(":/frame/immin1.png", QSize(16, 16)),
                            loadPicture(":/frame/immin2.png", QSize(16, 16)), this);
    imClose_ = new FrameImage(loadPicture(":/frame/imclose1.png", QSize(16, 16)),
                              loadPicture(":/frame/imclose2.png", QSize(16, 16)), this);
    for (FrameImage* image : {imMin_, imClose_}) {
        image->resize(px(255), px(240));
        image->setCursor(buttonCursor_);
    }
    connect(imClose_, &FrameImage::clicked, this, &FrmMainWindow::closeImageClicked);
    connect(imMin_, &FrameImage::clicked, this, &FrmMainWindow::minimiseImageClicked);

    createCommandButtons();

    label3_ = EngineLabel(label3Widget_);
    label4_ = EngineLabel(label4Widget_);
    xpButton2Caption_ = ButtonCaption(buttons_[1]);
    xpButton5Caption_ = ButtonCaption(buttons_[4]);
}

// ---- the window's life ----

void FrmMainWindow::Form_Load() {
    // The folder the window was given (the program's own), without a trailing separator.
    while (appDir_.endsWith('/') || appDir_.endsWith('\\')) {
        appDir_.chop(1);
    }
    setFixedSize(px(Twips::kWindowWidth), px(Twips::kWindowHeight));

    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QApplication::primaryScreen();
    const QSize screenPx = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
    savedLeft_ = (screenPx.width() * Twips::kPerPixel - Twips::kWindowWidth) / 2;
    savedTop_ = (screenPx.height() * Twips::kPerPixel - Twips::kWindowHeight) / 2;
    const QPoint saved = loadWindowPosition(QPoint(savedLeft_, savedTop_));
    savedLeft_ = saved.x();
    savedTop_ = saved.y();

    setWindowTitle(title());
    lbBR_->setToolTip(QStringLiteral("查看版权所有者信息"));
    buttons_[2]->setCaption(QStringLiteral("官方网站"));

    show();

    picture3_->PaintPicture(Form2::Picture4, 0, 0, 450, 10);

    initGameState();
    startLevel();
}

void FrmMainWindow::Form_Resize() {
    const int w = Twips::kWindowWidth;
    const int h = Twips::kWindowHeight;
    lbBR_->move(width() - lbBR_->width() - px(120), height() - lbBR_->height() - px(75));
    imBar_->resize(px(w - 675), px(375));
    imMin_->move(px(w - 630), px(75));
    imClose_->move(px(w - 315), px(75));

    paintFrame();
    RMe();

    if (isMinimized()) {
        return;  // a minimised window cannot be moved; the next restore brings it back
    }
    const QScreen* screen = this->screen();
    if (savedLeft_ < 0) {
        savedLeft_ = 0;
    }
    if (savedTop_ < 0) {
        savedTop_ = 0;
    }
    if (screen != nullptr) {
        const int screenW = screen->geometry().width() * Twips::kPerPixel;
        const int screenH = screen->geometry().height() * Twips::kPerPixel;
        if (screenW - w < savedLeft_) {
            savedLeft_ = screenW - w;
        }
        if (screenH - h < savedTop_) {
            savedTop_ = screenH - h;
        }
    }
    move(px(savedLeft_), px(savedTop_));
}

void FrmMainWindow::paintFrame() {
    const int w = Twips::kWindowWidth;
    const int h = Twips::kWindowHeight;
    const int pw = 4065;
    const int ph = 3270;
    frame_ = QImage(px(w), px(h), QImage::Format_RGB32);
    frame_.fill(QColor(QRgb(kFrameBodyRgb)));
    QPainter painter(&frame_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    struct Copy {
        QRect destination, source;
    };
    const Copy copies[] = {
        {pxRect(420, 0, w, 600), pxRect(420, 0, 120, 600)},
        {pxRect(420, h - 600, w, 600), pxRect(420, ph - 600, 120, 600)},
        {pxRect(0, 0, 200, h), pxRect(0, 880, 200, 40)},
        {pxRect(w - 200, 0, 200, h), pxRect(pw - 200, 880, 200, 40)},
        {pxRect(0, 0, 450, 600), pxRect(0, 0, 450, 600)},
        {pxRect(0, h - 600, 450, 600), pxRect(0, ph - 600, 450, 600)},
        {pxRect(w - 1665, 0, 1665, 435), pxRect(pw - 1665, 0, 1665, 435)},
        {pxRect(w - 1665, h - 525, 1665, 525), pxRect(pw - 1665, ph - 525, 1665, 525)},
    };
    for (const Copy& copy : copies) {
        painter.drawImage(copy.destination, skin_, copy.source);
    }
    painter.drawImage(pxRect(100, 80, 240, 240), icon_, QRect(0, 0, 16, 16));

    painter.setPen(Qt::white);
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetrics metrics(titleFont);
    painter.drawText(QPoint(px(420), px(100) + metrics.ascent()), title());
    painter.end();
    update();
}

void FrmMainWindow::RMe() {
    setMask(windowRegion());
}

QRegion FrmMainWindow::windowRegion() const {
    const int w = px(Twips::kWindowWidth);
    const int h = px(Twips::kWindowHeight);
    const auto box = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    QRegion region(box(0, 5, w, h - 5));
    region = region.united(QRegion(box(5, 0, w - 5, h)));
    region = region.united(QRegion(box(-2, 0, 15, 35), QRegion::Ellipse));
    region = region.united(QRegion(box(w - 15, 0, w + 2, 20), QRegion::Ellipse));
    region = region.united(QRegion(box(-1, h - 20, 10, h), QRegion::Ellipse));
    region = region.united(QRegion(box(w - 20, h - 40, w + 3, h + 4), QRegion::Ellipse));
    return region;
}

void FrmMainWindow::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    saveWindowPosition(QPoint(x() * Twips::kPerPixel, y() * Twips::kPerPixel));
}

QString FrmMainWindow::title() const {
    return QStringLiteral("Quorvane %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionPatch);
}

QString FrmMainWindow::helpFile() const {
    return appFile(appDir_, QStringLiteral("help.html"));
}

QString FrmMainWindow::aboutText() const {
    return QStringLiteral("本程序《Quorvane》是一款经典好玩的小游戏。\r\n") +
           QStringLiteral("仅供个人娱乐，严禁非法传播或用于商业用途！\r\n") +
           QStringLiteral("（当前程序版本为%1.%2.%3）")
               .arg(kVersionMajor)
               .arg(kVersionMinor)
               .arg(kVersionPatch);
}

// ---- engine interface ----

Canvas& FrmMainWindow::Picture1() {
    return *picture1_;
}
Canvas& FrmMainWindow::Picture3() {
    return *picture3_;
}

bool FrmMainWindow::waitForEvents() {
    if (closing_) {
        return false;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !closing_;
}

void FrmMainWindow::playSound(std::string_view fileName) {
    sounds_->play(fromUtf8(fileName));
}

void FrmMainWindow::fatalError(std::string_view utf8Message) {
    desktop().fatal(this, fromUtf8(utf8Message));
}

int FrmMainWindow::clockSecond() {
    return QTime::currentTime().second();
}

// ---- the board ----

void FrmMainWindow::boardPressed(Qt::MouseButton, QPointF position) {
    const BoardCell cell = cellAtPixel(position.x(), position.y());
    pressCell(static_cast<int16>(cell.row), static_cast<int16>(cell.col));
}

void FrmMainWindow::boardReleased(Qt::MouseButton, QPointF) {
    if (paused == True) {
        pauseClicked();
    }
    if (!label4Widget_->isHidden() && label4Widget_->isEnabled()) {
        nextLevelClicked();
    }
}

void FrmMainWindow::boardMoved(QPointF position) {
    const BoardCell cell = cellAtPixel(position.x(), position.y());
    if (!isPlayingCell(cell.row, cell.col)) {
        picture1_->unsetCursor();
        customCursor_ = false;
    } else if (board[cell.row][cell.col].present == 1) {
        picture1_->setCursor(tileCursor_);
        customCursor_ = true;
    }
}

bool FrmMainWindow::cursorIsCustom() const {
    return customCursor_;
}

// ---- buttons and links ----

void FrmMainWindow::restartClicked() {
    if (!desktop().askYesNo(this, QStringLiteral("Quorvane"),
                            QStringLiteral("你确定要重新载入游戏吗？"))) {
        return;
    }
    startLevel();
    xpButton2Caption_.setCaption(kPauseCaption);
}

void FrmMainWindow::pauseClicked() {
    playClickCue();
    togglePause();
}

void FrmMainWindow::hintClicked() {
    qm::XPButton* hint = buttons_[4];
    hint->setEnabled(false);
    useHint();
    hint->setEnabled(true);
    hint->setFocus();
}

void FrmMainWindow::aboutClicked() {
    desktop().inform(this, QStringLiteral("关于本程序..."), aboutText());
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

// ---- the frame ----

void FrmMainWindow::closeImageClicked() {
    if (desktop().askYesNo(this, QStringLiteral("Quorvane"),
                           QStringLiteral("你确定要关闭并结束程序吗？"))) {
        close();
    }
}

void FrmMainWindow::minimiseImageClicked() {
    savedLeft_ = x() * Twips::kPerPixel;
    savedTop_ = y() * Twips::kPerPixel;
    showMinimized();
}

void FrmMainWindow::clearFrameHover() {
    imClose_->clearHover();
    imMin_->clearHover();
}

void FrmMainWindow::startDrag(QWidget* source, QPointF globalPosition) {
    QWindow* handle = windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    // No window manager took the move: follow the pointer until the button comes up.
    manualDragSource_ = source;
    manualDragOffset_ = globalPosition.toPoint() - pos();
}

// ---- events ----

void FrmMainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), frame_);
    // The start-up measurement reads this line; nothing else is ever printed.
    static const bool traceStartup = qEnvironmentVariableIsSet("QUORVANE_TRACE_STARTUP");
    if (traceStartup && !firstFrameReported_) {
        firstFrameReported_ = true;
        std::fputs("first frame\n", stdout);
        std::fflush(stdout);
    }
}

void FrmMainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmMainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Resize();
}

void FrmMainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        Form_Resize();
    }
}

void FrmMainWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    closing_ = true;
    timer1_.setEnabled(false);
    timer2_.setEnabled(false);
    event->accept();  // the last window closing ends the program
}

void FrmMainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        // A help page that is not there would only make the desktop show an error of its own.
        if (QFileInfo(helpFile()).isFile()) {
            desktop().open(QUrl::fromLocalFile(helpFile()));
        } else {
            QApplication::beep();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FrmMainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool dragSource = widget == this || widget == picture2_ || widget == picture3_ ||
                            widget == label1_ || widget == label2_ || widget == label3Widget_ ||
                            widget == imBar_;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (widget == label4Widget_ || widget == lbBR_) {
                return false;
            }
            if (dragSource && mouse->button() == Qt::LeftButton) {
                startDrag(widget, mouse->globalPosition());
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (manualDragSource_ == widget) {
                manualDragSource_ = nullptr;
                return true;
            }
            if (mouse->button() == Qt::LeftButton &&
                widget->rect().contains(mouse->position().toPoint())) {
                if (widget == label4Widget_ && label4Widget_->isEnabled()) {
                    nextLevelClicked();
                    return true;
                }
                if (widget == lbBR_) {
                    webSiteClicked();
                    return true;
                }
            }
            break;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (manualDragSource_ != nullptr && manualDragSource_ == widget) {
                move(mouse->globalPosition().toPoint() - manualDragOffset_);
                return true;
            }
            if (widget == imBar_ || widget == this) {
                clearFrameHover();
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorvane::ui
