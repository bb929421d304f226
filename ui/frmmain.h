// The main window: a borderless, skinned window holding the board, the time bar, the level
// caption, six command buttons and the next-level link. It is the engine's window.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "engine/random.h"
#include "engine/window.h"
#include "form2.h"
#include "intervaltimer.h"

class QLabel;
namespace qm {
class XPButton;
}

namespace quorvane::ui {

class FrameImage;
class PictureBox;
class SoundPlayer;

// A label the engine writes to. "Visible" is the label's own flag, whether or not its window is
// on screen yet.
class EngineLabel : public Label {
  public:
    explicit EngineLabel(QLabel* label) : label_(label) {}
    void setCaption(std::string_view utf8) override;
    void setVisible(bool visible) override { label_->setVisible(visible); }
    void setEnabled(bool enabled) override { label_->setEnabled(enabled); }

  private:
    QLabel* label_;
};

// The caption of a command button.
class ButtonCaption : public Caption {
  public:
    explicit ButtonCaption(qm::XPButton* button) : button_(button) {}
    void setCaption(std::string_view utf8) override;

  private:
    qm::XPButton* button_;
};

// Registers the window's compiled-in layout; the window does it itself, tests may call it first.
void initUiResources();

struct Twips {
    static constexpr int kPerPixel = 15;
    static constexpr int kWindowWidth = 11385;  // 759 pixels
    static constexpr int kWindowHeight = 8535;  // 569 pixels
};

class FrmMainWindow : public QWidget, public WindowControls, public HostServices {
    Q_OBJECT
  public:
    // appDir is the program's folder; the sounds and the help page are looked for there.
    explicit FrmMainWindow(const QString& appDir, QWidget* parent = nullptr);
    ~FrmMainWindow() override;

    // The window's life, in the classic order.
    void Form_Load();
    void Form_Resize();
    void RMe();
    void Form_Unload();

    // Engine interface.
    Canvas& Picture1() override;
    Canvas& Picture3() override;
    Label& Label3() override { return label3_; }
    Label& Label4() override { return label4_; }
    Caption& XPButton2() override { return xpButton2Caption_; }
    Caption& XPButton5() override { return xpButton5Caption_; }
    IntervalTimer& Timer1() override { return timer1_; }
    IntervalTimer& Timer2() override { return timer2_; }
    bool waitForEvents() override;
    void playSound(std::string_view fileName) override;
    void fatalError(std::string_view utf8Message) override;
    int clockSecond() override;
    float rnd() override { return random_.next(); }

    // Handlers, public so tests can drive them as the events would.
    void boardPressed(Qt::MouseButton button, QPointF position);
    void boardReleased(Qt::MouseButton button, QPointF position);
    void boardMoved(QPointF position);
    void restartClicked();
    void pauseClicked();
    void hintClicked();
    void aboutClicked();
    void webSiteClicked();
    void channelClicked();
    void nextLevelClicked();
    void closeImageClicked();
    void minimiseImageClicked();

    // Remembered position in twips.
    int savedLeft() const { return savedLeft_; }
    int savedTop() const { return savedTop_; }
    const QString& appDir() const { return appDir_; }
    QString helpFile() const;
    QString title() const;
    QString aboutText() const;
    QRegion windowRegion() const;

    // Controls, for tests and the layout.
    PictureBox* picture1() const { return picture1_; }
    PictureBox* picture3() const { return picture3_; }
    QWidget* picture2() const { return picture2_; }
    QLabel* label4() const { return label4Widget_; }
    QLabel* label3() const { return label3Widget_; }
    QLabel* lbBR() const { return lbBR_; }
    QWidget* imBar() const { return imBar_; }
    FrameImage* imClose() const { return imClose_; }
    FrameImage* imMin() const { return imMin_; }
    qm::XPButton* button(int number) const { return buttons_.at(number - 1); }
    const QImage& frame() const { return frame_; }
    SoundPlayer& sounds() { return *sounds_; }
    bool cursorIsCustom() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void createCommandButtons();
    void paintFrame();
    void clearFrameHover();
    void startDrag(QWidget* source, QPointF globalPosition);

    QString appDir_;
    Form2Pictures pictures_;
    StartupRandom random_;
    std::unique_ptr<SoundPlayer> sounds_;

    QWidget* picture2_ = nullptr;
    PictureBox* picture1_ = nullptr;
    PictureBox* picture3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3Widget_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label4Widget_ = nullptr;
    QLabel* lbBR_ = nullptr;
    QWidget* imBar_ = nullptr;
    FrameImage* imClose_ = nullptr;
    FrameImage* imMin_ = nullptr;
    std::array<qm::XPButton*, 6> buttons_{};

    EngineLabel label3_{nullptr};
    EngineLabel label4_{nullptr};
    ButtonCaption xpButton2Caption_{nullptr};
    ButtonCaption xpButton5Caption_{nullptr};
    IntervalTimer timer1_{200};
    IntervalTimer timer2_{2500};

    QImage skin_;
    QImage icon_;
    QImage frame_;
    QCursor tileCursor_;
    QCursor buttonCursor_;
    bool customCursor_ = false;

    int savedLeft_ = 0;
    int savedTop_ = 0;
    bool closing_ = false;
    bool unloaded_ = false;
    bool firstFrameReported_ = false;

    // A drag the window manager did not take: the window follows the pointer by hand.
    QPointer<QWidget> manualDragSource_;
    QPoint manualDragOffset_;
};

}  // namespace quorvane::ui
