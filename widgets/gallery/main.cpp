// SPDX-License-Identifier: MIT
// xpbutton-gallery: every face style in every shape, in one chosen state, to look at.
//
//   xpbutton-gallery [--state normal|hover|pressed|checked|disabled|default]
//                    [--picture] [--gradient] [--design] [--list-accessible] [--scale F]
//
// --scale F shows everything at the device pixel ratio F (QT_SCALE_FACTOR), e.g. 2 or 1.5.
//
// --list-accessible prints the accessible role and name of every button, one a line, and exits
// (without a display it runs on the offscreen platform). Tab moves the keyboard focus, which the
// buttons show with their default look and focus cue.
// The controls at the top switch the same things while it runs. The last row shows buttons with
// a picture and no caption, always with the default look, so that their focus cue shows.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cstdio>
#include <vector>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton.h"

using qm::XPButton;

namespace {

// A small bitmap with a magenta background, which the button drops as its transparent colour.
QImage MakePicture() {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 220));
    p.drawEllipse(QRect(1, 1, 14, 14));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRect(5, 5, 6, 6));
    return img;
}

// The container: it decides design or run mode and which buttons look like the default one.
class Board : public QWidget, public qm::XPAmbient {
  public:
    bool design = false;
    bool defaultLook = false;

    qm::OleColor BackColor(const XPButton&) const override { return qm::kButtonFace; }
    QString DisplayName(const XPButton& b) const override { return b.objectName(); }
    bool UserMode(const XPButton&) const override { return !design; }
    // The chosen state, or the keyboard focus.
    bool DisplayAsDefault(const XPButton& b) const override { return defaultLook || b.hasFocus(); }
};

// The picture-only row always looks like the default button, so its focus cue shows.
class CueAmbient : public qm::XPAmbient {
  public:
    qm::OleColor BackColor(const XPButton&) const override { return qm::kButtonFace; }
    QString DisplayName(const XPButton& b) const override { return b.objectName(); }
    bool UserMode(const XPButton&) const override { return true; }
    bool DisplayAsDefault(const XPButton&) const override { return true; }
};

class Gallery : public QWidget {
  public:
    Gallery(const QString& state, bool picture, bool gradient, bool design) {
        auto* top = new QHBoxLayout;
        states_ = new QComboBox;
        states_->addItems({"normal", "hover", "pressed", "checked", "disabled", "default"});
        states_->setCurrentText(state);
        picture_ = new QCheckBox("picture");
        picture_->setChecked(picture);
        gradient_ = new QCheckBox("gradient");
        gradient_->setChecked(gradient);
        design_ = new QCheckBox("design mode");
        design_->setChecked(design);
        top->addWidget(new QLabel("state:"));
        top->addWidget(states_);
        top->addWidget(picture_);
        top->addWidget(gradient_);
        top->addWidget(design_);
        top->addStretch();

        board_ = new Board;
        board_->setAutoFillBackground(true);
        auto* grid = new QGridLayout(board_);
        grid->setSpacing(8);
        const char* shapes[] = {"rect",    "left /",    "right /",  "both /",
                                "ellipse", "ellipse 5", "ellipse 6"};
        for (int shape = 0; shape < 7; ++shape) {
            grid->addWidget(new QLabel(shapes[shape]), 0, shape + 1, Qt::AlignCenter);
        }
        for (int style = 0; style < 8; ++style) {
            grid->addWidget(new QLabel(QString("style %1").arg(style)), style + 1, 0);
            for (int shape = 0; shape < 7; ++shape) {
                auto* b = new XPButton(board_);
                b->setObjectName(QString("b%1%2").arg(style).arg(shape));
                b->setFixedSize(110, 32);
                grid->addWidget(b, style + 1, shape + 1);
                buttons_.push_back({b, style, shape});
            }
        }
        // Picture-only buttons of the two styles whose cue goes round the caption: no picture,
        // then pictures of 16, 40 and 48 pixels.
        grid->addWidget(new QLabel("picture only"), 9, 0);
        const int cueStyles[] = {3, 3, 3, 3, 7, 7, 7};
        const int cueSizes[] = {-1, 0, 3, 4, 0, 3, 4};
        for (int i = 0; i < 7; ++i) {
            auto* b = new XPButton(board_);
            b->setObjectName(QString("cue%1").arg(i));
            b->setFixedSize(110, 40);
            grid->addWidget(b, 9, i + 1);
            cueButtons_.push_back({b, cueStyles[i], cueSizes[i]});
        }
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(board_);

        // The board is the buttons' ambient, so it tells them when the focus moves.
        connect(qApp, &QApplication::focusChanged, this, [](QWidget* from, QWidget* to) {
            for (QWidget* w : {from, to}) {
                if (auto* b = qobject_cast<XPButton*>(w)) {
                    b->AmbientChanged("DisplayAsDefault");
                }
            }
        });
        auto apply = [this] { Apply(); };
        connect(states_, &QComboBox::currentTextChanged, this, apply);
        connect(picture_, &QCheckBox::toggled, this, apply);
        connect(gradient_, &QCheckBox::toggled, this, apply);
        connect(design_, &QCheckBox::toggled, this, apply);
    }

