// The frame of every paint: buffer, shape, derived colours, layout, caption and picture.
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

#include "widgets/raster.h"
#include "widgets/xpbutton_p.h"

namespace qm {

using raster::Canvas;

void XPButtonPrivate::RenderFace() {
    if (suspended_ || q->width() <= 0 || q->height() <= 0) {
        return;
    }
    if (!BufferFits()) {
        // Drawn before the first resize event arrived (a hidden widget gets it only when shown),
        // or the widget moved to a screen of another device pixel ratio.
        ApplyShape();
        buffer_ = QImage();
        EnsureBuffer();
        RefreshFont();
        LayoutCaption();
    }
    using StyleRoutine = void (XPButtonPrivate::*)(Canvas&);
    static constexpr StyleRoutine kRoutines[8] = {
        &XPButtonPrivate::DrawRaised,  &XPButtonPrivate::DrawFramed,
        &XPButtonPrivate::DrawRounded, &XPButtonPrivate::DrawEtched,
        &XPButtonPrivate::DrawThin,    &XPButtonPrivate::DrawHoverEdge,
        &XPButtonPrivate::DrawSoft,    &XPButtonPrivate::DrawBevelled};
    // A style read from a layout outside 0..7 draws as the last one.
    const int n = Stored(style_);
    Canvas c(buffer_);
    (this->*kRoutines[n >= 0 && n < 8 ? n : 7])(c);
}

void XPButtonPrivate::RedrawButton() {
    if (suspended_ || q->width() <= 0 || q->height() <= 0) {
        return;
    }
    RenderFace();
    QueueBufferCopy();
}

void XPButtonPrivate::QueueBufferCopy() {
    // The copy to the screen happens in the paint event, the one place Qt allows it.
    bufferFresh_ = true;
    q->update();
}

qreal XPButtonPrivate::DeviceRatio() const {
    return renderRatio_ > 0 ? renderRatio_ : q->devicePixelRatioF();
}

QSize XPButtonPrivate::DeviceSize() const {
    const qreal r = DeviceRatio();
    return {qRound(q->width() * r), qRound(q->height() * r)};
}

bool XPButtonPrivate::BufferFits() const {
    return !buffer_.isNull() && buffer_.size() == DeviceSize() &&
           buffer_.devicePixelRatio() == DeviceRatio();
}

// The buffer has the device pixels of the screen; everything draws on it in logical pixels.
void XPButtonPrivate::EnsureBuffer() {
    if (!BufferFits()) {
        buffer_ = QImage(DeviceSize(), QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(DeviceRatio());
        buffer_.fill(Qt::black);
    }
}

QImage XPButton::RenderToImage(qreal devicePixelRatio) {
    if (devicePixelRatio <= 0 || width() <= 0 || height() <= 0) {
        return {};
    }
    QImage screenBuffer = std::exchange(d_->buffer_, QImage());
    const qreal screenRatio = std::exchange(d_->renderRatio_, devicePixelRatio);
    const bool wasSuspended = std::exchange(d_->suspended_, false);
    d_->EnsureBuffer();
    d_->RefreshFont();
    d_->LayoutCaption();
    d_->RenderFace();
    QImage out = std::exchange(d_->buffer_, std::move(screenBuffer));
    d_->renderRatio_ = screenRatio;
    d_->RefreshFont();
    d_->LayoutCaption();
    d_->suspended_ = wasSuspended;
    return out;
}

void XPButtonPrivate::ResizeHandling() {
    if (suspended_) {
        return;
    }
    ApplyShape();
    buffer_ = QImage();
    EnsureBuffer();
    LayoutCaption();
    q->Refresh();
}

void XPButton::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    d_->ResizeHandling();
}

void XPButton::paintEvent(QPaintEvent*) {
    d_->suspended_ = false;
    if (!d_->bufferFresh_ || !d_->BufferFits()) {
        d_->RenderFace();  // the copy follows right here; asking for another paint would loop
    }
    d_->bufferFresh_ = false;
    if (d_->buffer_.isNull()) {
        return;
    }
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, d_->buffer_);
}

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
    faceClip_ = QRegion();
    QRegion region;
    switch (shape_) {
        case Shape::SlantedLeft:
            region = raster::PolygonRegion({{0, 0}, {slant, h + 1}, {w + 1, h + 1}, {w + 1, 0}});
            leftInset_ = slant;
            break;
        case Shape::SlantedRight:
            region =
                raster::PolygonRegion({{0, 0}, {0, h + 1}, {w + 1, h + 1}, {w - slant + 1, 0}});
            faceRight_ = w - slant;
            break;
        case Shape::SlantedBoth:
            region =
                raster::PolygonRegion({{0, 0}, {slant, h + 1}, {w + 1, h + 1}, {w - slant + 1, 0}});
            leftInset_ = slant;
            faceRight_ = w - slant;
            break;
        case Shape::Ellipse:
        case Shape::EllipseRinglessPressed:
            region = raster::EllipseRegion(0, 0, w + 1, h + 1);
            faceClip_ = raster::EllipseRegion(1, 1, w, h);
            break;
        case Shape::EllipseBlackRing:
            region = raster::EllipseRegion(0, 0, w + 1, h + 1);
            faceClip_ = raster::EllipseRegion(2, 2, w - 1, h - 1);
            break;
        default:
            region = QRegion(0, 0, w + 1, h + 1);
            break;
    }
    if (!Elliptic()) {
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
    }
    region_ = region;
    q->setMask(region_);
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
    const int L = faceL_;
    const int W = faceW_;
    const int R = faceR_;
    const bool hasPicture = pictureWidth_ + pictureHeight_ > 0;
    const int s = PixelSize();
    // Pictures of 40 and 48 pixels cover the face and take no room from the caption.
    const bool reserves = hasPicture && s <= Stored(PicturePixels::Large);
    int pl = 0, pr = 0, pt = 0, pb = 0;
    if (reserves) {
        switch (picturePlace_) {
            case PicturePlace::LeftEdge:
            case PicturePlace::BeforeCaption:
                pl = s;
                break;
            case PicturePlace::RightEdge:
            case PicturePlace::AfterCaption:
                pr = s;
                break;
            case PicturePlace::TopCentre:
                pt = s;
                break;
            case PicturePlace::BottomCentre:
                pb = s;
                break;
            default:
                break;
        }
    }
    int tw = 0;
    int th = -3;
    if (!caption_.isEmpty()) {
        QString text = caption_;
        text.replace(QLatin1String("||"), QLatin1String("\n"));
        const QFontMetrics fm(captionFont_);
        const QRect limit(0, 0, std::max(W - pl - pr - 12, 1), std::max(h - 12 - pt - pb, 1));
        const QRect br =
            fm.boundingRect(limit, Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
        tw = br.width();
        th = br.height();
        if (captionEffect_ != CaptionEffect::Plain) {
            tw += 2;
            th += 2;
        }
    }
    int x = 0;
    switch (captionAlign_) {
        case CaptionAlignment::Left:
            x = L + 6 + pl + (pl > 0 ? 6 : 0);
            break;
        case CaptionAlignment::Right:
            x = R - pr - tw - 6 - (pr > 0 ? 6 : 0);
            break;
        default:
            if (picturePlace_ == PicturePlace::BeforeCaption && pl > 0) {
                x = (W - (tw + pl + 6)) / 2 + L + pl + 6;
            } else if (picturePlace_ == PicturePlace::AfterCaption && pr > 0) {
                x = (W - (tw + pr + 6)) / 2 + L;
            } else {
                x = (W - pl - pr - tw) / 2 + L + pl;
            }
            break;
    }
    int y = (h - th) / 2;
    int px = 0;
    int py = 0;
    if (hasPicture) {
        const bool noCaption = caption_.isEmpty();
        switch (picturePlace_) {
            case PicturePlace::LeftEdge:
                px = L + 6;
                break;
            case PicturePlace::BeforeCaption:
                px = noCaption ? L + 6 : x - pl - 6;
                break;
            case PicturePlace::RightEdge:
                px = R - pr - 6;
                break;
            case PicturePlace::AfterCaption:
                px = noCaption ? R - pr - 6 : x + tw + 6;
                break;
            default:
                px = L + (W - s) / 2;
                break;
        }
        if (picturePlace_ <= PicturePlace::AfterCaption) {
            py = (h - s) / 2;
        } else {
            const int b = (h - (th + s)) / 2;
            if (picturePlace_ == PicturePlace::TopCentre) {
                py = b;
                y = reserves ? b + s + 2 : y;
            } else {
                py = th + b + 3;
                y = reserves ? b + 1 : y;
            }
        }
    }
    auto clampRect = [R, h](const QRect& r) {
        const int left = std::max(r.left(), 6);
        const int top = std::max(r.top(), 6);
        const int right = std::min(r.left() + r.width(), R);
        const int bottom = std::min(r.top() + r.height(), h - 6);
        return QRect(left, top, right - left, bottom - top);
    };
    captionRect_ = clampRect(QRect(x, y, tw, std::max(th, 0)));
    if (!hasPicture) {
        pictureRect_ = QRect();
    } else if (CoversFace()) {
        // Where it is drawn; a picture stretched over the whole button keeps the margin of 6.
        QRect drawn = CoveringPictureTarget(false);
        if (s == Stored(PicturePixels::Stretched)) {
            drawn = drawn.marginsRemoved(QMargins(6, 6, 6, 6));
        }
        pictureRect_ = clampRect(drawn);
    } else {
        pictureRect_ = clampRect(QRect(px, py, s, s));
    }
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

void XPButtonPrivate::RefreshFont() {
    captionFont_ = q->font();
    if (captionFont_.pointSizeF() > 0) {
        // Point size to pixels at 20 twips per point and 15 twips per pixel.
        captionFont_.setPixelSize(
            std::max(1, RoundHalfEven(captionFont_.pointSizeF() * 20.0 / 15.0)));
    }
    // Caption text is drawn as GDI draws it with a plain font: without smoothing. A bitmap font
    // has no glyphs for a scaled screen (Qt would space its 1x glyphs out), so there the caption
    // takes an outline font of the family or its substitutes.
    captionFont_.setStyleStrategy(
        DeviceRatio() == 1.0 ? QFont::NoAntialias
                             : QFont::StyleStrategy(QFont::NoAntialias | QFont::ForceOutline));
}

void XPButtonPrivate::RefreshPicture() {
    pictureWidth_ = picture_.Width();
    pictureHeight_ = picture_.Height();
    picScaled_ = QImage();
    picDisabledLightScaled_ = QImage();
    picDisabledShadowScaled_ = QImage();
    if (!picture_.IsValid()) {
        picDrawable_ = picDisabledLight_ = picDisabledShadow_ = QImage();
        return;
    }
    picDrawable_ = picture_.Image().convertToFormat(QImage::Format_ARGB32);
    if (!picture_.IsIcon()) {
        // A bitmap is transparent wherever it has the colour of its top-left pixel.
        const QRgb key = picDrawable_.pixel(0, 0) | 0xFF000000u;
        for (int y = 0; y < picDrawable_.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picDrawable_.scanLine(y));
            for (int x = 0; x < picDrawable_.width(); ++x) {
                if ((row[x] | 0xFF000000u) == key) {
                    row[x] = 0;
                }
            }
        }
    }
    // The disabled look: the silhouette in a light and in a shadow colour.
    auto silhouette = [this](QRgb color) {
        QImage img(picDrawable_.size(), QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(picDrawable_.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                dst[x] = qAlpha(src[x]) >= 128 ? color : 0u;
            }
        }
        return img;
    };
    picDisabledLight_ = silhouette(ToQRgb(kWhite));
    picDisabledShadow_ = silhouette(ToQRgb(kGrey));
}

