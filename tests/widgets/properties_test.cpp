// SPDX-License-Identifier: MIT
// Properties, their side effects and messages, and the property bag of a button.
#include <QSignalSpy>

#include "helpers.h"

using namespace qmtest;
using qm::Rgb;

class Properties : public WidgetTest {
  protected:
    static QStringList Keys(const QSignalSpy& spy) {
        QStringList keys;
        for (const auto& args : spy) {
            keys << args.at(0).toString();
        }
        return keys;
    }
};

TEST_F(Properties, OutOfRangeValuesChangeNothing) {
    XPButton* b = Make(80, 33, 2, 1);
    b->setCaption("Go");
    b->setGradientMode(1);
    b->setPictureSize(1);
    const QImage before = b->Buffer().copy();
    QSignalSpy changed(b, &XPButton::PropertyChanged);
    b->setButtonStyle(8);
    b->setButtonStyle(-1);
    b->setMode(3);
    b->setCaptionAlign(3);
    b->setCaptionStyle(3);
    b->setButtonShape(7);
    b->setPictureAlign(6);
    b->setGradientMode(5);
    b->setPictureSize(5);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(b->ButtonStyle(), 2);
    EXPECT_EQ(b->Mode(), 0);
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_EQ(b->CaptionStyle(), 0);
    EXPECT_EQ(b->ButtonShape(), 1);
    EXPECT_EQ(b->PictureAlign(), 0);
    EXPECT_EQ(b->GradientMode(), 1);
    EXPECT_EQ(b->PictureSize(), 1);
    b->Refresh();
    EXPECT_EQ(b->Buffer(), before);
}

TEST_F(Properties, EachSetterNotifiesItsPersistedKey) {
    XPButton* b = Make();
    QSignalSpy changed(b, &XPButton::PropertyChanged);
    b->setButtonStyle(3);
    b->setCaption("x");
    b->setCaptionAlign(0);
    b->setButtonShape(2);
    b->setPictureAlign(1);
    b->setGradientMode(2);
    b->setGradientColor(Rgb(1, 2, 3));
    b->setPictureSize(2);
    b->setMousePointer(2);
    EXPECT_EQ(Keys(changed), QStringList({"BackStyle", "Caption", "CapAlign", "Shape", "ImgAlign",
                                          "Gradient", "cGradient", "ImgSize", "mPointer"}));
    changed.clear();
    b->setForeColor(b->ForeColor());  // unchanged: no notification
    b->setMousePointer(16);           // not a pointer value
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(Properties, ValueDependsOnMode) {
    XPButton* b = Make(80, 33, 0, 0);
    b->setCaption(QString());
    b->setValue(true);
    EXPECT_FALSE(b->value());
    EXPECT_TRUE(messages.empty());  // silent at run time
    host->runMode = false;
    b->setValue(true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "This property is not applicable for command button modes.");
    EXPECT_FALSE(b->value());

    b->setMode(1);
    b->setValue(true);
    EXPECT_TRUE(b->value());
    EXPECT_EQ(Px(b, 40, 16), Q(b->DerivedColors()[3]));  // checked face at once
    b->setMode(0);  // back to a command button clears the value
    EXPECT_FALSE(b->value());
}

TEST_F(Properties, AccessKeyComesFromTheLastSingleMarker) {
    XPButton* b = Make();
    b->setCaption("&Print");
    EXPECT_EQ(b->AccessKeys(), "P");
    b->setCaption("Fish && Chips");  // only a literal ampersand: the key stays
    EXPECT_EQ(b->AccessKeys(), "P");
    b->setCaption("Fish && Chips &Go");
    EXPECT_EQ(b->AccessKeys(), "G");
    b->setCaption("&&&X");  // a literal ampersand, then the marker
    EXPECT_EQ(b->AccessKeys(), "X");
    b->setCaption("trailing &");
    EXPECT_EQ(b->AccessKeys(), "X");
    EXPECT_EQ(b->caption(), "trailing &");  // stored as given
}

TEST_F(Properties, PictureAlignmentAndCaptionAlignmentConflict) {
    XPButton* b = Make(120, 60);
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::red);
    b->setCaptionAlign(0);
    b->setPicture(qm::XPPicture::FromImage(img));
    b->setPictureAlign(4);
    EXPECT_EQ(b->CaptionAlign(), 2);
    b->setCaptionAlign(0);
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_TRUE(messages.empty());
    host->runMode = false;
    b->setCaptionAlign(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "When button images are aligned top/bottom center, \r\nbutton captions can only be "
              "center aligned");
    b->setPicture(qm::XPPicture());
    b->setCaptionAlign(0);
    EXPECT_EQ(b->CaptionAlign(), 0);
}