    void Apply() {
        const QString state = states_->currentText();
        board_->design = design_->isChecked();
        board_->defaultLook = state == "default";
        static const QImage pic = MakePicture();
        for (auto& [b, style, shape] : buttons_) {
            Prepare(b, style, shape);
            b->setCaption(QString::fromUtf8("按钮 &Go"));
            if (picture_->isChecked()) {
                b->setPicture(qm::XPPicture::FromImage(pic));
            }
            Finish(b);
        }
        static const CueAmbient cueAmbient;
        for (auto& [b, style, pictureSize] : cueButtons_) {
            b->SetAmbient(&cueAmbient);
            Prepare(b, style, 0);
            b->setCaption(QString());
            // A button without a caption needs a name for a screen reader: its tooltip.
            static const char* kSizes[] = {"16", "24", "32", "40", "48"};
            b->setToolTip(
                pictureSize < 0
                    ? QString("style %1, no picture").arg(style)
                    : QString("style %1, %2-pixel picture").arg(style).arg(kSizes[pictureSize]));
            if (pictureSize >= 0) {
                b->setPicture(qm::XPPicture::FromImage(pic));
                b->setPictureSize(pictureSize);
            }
            Finish(b);
        }
    }

    // Each button's accessible role and name, one a line.
    void ListAccessible() const {
        const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
        for (const XPButton* b : board_->findChildren<XPButton*>()) {
            QAccessibleInterface* ai =
                QAccessible::queryAccessibleInterface(const_cast<XPButton*>(b));
            printf("%s\t%s\n", roles.valueToKey(ai->role()),
                   qPrintable(ai->text(QAccessible::Name)));
        }
    }

  private:
    // Starts a button over, so that no state of the previous choice stays behind.
    static void Prepare(XPButton* b, int style, int shape) {
        qm::PropertySection fresh;
        b->ReadProperties(fresh);
        b->DelayDrawing(true);
        b->setButtonStyle(style);
        b->setButtonShape(shape);
    }

    // The chosen gradient and state, then the drawing.
    void Finish(XPButton* b) {
        const QString state = states_->currentText();
        if (gradient_->isChecked()) {
            b->setGradientColor(qm::Rgb(120, 170, 230));
            b->setGradientMode(1 + (b->ButtonStyle() % 4));
        }
        if (state == "checked") {
            b->setMode(1);
            b->setValue(true);
        }
        if (state == "disabled") {
            b->setEnabled(false);
        }
        b->DelayDrawing(false);
        b->AmbientChanged("DisplayAsDefault");
        b->AmbientChanged("BackColor");
        if (state == "hover" || state == "pressed") {
            const QPointF at(b->width() / 2.0, b->height() / 2.0);
            QMouseEvent move(QEvent::MouseMove, at, b->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(b, &move);
            // Hold the hover: the cursor is really elsewhere, so the timer would end it.
            qm::modQmTimer::KillTimer(b, qm::modQmTimer::kHoverTimerId);
            if (state == "pressed") {
                QMouseEvent press(QEvent::MouseButtonPress, at, b->mapToGlobal(at), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(b, &press);
            }
        }
    }

    struct Entry {
        XPButton* button;
        int style;
        int shape;
    };
    struct CueEntry {
        XPButton* button;
        int style;
        int pictureSize;  // -1: no picture
    };
    QComboBox* states_;
    QCheckBox* picture_;
    QCheckBox* gradient_;
    QCheckBox* design_;
    Board* board_;
    std::vector<Entry> buttons_;
    std::vector<CueEntry> cueButtons_;
};

}  // namespace

int main(int argc, char** argv) {
    // Both must be settled before the application exists: listing needs no display, and the
    // scale factor is read when the screens are made.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--list-accessible") == 0 &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        if (qstrcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("XPButton gallery");
    QFont::insertSubstitution(QString::fromUtf8("宋体"), "WenQuanYi Bitmap Song");
    QFont::insertSubstitution(QString::fromUtf8("宋体"), "AR PL UMing CN");
    QApplication::setFont(QFont(QString::fromUtf8("宋体"), 9));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(
        {"state", "normal, hover, pressed, checked, disabled or default", "state", "normal"});
    parser.addOption({"picture", "show a 16-pixel picture on every button"});
    parser.addOption({"gradient", "give every button a gradient face"});
    parser.addOption({"design", "the container is in design mode"});
    parser.addOption({"list-accessible", "print each button's accessible role and name, and exit"});
    parser.addOption({"scale", "device pixel ratio (QT_SCALE_FACTOR), e.g. 2 or 1.5", "factor"});
    parser.process(app);

    Gallery g(parser.value("state"), parser.isSet("picture"), parser.isSet("gradient"),
              parser.isSet("design"));
    g.setWindowTitle("XPButton gallery");
    if (parser.isSet("list-accessible")) {
        g.Apply();
        g.ListAccessible();
        return 0;
    }
    g.show();
    g.Apply();
    return QApplication::exec();
}