void XPButtonPrivate::RefreshDerivedColors() {
    OleColor face = TranslateColor(backColor_);
    OleColor pressed = face;
    OleColor hover = TranslateColor(hoverBackColor_);
    OleColor checked = ShadeColor(kWhite, -32);
    switch (style_) {
        case FaceStyle::Rounded:
            face = ShadeColor(face, 48, true);
            pressed = ShadeColor(face, -32, true);
            hover = ShadeColor(hover, 48, true);
            checked = ShadeColor(kWhite, -32, true);
            break;
        case FaceStyle::Etched:
            pressed = ShadeColor(kGrey, 12);
            checked = ShadeColor(pressed, 31);
            break;
        case FaceStyle::Bevelled:
            face = ShadeColor(face, 31);
            pressed = ShadeColor(kGrey, -16);
            hover = ShadeColor(hover, 31);
            checked = ShadeColor(kGrey, 16, true);
            break;
        default:
            break;
    }
    faceColor_ = face;
    pressedColor_ = pressed;
    hoverFaceColor_ = hover;
    checkedColor_ = checked;
}

void XPButtonPrivate::GradientFill(Canvas& c, OleColor a, OleColor b, Gradient mode) {
    const bool columns = mode == Gradient::Horizontal || mode == Gradient::HorizontalReversed;
    const int extent = columns ? q->width() : q->height();
    if (extent <= 0) {
        return;
    }
    int screenExtent = 1 << 20;
    if (const QScreen* sc = q->screen()) {
        screenExtent = columns ? sc->geometry().width() : sc->geometry().height();
    }
    const int thickness = static_cast<double>(screenExtent) / extent < 4.0 ? 2 : 1;
    const int n = std::max(extent / thickness, 1);
    if (mode == Gradient::HorizontalReversed || mode == Gradient::VerticalReversed) {
        std::swap(a, b);
    }
    GradientColors(a, b, n, bands_);
    for (int i = 0; i < n; ++i) {
        const int pos = i * thickness;
        // The last band runs to the edge, so an odd extent leaves no column unpainted.
        const int end = i == n - 1 ? extent : pos + thickness;
        const QRgb color = ToQRgb(bands_[static_cast<std::size_t>(i)]);
        if (columns) {
            c.FillRect(pos, 0, end, q->height(), color);
        } else {
            c.FillRect(0, pos, q->width(), end, color);
        }
    }
}

