// SPDX-License-Identifier: MIT
// The shape's window region and the layout of the face: where caption and picture go.
#include <algorithm>
#include <cmath>

#include "widgets/raster.h"
#include "widgets/xpbutton_p.h"

namespace qm {

void XPButtonPrivate::ApplyShape() {
    int w = q->width();
    const int h = q->height();
    leftInset_ = 0;
    faceRight_ = w;
    int slant = 0;
    if (Slanted()) {
        slant = RoundHalfEven(std::floor((h + 1) / 4.0 * 4.0 + 0.5));
        int nw = w;
        while (nw - slant <= 4) {
            nw += 5;
        }
        if (nw != w) {
            const bool was = suspended_;
            suspended_ = true;
            q->resize(nw, h);
            w = q->width();
            faceRight_ = w;
            suspended_ = was;
        }
    }
    region_ = Elliptic() ? ShapeOutline(w, h, slant) : CutCorners(ShapeOutline(w, h, slant), w, h);
    q->setMask(region_);
}

QRegion XPButtonPrivate::ShapeOutline(int w, int h, int slant) {
    faceClip_ = QRegion();
    switch (shape_) {
        case Shape::SlantedLeft:
            leftInset_ = slant;
            return raster::PolygonRegion({{0, 0}, {slant, h + 1}, {w + 1, h + 1}, {w + 1, 0}});
        case Shape::SlantedRight:
            faceRight_ = w - slant;
            return raster::PolygonRegion({{0, 0}, {0, h + 1}, {w + 1, h + 1}, {w - slant + 1, 0}});
        case Shape::SlantedBoth:
            leftInset_ = slant;
            faceRight_ = w - slant;
            return raster::PolygonRegion(
                {{0, 0}, {slant, h + 1}, {w + 1, h + 1}, {w - slant + 1, 0}});
        case Shape::Ellipse:
        case Shape::EllipseRinglessPressed:
            faceClip_ = raster::EllipseRegion(1, 1, w, h);
            return raster::EllipseRegion(0, 0, w + 1, h + 1);
        case Shape::EllipseBlackRing:
            faceClip_ = raster::EllipseRegion(2, 2, w - 1, h - 1);
            return raster::EllipseRegion(0, 0, w + 1, h + 1);
        default:
            return QRegion(0, 0, w + 1, h + 1);
    }
}

// The corners a style cuts off its square (unslanted) sides.
QRegion XPButtonPrivate::CutCorners(QRegion region, int w, int h) const {
    const bool leftSquare = LeftSlanted() == 0;
    const bool rightSquare = RightSlanted() == 0;
    if (style_ == FaceStyle::Rounded || style_ == FaceStyle::Bevelled) {
        if (leftSquare) {
            region -= raster::PolygonRegion({{0, 0}, {2, 0}, {0, 2}});
            region -= raster::PolygonRegion({{0, h}, {3, h}, {0, h - 3}});
        }
        if (rightSquare) {
            region -= raster::PolygonRegion({{w, 0}, {w - 2, 0}, {w, 2}});
            region -= raster::PolygonRegion({{w, h}, {w - 3, h}, {w, h - 3}});
        }
    } else if (style_ == FaceStyle::Framed) {
        if (leftSquare) {
            region -= QRegion(0, 0, 1, 1);
            region -= QRegion(0, h - 1, 1, 1);
        }
        if (rightSquare) {
            region -= QRegion(w - 1, 0, 1, 1);
            region -= QRegion(w - 1, h - 1, 1, 1);
        }
    } else if (style_ == FaceStyle::Etched && q->isEnabled()) {
        if (leftSquare) {
            region -= QRegion(0, h - 1, 1, 1);
        }
        if (rightSquare) {
            region -= QRegion(w - 1, 0, 1, 1);
        }
    }
    return region;
}

void XPButtonPrivate::LayoutFace() {
    const int w = q->width();
    const int inset = leftInset_;
    const int right = faceRight_;
    switch (shape_) {
        case Shape::SlantedLeft:
            faceL_ = inset - inset / 3;
            faceW_ = w - faceL_;
            faceR_ = w;
            break;
        case Shape::SlantedRight:
            faceL_ = 0;
            faceW_ = (w - right) / 3 + right;
            faceR_ = faceW_;
            break;
        case Shape::SlantedBoth:
            faceL_ = inset - inset / 3;
            faceR_ = right + (w - right) / 3;
            faceW_ = faceR_ - faceL_;
            break;
        default:
            faceL_ = 0;
            faceW_ = right;
            faceR_ = w;
            break;
    }
}

void XPButtonPrivate::LayoutCaption() {
    LayoutFace();
    const int h = q->height();
    const QMargins room = PictureRoom();
    const QSize text = CaptionExtent(room);
    const int x = CaptionLeft(room, text.width());
    PicturePlacement picture{{0, 0}, (h - text.height()) / 2};
    if (HasPicture()) {
        picture = PlacePicture(room, x, text);
    }
    const int R = faceR_;
    auto clampRect = [R, h](const QRect& r) {
        const int left = std::max(r.left(), 6);
        const int top = std::max(r.top(), 6);
        const int right = std::min(r.left() + r.width(), R);
        const int bottom = std::min(r.top() + r.height(), h - 6);
        return QRect(left, top, right - left, bottom - top);
    };
    captionRect_ =
        clampRect(QRect(x, picture.captionTop, text.width(), std::max(text.height(), 0)));
    if (!HasPicture()) {
        pictureRect_ = QRect();
    } else if (CoversFace()) {
        // Where it is drawn; a picture stretched over the whole button keeps the margin of 6.
        QRect drawn = CoveringPictureTarget(false);
        if (PixelSize() == Stored(PicturePixels::Stretched)) {
            drawn = drawn.marginsRemoved(QMargins(6, 6, 6, 6));
        }
        pictureRect_ = clampRect(drawn);
    } else {
        const int s = PixelSize();
        pictureRect_ = clampRect(QRect(picture.topLeft, QSize(s, s)));
    }
}

QMargins XPButtonPrivate::PictureRoom() const {
    if (!ReservesRoom()) {
        return {};
    }
    const int s = PixelSize();
    switch (picturePlace_) {
        case PicturePlace::LeftEdge:
        case PicturePlace::BeforeCaption:
            return {s, 0, 0, 0};
        case PicturePlace::RightEdge:
        case PicturePlace::AfterCaption:
            return {0, 0, s, 0};
        case PicturePlace::TopCentre:
            return {0, s, 0, 0};
        case PicturePlace::BottomCentre:
            return {0, 0, 0, s};
        default:
            return {};
    }
}

QSize XPButtonPrivate::CaptionExtent(const QMargins& room) const {
    if (caption_.isEmpty()) {
        return {0, -3};
    }
    QString text = caption_;
    text.replace(QLatin1String("||"), QLatin1String("\n"));
    const QFontMetrics fm(captionFont_);
    const int h = q->height();
    const QRect limit(0, 0, std::max(faceW_ - room.left() - room.right() - 12, 1),
                      std::max(h - 12 - room.top() - room.bottom(), 1));
    const QRect br =
        fm.boundingRect(limit, Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
    // An engraved or embossed caption is drawn a pixel out on each side.
    const int effect = captionEffect_ != CaptionEffect::Plain ? 2 : 0;
    return {br.width() + effect, br.height() + effect};
}

int XPButtonPrivate::CaptionLeft(const QMargins& room, int tw) const {
    const int L = faceL_;
    const int W = faceW_;
    const int pl = room.left();
    const int pr = room.right();
    switch (captionAlign_) {
        case CaptionAlignment::Left:
            return L + 6 + pl + (pl > 0 ? 6 : 0);
        case CaptionAlignment::Right:
            return faceR_ - pr - tw - 6 - (pr > 0 ? 6 : 0);
        default:
            if (picturePlace_ == PicturePlace::BeforeCaption && pl > 0) {
                return (W - (tw + pl + 6)) / 2 + L + pl + 6;
            }
            if (picturePlace_ == PicturePlace::AfterCaption && pr > 0) {
                return (W - (tw + pr + 6)) / 2 + L;
            }
            return (W - pl - pr - tw) / 2 + L + pl;
    }
}

XPButtonPrivate::PicturePlacement XPButtonPrivate::PlacePicture(const QMargins& room, int x,
                                                                QSize text) const {
    const int h = q->height();
    const int s = PixelSize();
    const int tw = text.width();
    const int th = text.height();
    const bool noCaption = caption_.isEmpty();
    const bool reserves = ReservesRoom();
    PicturePlacement out{{0, 0}, (h - th) / 2};
    int px = 0;
    switch (picturePlace_) {
        case PicturePlace::LeftEdge:
            px = faceL_ + 6;
            break;
        case PicturePlace::BeforeCaption:
            px = noCaption ? faceL_ + 6 : x - room.left() - 6;
            break;
        case PicturePlace::RightEdge:
            px = faceR_ - room.right() - 6;
            break;
        case PicturePlace::AfterCaption:
            px = noCaption ? faceR_ - room.right() - 6 : x + tw + 6;
            break;
        default:
            px = faceL_ + (faceW_ - s) / 2;
            break;
    }
    int py = 0;
    if (picturePlace_ <= PicturePlace::AfterCaption) {
        py = (h - s) / 2;
    } else {
        // Above or below the caption: the two are centred together.
        const int b = (h - (th + s)) / 2;
        if (picturePlace_ == PicturePlace::TopCentre) {
            py = b;
            out.captionTop = reserves ? b + s + 2 : out.captionTop;
        } else {
            py = th + b + 3;
            out.captionTop = reserves ? b + 1 : out.captionTop;
        }
    }
    out.topLeft = {px, py};
    return out;
}

QRect XPButtonPrivate::CoveringPictureTarget(bool offset) const {
    const int w = q->width();
    const int h = q->height();
    if (PixelSize() == Stored(PicturePixels::Stretched)) {
        return offset ? QRect(1, 1, w - 1, h - 1) : QRect(0, 0, w, h);
    }
    const double scale = std::min(static_cast<double>(faceW_ - 12) / pictureWidth_,
                                  static_cast<double>(h - 12) / pictureHeight_);
    const int sw = std::max(static_cast<int>(pictureWidth_ * scale), 1);
    const int sh = std::max(static_cast<int>(pictureHeight_ * scale), 1);
    const int extra = offset ? 1 : 0;
    return QRect(faceL_ + (faceW_ - sw) / 2 + extra, (h - sh) / 2 + extra, sw, sh);
}

}  // namespace qm
