// SPDX-License-Identifier: MIT
#include "ui/system/display.h"

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QFile>
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
// The same face with the character shapes taught in Taiwan.
const QString kScalableSongTaiwan = QStringLiteral("AR PL UMing TW");
const QString kBitmapSong = QStringLiteral("WenQuanYi Bitmap Song");
// Latin letters at 9 points: hinted to the pixel grid at 1x, smooth above it.
const QString kLatinSans = QStringLiteral("DejaVu Sans");

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

void setUpFonts(qreal ratio, const QString& language) {
    const QString song = QStringLiteral("宋体");
    QFont::removeSubstitutions(song);
    if (!writtenInChinese(language)) {
        QFont::insertSubstitutions(song, {kLatinSans});
        return;
    }
    const QString scalableSong = traditionalChinese(language) ? kScalableSongTaiwan : kScalableSong;
    const QString chineseFace = ratio == 1.0 ? kBitmapSong : scalableSong;
    if (ratio == 1.0) {
        QFont::insertSubstitutions(song, {kBitmapSong, scalableSong});
    } else {
        QFont::insertSubstitutions(song, {scalableSong, kBitmapSong});
    }
    // The default face has no Chinese glyphs; name the Song face as the next family so those
    // glyphs come from it. At 1x it is the bitmap face the system would fall back to anyway, but
    // named, the first Chinese text need not ask the system for a fallback (some 13 ms); on a
    // scaled screen it is the scalable face, where the system's choice would be the bitmap one.
    // The default face is named by the family it resolves to: a generic name such as "Sans Serif"
    // would not be found in a list and the Song face would take the Latin letters too.
    QFont labels = QApplication::font();
    labels.setFamilies({QFontInfo(labels).family(), chineseFace});
    QApplication::setFont(labels);
}

void releaseFontPages() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return;
    }
    // "start-end perms offset dev inode path", one mapping a line.
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || !fields[1].startsWith("r") || fields[1].contains('w')) {
            continue;
        }
        const QByteArray& path = fields[5];
        if (!path.endsWith(".ttf") && !path.endsWith(".ttc") && !path.endsWith(".otf") &&
            !path.endsWith(".pcf")) {
            continue;
        }
        const QList<QByteArray> range = fields[0].split('-');
        bool ok = range.size() == 2;
        const quintptr start = ok ? range[0].toULongLong(&ok, 16) : 0;
        const quintptr end = ok ? range[1].toULongLong(&ok, 16) : 0;
        if (ok && end > start) {
            void* at = reinterpret_cast<void*>(start);
            madvise(at, end - start, MADV_DONTNEED);
            madvise(at, end - start, MADV_RANDOM);
        }
    }
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