void XPButtonPrivate::DrawCaption(OleColor face, std::int64_t disabledColor, bool pressed,
                                  bool allowEtched, std::int64_t textColor) {
    LayoutFace();
    const bool offset = (pressed || PressedAndHot()) && style_ != FaceStyle::Etched;
    const int dx = offset && !Elliptic() ? 1 : 0;
    const int dy = offset ? 1 : 0;
    DrawPicture(dx, dy, offset);
    if (caption_.isEmpty()) {
        return;
    }
    QString text = caption_;
    text.replace(QLatin1String("||"), QLatin1String("\n"));
    const QRect box = captionRect_.translated(dx, dy);
    int align = Qt::AlignHCenter;
    if (captionAlign_ == CaptionAlignment::Left) {
        align = Qt::AlignLeft;
    } else if (captionAlign_ == CaptionAlignment::Right) {
        align = Qt::AlignRight;
    }
    const int flags = align | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    QPainter p(&buffer_);
    if (!faceClip_.isEmpty()) {
        p.setClipRegion(faceClip_);
    }
    p.setFont(captionFont_);
    auto draw = [&](OleColor color, int ox, int oy) {
        p.setPen(QColor(ToQRgb(TranslateColor(color))));
        p.drawText(box.translated(ox, oy), flags, text);
    };
    if (q->isEnabled()) {
        OleColor color = foreColor_;
        if (textColor != kNoColor) {
            color = static_cast<OleColor>(textColor);
        } else if (hoverActive_ && !PressedAndHot()) {
            color = hoverForeColor_;
        }
        if (captionEffect_ == CaptionEffect::Engraved ||
            captionEffect_ == CaptionEffect::Embossed) {
            const int delta = captionEffect_ == CaptionEffect::Engraved ? -40 : 40;
            draw(ShadeColor(face, delta), -1, 0);
            draw(ShadeColor(face, -delta), 1, 2);
            draw(color, 0, 1);
        } else {
            draw(color, 0, 0);
        }
    } else if (allowEtched && (gradient_ != Gradient::None || disabledColor == kNoColor)) {
        draw(kWhite, 1, 1);
        draw(kGrey, 0, 0);
    } else {
        draw(disabledColor == kNoColor ? kGrey : static_cast<OleColor>(disabledColor), 0, 0);
    }
}

