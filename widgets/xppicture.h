// SPDX-License-Identifier: MIT
// A picture object for the button: an image plus its kind and where it came from.
//
// A bitmap is drawn with the colour of its top-left pixel as the transparent colour; an icon
// carries its own transparency. Files named .ico or .cur, and images with an alpha channel, are
// icons; everything else is a bitmap. The source path is what the property bag stores.
#pragma once

#include <QImage>
#include <QMetaType>
#include <QPoint>
#include <QString>

namespace qm {

class XPPicture {
  public:
    XPPicture() = default;  // no picture ("Nothing")

    // Loads from a file or a Qt resource path (":/..."). A path that does not load gives a
    // non-empty picture that is not valid, which the mouse icon rejects.
    static XPPicture Load(const QString& source, QPoint hotSpot = {-1, -1});
    static XPPicture FromImage(const QImage& image, bool icon = false);

    // Where Load reads a picture. By default from the file or resource itself; a program that
    // keeps its pictures some other way (decoded already, say) installs a reader that gives the
    // image of a source, or a null image to have the file read after all. Set it before the
    // first picture is loaded; nullptr restores the default.
    using Reader = QImage (*)(const QString& source);
    static void SetReader(Reader reader);

    bool IsEmpty() const { return !present_; }
    bool IsValid() const { return present_ && !image_.isNull(); }
    bool IsIcon() const { return icon_; }
    const QImage& Image() const { return image_; }
    const QString& Source() const { return source_; }
    // The cursor hot spot when used as a mouse icon; (-1, -1) means the centre.
    QPoint HotSpot() const { return hotSpot_; }
    int Width() const { return IsValid() ? image_.width() : 0; }
    int Height() const { return IsValid() ? image_.height() : 0; }

    friend bool operator==(const XPPicture& a, const XPPicture& b) {
        return a.present_ == b.present_ && a.source_ == b.source_ && a.icon_ == b.icon_ &&
               a.hotSpot_ == b.hotSpot_ && a.image_.cacheKey() == b.image_.cacheKey();
    }

  private:
    QImage image_;
    QString source_;
    QPoint hotSpot_{-1, -1};
    bool present_ = false;
    bool icon_ = false;
};

}  // namespace qm

Q_DECLARE_METATYPE(qm::XPPicture)