TEST_F(Properties, HoverColoursFollowTheirBaseUntilLocked) {
    XPButton* b = Make();
    b->setBackColor(Rgb(10, 20, 30));
    EXPECT_EQ(b->HoverBackColor(), Rgb(10, 20, 30));
    b->setHoverBackColor(Rgb(90, 90, 90));
    EXPECT_EQ(b->HoverColorLocks(), 1);
    b->setBackColor(Rgb(50, 50, 50));
    EXPECT_EQ(b->HoverBackColor(), Rgb(90, 90, 90));

    b->setForeColor(Rgb(1, 1, 1));  // locks 1: the fore colour is still free
    EXPECT_EQ(b->HoverForeColor(), Rgb(1, 1, 1));
    b->setHoverForeColor(Rgb(200, 0, 0));
    EXPECT_EQ(b->HoverColorLocks(), 3);
    b->setForeColor(Rgb(2, 2, 2));
    EXPECT_EQ(b->HoverForeColor(), Rgb(200, 0, 0));

    // Releasing both locks lets both hover colours follow again; a gradient leads the back one.
    b->setGradientColor(Rgb(0, 0, 200));
    b->setGradientMode(3);
    b->setHoverColorLocks(0);
    EXPECT_EQ(b->HoverBackColor(), Rgb(0, 0, 200));
    EXPECT_EQ(b->HoverForeColor(), Rgb(2, 2, 2));
    b->setGradientMode(0);
    EXPECT_EQ(b->HoverBackColor(), Rgb(50, 50, 50));
    b->setHoverColorLocks(2);
    b->setForeColor(Rgb(3, 3, 3));
    EXPECT_EQ(b->HoverForeColor(), Rgb(2, 2, 2));
    // An unknown lock value is stored and touches neither colour.
    b->setHoverColorLocks(9);
    EXPECT_EQ(b->HoverColorLocks(), 9);
    b->setBackColor(Rgb(60, 60, 60));
    EXPECT_EQ(b->HoverBackColor(), Rgb(50, 50, 50));
}

TEST_F(Properties, ResetDefaultColorsOnlyInDesignMode) {
    XPButton* b = Make();
    b->setForeColor(Rgb(1, 2, 3));
    b->setGradientMode(2);
    b->setResetDefaultColors(true);
    EXPECT_EQ(b->ForeColor(), Rgb(1, 2, 3));
    EXPECT_FALSE(b->ResetDefaultColors());
    host->runMode = false;
    QSignalSpy changed(b, &XPButton::PropertyChanged);
    b->setResetDefaultColors(true);
    EXPECT_EQ(b->ForeColor(), qm::kButtonText);
    EXPECT_EQ(b->BackColor(), qm::kButtonFace);
    EXPECT_EQ(b->GradientColor(), qm::kButtonFace);
    EXPECT_EQ(b->GradientMode(), 0);
    EXPECT_EQ(b->HoverColorLocks(), 0);
    EXPECT_FALSE(b->DrawingSuspended());
    const QStringList keys = Keys(changed);
    EXPECT_EQ(keys.mid(keys.size() - 2), QStringList({"cGradient", "cBack"}));
}