void XPButtonPrivate::DrawPicture(int dx, int dy, bool offset) {
    if (picDrawable_.isNull()) {
        return;
    }
    const int s = PixelSize();
    const QRect target = CoversFace()
                             ? CoveringPictureTarget(offset)
                             : QRect(pictureRect_.left() + dx, pictureRect_.top() + dy, s, s);
    if (target.width() <= 0 || target.height() <= 0) {
        return;
    }
    // Scaled from the picture straight to the device pixels; the copies are kept until the size
    // or the picture changes, so steady repaints allocate nothing.
    const qreal r = buffer_.devicePixelRatio();
    const QSize device(qRound(target.width() * r), qRound(target.height() * r));
    auto scaled = [&device, r](const QImage& src, QImage& cache) -> const QImage& {
        if (cache.size() != device || cache.devicePixelRatio() != r) {
            cache = src.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            cache.setDevicePixelRatio(r);
        }
        return cache;
    };
    QPainter p(&buffer_);
    if (!faceClip_.isEmpty()) {
        p.setClipRegion(faceClip_);
    }
    if (q->isEnabled()) {
        p.drawImage(target.topLeft(), scaled(picDrawable_, picScaled_));
    } else {
        p.drawImage(target.topLeft() + QPoint(1, 1),
                    scaled(picDisabledLight_, picDisabledLightScaled_));
        p.drawImage(target.topLeft(), scaled(picDisabledShadow_, picDisabledShadowScaled_));
    }
}

}  // namespace qm
