// SPDX-License-Identifier: MIT
// Renders the button in every face style, shape, state and look at device pixel ratios 1 and 2,
// and prints one digest per buffer, so that a change meant to keep the pixels can be checked by
// comparing the output before and after it:
//
//   QT_QPA_PLATFORM=offscreen build/bin/xpbutton-digests [--images DIR] > digests.txt
//
// --images DIR also writes each buffer as a PNG named like its line.
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QMouseEvent>
#include <cstdio>
#include <memory>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton.h"

namespace {

using qm::XPButton;

// The looks: what a host sets on the button besides style and shape.
enum class Look { Caption, PictureAndEffect, GradientPictureOnly };
constexpr const char* kLookNames[] = {"caption", "picture", "gradient"};

// The states a user or host puts a button in.
enum class State { Normal, Hover, Pressed, Held, Default, Disabled, Checked, CheckedDisabled };
constexpr const char* kStateNames[] = {"normal",  "hover",    "pressed", "held",
                                       "default", "disabled", "checked", "checked-disabled"};

// The container of one combination: in design mode for the gradient look, showing the default
// look in the default state.
class Host : public QWidget, public qm::XPAmbient {
  public:
    Host(Look look, State state) : look_(look), state_(state) {}

    qm::OleColor BackColor(const XPButton&) const override { return qm::kButtonFace; }
    QString DisplayName(const XPButton& b) const override { return b.objectName(); }
    bool UserMode(const XPButton&) const override { return look_ != Look::GradientPictureOnly; }
    bool DisplayAsDefault(const XPButton&) const override { return state_ == State::Default; }

  private:
    const Look look_;
    const State state_;
};

// A bitmap whose top-left colour (magenta) the button drops as transparent, with a few colours
// and shades inside, so that a misplaced or misscaled pixel shows.
QImage MakePicture() {
    QImage img(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == 15 || y == 15;
            img.setPixel(x, y, edge ? qRgb(255, 0, 255) : qRgb(16 * x, 200 - 8 * y, 40 + 10 * x));
        }
    }
    return img;
}

void Send(XPButton* b, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPointF at(b->width() / 2.0, b->height() / 2.0);
    QMouseEvent e(type, at, b->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(b, &e);
}

void ApplyLook(XPButton* b, Look look) {
    static const QImage pic = MakePicture();
    switch (look) {
        case Look::Caption:
            b->setCaption(QString::fromUtf8("按钮 &Go"));
            break;
        case Look::PictureAndEffect:
            b->setCaption(QString::fromUtf8("按钮 &Go"));
            b->setPicture(qm::XPPicture::FromImage(pic));
            b->setPictureAlign(qm::Stored(qm::PicturePlace::BeforeCaption));
            b->setCaptionStyle(qm::Stored(qm::CaptionEffect::Engraved));
            b->setHoverForeColor(qm::Rgb(200, 0, 0));
            b->setHoverBackColor(qm::Rgb(250, 240, 200));
            break;
        case Look::GradientPictureOnly:
            b->setCaption(QString());
            b->setPicture(qm::XPPicture::FromImage(pic));
            b->setPictureSize(4);  // 48 pixels, scaled into the face
            b->setGradientColor(qm::Rgb(120, 170, 230));
            b->setGradientMode(1 + (b->ButtonStyle() % 4));
            break;
    }
}

void ApplyState(XPButton* b, State state) {
    if (state == State::Checked || state == State::CheckedDisabled) {
        b->setMode(qm::Stored(qm::ButtonType::Check));
        b->setValue(true);
    }
    if (state == State::Disabled || state == State::CheckedDisabled) {
        b->setEnabled(false);
    }
    b->AmbientChanged(QStringLiteral("DisplayAsDefault"));
    if (state == State::Hover || state == State::Pressed) {
        Send(b, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        // Hold the hover: no cursor is over the button, so the timer would end it.
        qm::modQmTimer::KillTimer(b, qm::modQmTimer::kHoverTimerId);
    }
    if (state == State::Pressed || state == State::Held) {
        Send(b, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }
}

QByteArray Digest(const QImage& img) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (int y = 0; y < img.height(); ++y) {
        h.addData(
            QByteArrayView(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4));
    }
    return h.result().toHex();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QFont::insertSubstitution(QString::fromUtf8("宋体"), "WenQuanYi Bitmap Song");
    QApplication::setFont(QFont(QString::fromUtf8("宋体"), 9));
    qm::SetInfoMessageFn([](QWidget*, const QString&, const QString&) {});
    QString imageDir;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--images") == 0) {
            imageDir = QString::fromLocal8Bit(argv[i + 1]);
            QDir().mkpath(imageDir);
        }
    }
    int count = 0;
    for (int style = 0; style < 8; ++style) {
        for (int shape = 0; shape < 7; ++shape) {
            for (int look = 0; look < 3; ++look) {
                for (int state = 0; state < 8; ++state) {
                    Host host(static_cast<Look>(look), static_cast<State>(state));
                    host.resize(200, 80);
                    auto* b = new XPButton(&host);
                    b->resize(96, 34);
                    b->DelayDrawing(true);
                    b->setButtonStyle(style);
                    b->setButtonShape(shape);
                    ApplyLook(b, static_cast<Look>(look));
                    b->DelayDrawing(false);
                    ApplyState(b, static_cast<State>(state));
                    for (const qreal ratio : {1.0, 2.0}) {
                        const QImage img = b->RenderToImage(ratio);
                        const QString name = QString("s%1-shape%2-%3-%4-x%5")
                                                 .arg(style)
                                                 .arg(shape)
                                                 .arg(kLookNames[look])
                                                 .arg(kStateNames[state])
                                                 .arg(ratio);
                        std::printf("%s %dx%d %s\n", qPrintable(name), img.width(), img.height(),
                                    Digest(img).constData());
                        if (!imageDir.isEmpty()) {
                            img.save(imageDir + "/" + name + ".png");
                        }
                        ++count;
                    }
                }
            }
        }
    }
    std::fprintf(stderr, "%d buffers\n", count);
    return 0;
}
