// SPDX-License-Identifier: MIT
// The yardstick for the game's start-up time and memory: a bare Qt window of the game's size that
// shows what any window of the game's kind shows on its first frame, a 640 x 480 painted canvas
// and one line of text in the game's Song face, and nothing else.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMetaObject>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

// As the game reports: the line and the moment on the monotonic clock.
void report(const char* line) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stdout, "%s at %lld ns\n", line,
                 static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
}

class Canvas : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkGreen); }
};

class BareWindow : public QWidget {
  public:
    BareWindow() {
        auto* canvas = new Canvas(this);
        canvas->setGeometry(14, 42, 640, 480);
        auto* caption = new QLabel(QStringLiteral("第 1 关"), this);
        caption->setFont(QFont(QStringLiteral("宋体"), 9));
        caption->setGeometry(60, 20, 80, 19);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0xe6, 0xee, 0xe0));
        // As the game does: "first paint" when the window starts its first frame, "first frame"
        // once that frame is painted whole, the text included, and handed to the display.
        if (!reported_) {
            reported_ = true;
            report("first paint");
            QMetaObject::invokeMethod(
                this, [] { report("first frame"); }, Qt::QueuedConnection);
        }
    }

  private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The game's substitutions for its Song face: the 12-pixel bitmap face on an unscaled screen,
    // the scalable one on a scaled screen, where a bitmap face cannot grow with the text.
    const QScreen* screen = QGuiApplication::primaryScreen();
    QStringList song = {QStringLiteral("WenQuanYi Bitmap Song"), QStringLiteral("AR PL UMing CN")};
    if (screen != nullptr && screen->devicePixelRatio() != 1.0) {
        song.swapItemsAt(0, 1);
    }
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare 759x569"));
    window.setFixedSize(759, 569);
    window.show();
    return QApplication::exec();
}
