// SPDX-License-Identifier: MIT
// The caption and the picture: their font and images, and their drawing as each style finishes.
#include <QPainter>
#include <algorithm>

#include "widgets/xpbutton_p.h"

namespace qm {

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