TEST_F(Properties, ShowFocusRectOnADefaultButton) {
    XPButton* b = Make();
    host->looksDefault = true;
    b->AmbientChanged("DisplayAsDefault");
    ASSERT_TRUE(b->StatusFlags() & XPButton::kDefaultLook);
    host->runMode = false;
    b->setShowFocusRect(false);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(b->StatusFlags() & XPButton::kDefaultLook);
    EXPECT_FALSE(b->ShowFocusRect());
    host->runMode = true;
    b->setShowFocusRect(true);
    EXPECT_FALSE(b->StatusFlags() & XPButton::kDefaultLook);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Properties, MouseIconRejectsWhatDoesNotLoad) {
    XPButton* b = Make();
    const qm::XPPicture bad = qm::XPPicture::Load(":/no/such.cur");
    b->setMouseIcon(bad);
    EXPECT_TRUE(b->MouseIcon().IsEmpty());
    EXPECT_TRUE(messages.empty());
    host->runMode = false;
    b->setMouseIcon(bad);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0], "Select .ico Or .cur Files Only");
    EXPECT_EQ(b->MousePointer(), 0);

    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QSignalSpy changed(b, &XPButton::PropertyChanged);
    b->setMouseIcon(qm::XPPicture::FromImage(img, true));
    EXPECT_EQ(b->MousePointer(), 99);
    EXPECT_EQ(b->cursor().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(Keys(changed).contains("mIcon"));
    changed.clear();
    b->setMouseIcon(qm::XPPicture());  // clearing says nothing
    EXPECT_EQ(changed.count(), 0);
}

// A program's reader is asked first; a null answer reads the file after all, and the source is
// what the picture remembers either way.
TEST_F(Properties, PicturesComeFromTheInstalledReaderFirst) {
    static QStringList asked;
    asked.clear();
    qm::XPPicture::SetReader([](const QString& source) {
        asked.append(source);
        QImage image(5, 7, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return source == QLatin1String("kept.png") ? image : QImage();
    });
    const qm::XPPicture kept = qm::XPPicture::Load(QStringLiteral("kept.png"), {2, 3});
    const qm::XPPicture missing = qm::XPPicture::Load(QStringLiteral(":/no/such.png"));
    qm::XPPicture::SetReader(nullptr);
    const qm::XPPicture plain = qm::XPPicture::Load(QStringLiteral("kept.png"));

    EXPECT_EQ(asked, QStringList({"kept.png", ":/no/such.png"}));
    EXPECT_TRUE(kept.IsValid());
    EXPECT_TRUE(kept.IsIcon());
    EXPECT_EQ(kept.Width(), 5);
    EXPECT_EQ(kept.Source(), "kept.png");
    EXPECT_EQ(kept.HotSpot(), QPoint(2, 3));
    EXPECT_FALSE(missing.IsValid());
    EXPECT_FALSE(plain.IsValid());  // no such file: the reader was taken away
}

TEST_F(Properties, FontStyleAndPictureSizeMapToTheirStorage) {
    XPButton* b = Make();
    b->setFontStyle(2 | 8);
    EXPECT_TRUE(b->font().bold());
    EXPECT_FALSE(b->font().italic());
    EXPECT_TRUE(b->font().underline());
    EXPECT_EQ(b->FontStyle(), 10);
    EXPECT_EQ(b->PictureSize(), 0);  // never set: treated as 16 pixels
    for (int n = 0; n <= 4; ++n) {
        b->setPictureSize(n);
        EXPECT_EQ(b->PictureSize(), n);
    }
}

TEST_F(Properties, DelayDrawingBatchesIntoOnePaint) {
    XPButton* b = Make(80, 33, 0, 0);
    b->setCaption(QString());
    const QImage before = b->Buffer().copy();
    b->DelayDrawing(true);
    b->setButtonStyle(1);
    b->setBackColor(Rgb(10, 200, 10));
    EXPECT_EQ(b->Buffer(), before);
    b->DelayDrawing(false);
    EXPECT_NE(b->Buffer(), before);
    EXPECT_EQ(Px(b, 40, 16), Q(Rgb(10, 200, 10)));
}

TEST_F(Properties, NewButtonsStartFromTheContainer) {
    auto* b = new XPButton(host.get());
    EXPECT_EQ(b->caption(), "XPButton1");
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_TRUE(b->ShowFocusRect());
    EXPECT_EQ(b->BackColor(), qm::kButtonFace);
    EXPECT_EQ(b->HoverForeColor(), qm::kButtonText);
    EXPECT_EQ(b->Tag(), QString::number(reinterpret_cast<quintptr>(host.get())));
    // Without a host ambient the parent's background is the container colour.
    QWidget plain;
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(1, 2, 3));
    plain.setPalette(pal);
    XPButton c(&plain);
    qm::PropertySection empty;
    c.ReadProperties(empty);
    EXPECT_EQ(c.BackColor(), Rgb(1, 2, 3));
    EXPECT_TRUE(qm::DefaultAmbient::Instance().UserMode(c));
}

