// SPDX-License-Identifier: MIT
#include "ui/enginehost.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTime>

#include "engine/captions.h"
#include "engine/clock.h"
#include "engine/sound.h"
#include "engine/state.h"
#include "ui/board/picturebox.h"
#include "ui/sound/soundplayer.h"
#include "ui/system/platform.h"
#include "widgets/xpbutton.h"

namespace quorvane::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every text the engine writes, named here for the translation tools.
[[maybe_unused]] constexpr const char* kEngineTexts[] = {
    QT_TRANSLATE_NOOP("Engine", "暂停"),          QT_TRANSLATE_NOOP("Engine", "开始"),
    QT_TRANSLATE_NOOP("Engine", "> 下一关"),      QT_TRANSLATE_NOOP("Engine", "继续游戏"),
    QT_TRANSLATE_NOOP("Engine", "程序执行错误!"), QT_TRANSLATE_NOOP("Engine", "求助 %1"),
};

}  // namespace

QString engineText(std::string_view utf8) {
    // The hint button's caption carries the hints left: "求助 7".
    const std::string hintWord = hintsCaption(0).substr(0, hintsCaption(0).size() - 1);
    if (utf8.starts_with(hintWord)) {
        return QCoreApplication::translate("Engine", "求助 %1")
            .arg(fromUtf8(utf8.substr(hintWord.size())));
    }
    return QCoreApplication::translate("Engine", std::string(utf8).c_str());
}

void EngineHost::LabelAdapter::setCaption(std::string_view utf8) {
    label_->setText(engineText(utf8));
}

// "Visible" is the label's own flag, whether or not its window is on screen yet.
void EngineHost::LabelAdapter::setVisible(bool visible) {
    label_->setVisible(visible);
}

void EngineHost::LabelAdapter::setEnabled(bool enabled) {
    label_->setEnabled(enabled);
}

void EngineHost::ButtonCaption::setCaption(std::string_view utf8) {
    button_->setCaption(engineText(utf8));
}

EngineHost::EngineHost(const QString& dataDir, const Widgets& widgets, QWidget* owner)
    : owner_(owner),
      levelNumber_(widgets.levelNumber),
      nextLevelLink_(widgets.nextLevelLink),
      pauseCaption_(widgets.pauseButton),
      hintCaption_(widgets.hintButton),
      controls_{.Picture1 = *widgets.board,
                .Picture3 = *widgets.timeBar,
                .Label3 = levelNumber_,
                .Label4 = nextLevelLink_,
                .XPButton2 = pauseCaption_,
                .XPButton5 = hintCaption_,
                .Timer1 = holdTimer_,
                .Timer2 = countdown_},
      sounds_(std::make_unique<SoundPlayer>(dataDir)) {
    connect(&holdTimer_, &IntervalTimer::timeout, this, [] { ++delayTicks; });
    connect(&countdown_, &IntervalTimer::timeout, this, [] { countdownTick(); });
    attachWindow(&controls_, this);
}

EngineHost::~EngineHost() {
    closing_ = true;
    attachWindow(nullptr, nullptr);
}

bool EngineHost::waitForEvents() {
    if (closing_) {
        return false;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !closing_;
}

void EngineHost::playSound(std::string_view fileName) {
    sounds_->play(fromUtf8(fileName));
}

void EngineHost::prepareSounds() {
    QStringList files;
    for (std::string_view file : kCueFiles) {
        files.append(fromUtf8(file));
    }
    sounds_->prepare(files);
}

void EngineHost::prepareSoundsOnFirstInput() {
    QCoreApplication::instance()->installEventFilter(this);
}

bool EngineHost::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            QCoreApplication::instance()->removeEventFilter(this);
            prepareSounds();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void EngineHost::fatalError(std::string_view utf8Message) {
    desktop().fatal(owner_, engineText(utf8Message));
}

int EngineHost::clockSecond() {
    return QTime::currentTime().second();
}

float EngineHost::rnd() {
    return random_.next();
}

void EngineHost::shutDown() {
    closing_ = true;
    holdTimer_.setEnabled(false);
    countdown_.setEnabled(false);
}

}  // namespace quorvane::ui
