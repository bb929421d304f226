// SPDX-License-Identifier: MIT
#include "ui/system/display.h"

#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cmath>

#include <fontconfig/fontconfig.h>

#include "assets/assets2x.h"

namespace quorvane::ui {

namespace {

const QString kScalableSong = QStringLiteral("AR PL UMing CN");
const QString kBitmapSong = QStringLiteral("WenQuanYi Bitmap Song");

// The X11 server takes a pointer picture pixel for pixel, hot spot included; a Wayland compositor
// takes the picture with its scale and the hot spot in the window's own (logical) units.
bool hotSpotInDevicePixels() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

qreal startupPixelRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

bool wholePixelScale(qreal screenRatio, qreal pictureRatio) {
    const qreal factor = screenRatio / pictureRatio;
    return factor >= 1.0 && qFuzzyCompare(factor, std::round(factor));
}

QRect toDevice(QRect logical, qreal ratio) {
    if (ratio == 1.0) {
        return logical;
    }
    const int left = qRound(logical.x() * ratio);
    const int top = qRound(logical.y() * ratio);
    const int right = qRound((logical.x() + logical.width()) * ratio);
    const int bottom = qRound((logical.y() + logical.height()) * ratio);
    return {left, top, right - left, bottom - top};
}

void setUpFonts(qreal ratio) {
    if (ratio == 1.0) {
        QFont::insertSubstitutions(QStringLiteral("宋体"), {kBitmapSong, kScalableSong});
        return;
    }
    QFont::insertSubstitutions(QStringLiteral("宋体"), {kScalableSong, kBitmapSong});
    // The default face has no Chinese glyphs; name the scalable Song as the next family so those
    // glyphs come from it rather than from whatever bitmap face the system would fall back to.
    // The default face is named by the family it resolves to: a generic name such as "Sans Serif"
    // would not be found in a list and the Song face would take the Latin letters too.
    QFont labels = QApplication::font();
    labels.setFamilies({QFontInfo(labels).family(), kScalableSong});
    QApplication::setFont(labels);
}

// The library keeps one configuration for the whole process and makes it once, whichever thread
// asks first; the text engine then finds it made. The thread runs at the lowest priority, on
// what the display connection leaves of the processors: it must not slow that connection down.
FontConfigWarmUp::FontConfigWarmUp()
    : thread_([] {
          setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
          FcInit();
      }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

QCursor pointerCursor(const QString& path, QPoint hotSpot, qreal ratio) {
    QImage picture = loadAsset(path, ratio);
    if (ratio == 1.0) {
        return QCursor(QPixmap::fromImage(picture), hotSpot.x(), hotSpot.y());
    }
    const qreal pictureRatio = picture.devicePixelRatio();
    const QSize logical(qRound(picture.width() / pictureRatio),
                        qRound(picture.height() / pictureRatio));
    const QSize device(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    if (picture.size() != device) {
        picture = picture.scaled(device, Qt::IgnoreAspectRatio,
                                 wholePixelScale(ratio, pictureRatio) ? Qt::FastTransformation
                                                                      : Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(ratio);
    const QPoint spot = hotSpotInDevicePixels()
                            ? QPoint(qRound(hotSpot.x() * ratio), qRound(hotSpot.y() * ratio))
                            : hotSpot;
    return QCursor(QPixmap::fromImage(picture), spot.x(), spot.y());
}

bool windowsCanBePlaced() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool outlineByTransparency() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace quorvane::ui