// --- persistence ------------------------------------------------------------------------------

TEST_F(Properties, DefaultsAreNotWrittenAndAlwaysKeysAre) {
    XPButton* b = Make();
    qm::PropertySection s;
    b->WriteProperties(s);
    EXPECT_FALSE(s.Contains("CapAlign"));
    EXPECT_FALSE(s.Contains("Focus"));
    EXPECT_FALSE(s.Contains("cBhover"));  // equal to the back colour
    EXPECT_TRUE(s.Contains("Mode"));
    EXPECT_TRUE(s.Contains("Value"));
    EXPECT_TRUE(s.Contains("cBack"));
    EXPECT_TRUE(s.Contains("Font"));
    EXPECT_FALSE(s.Contains("Image"));
}

TEST_F(Properties, WrittenInTheFixedOrderAndReadBackUnchanged) {
    XPButton* b = Make(90, 30);
    b->setCaption(QString::fromUtf8("暂停(&P)"));
    b->setCaptionAlign(0);
    b->setButtonStyle(2);
    b->setButtonShape(0);
    b->setFont(QFont("Sans", 11));
    b->setForeColor(0xC00000);
    b->setHoverForeColor(0x0000FF);
    b->setHoverBackColor(0x00FF00);
    b->setShowFocusRect(false);
    b->setGradientColor(0x123456);
    b->setGradientMode(4);
    b->setCaptionStyle(1);
    b->setMode(1);
    b->setValue(true);
    b->setPictureAlign(3);
    b->setPictureSize(1);
    b->setEnabled(false);
    b->setBackColor(0x8000000F);
    b->setHoverColorLocks(3);
    b->setMousePointer(11);
    b->setButtonShape(1);
    b->setPicture(qm::XPPicture::Load(":/no/picture.png"));

    qm::PropertyBag bag;
    b->WriteProperties(bag.AddSection("XPButton1"));
    QStringList order;
    for (const auto& e : bag.Section("XPButton1").Entries()) {
        order << e.first;
    }
    EXPECT_EQ(order, QStringList({"Caption",   "CapAlign", "BackStyle", "Shape",   "Font",
                                  "cFore",     "cFHover",  "cBhover",   "Focus",   "LockHover",
                                  "cGradient", "Gradient", "CapStyle",  "Mode",    "Value",
                                  "ImgAlign",  "Image",    "ImgSize",   "Enabled", "cBack",
                                  "mPointer"}));

    const QString text = bag.ToText();
    auto* c = new XPButton(host.get());
    c->resize(90, 30);
    c->ReadProperties(qm::PropertyBag::Parse(text.toLower()
                                                 .replace("\"暂停(&p)\"", "\"暂停(&P)\"")
                                                 .replace("\"sans\"", "\"Sans\"")
                                                 .replace(":/no/picture.png", ":/no/picture.png"))
                          .Section("xpbutton1"));
    qm::PropertyBag again;
    c->WriteProperties(again.AddSection("XPButton1"));
    EXPECT_EQ(again.ToText(), text);
    EXPECT_EQ(c->CaptionAlign(), 0);
    EXPECT_EQ(c->AccessKeys(), "P");
    EXPECT_FALSE(c->isEnabled());
    EXPECT_EQ(c->ButtonShape(), 1);
    EXPECT_EQ(c->width(), 90);
}

TEST_F(Properties, ReadDefaultsComeFromTheContainer) {
    host->back = Rgb(7, 8, 9);
    auto* b = new XPButton(host.get());
    b->resize(60, 20);
    b->ReadProperties(qm::PropertyBag::Parse("[x]\nCaption = \"A\"\n").Section("x"));
    EXPECT_EQ(b->BackColor(), Rgb(7, 8, 9));
    EXPECT_EQ(b->HoverBackColor(), Rgb(7, 8, 9));
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_EQ(b->GradientColor(), qm::kButtonFace);
    EXPECT_EQ(b->ForeColor(), qm::kButtonText);
    EXPECT_TRUE(b->ShowFocusRect());
    EXPECT_EQ(b->PictureSize(), 0);
    EXPECT_EQ(b->Mode(), 0);
    EXPECT_FALSE(b->DrawingSuspended());
    EXPECT_EQ(b->Buffer().size(), QSize(60, 20));
}
