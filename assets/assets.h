// SPDX-License-Identifier: MIT
// The pictures, pointers and colours the game carries, compiled in with the Qt resource system.
//
// Resource layout:
//   :/form2/picture1_00.png .. picture1_49.png  tile faces, 39 x 39 (kind k: normal k-1, selected
//   k+24)
//   :/form2/picture2_0.png .. picture2_3.png    link pieces 10x25, 25x10, 10x40, 40x10
//   :/form2/picture3.png                        pause banner 195 x 146
//   :/form2/picture4.png                        full time bar 450 x 10
//   :/form2/picture5_0.png, picture5_1.png      time-out and level-cleared banners, 362 x 42
//   :/board/background.png                      board canvas picture 640 x 480
//   :/board/tile_cursor.png                     32 x 32 pointer shown over tiles
//   :/frame/pmain.png                           window skin 271 x 218
//   :/frame/immin1.png, immin2.png              minimise image: hover and pressed looks, 16 x 16
//   :/frame/imclose1.png, imclose2.png          close image: hover and pressed looks, 16 x 16
//   :/frame/imico.png                           window icon painted on the frame, 16 x 16
//   :/frame/button_cursor.png                   32 x 32 pointer of the buttons and frame images
//   :/icons/quorvane_<N>.png                    application icon, N = 16 24 32 48 64 128 256
//   :/text/notice.txt                           text of the bottom-right notice label (UTF-8)
//
// Each picture also has a twin of twice its size for scaled displays, in a library of its own:
// see assets2x.h.
#pragma once

#include <array>
#include <cstdint>

namespace quorvane {

// Registers the compiled-in resources. The library is static, so the program must call this once
// before it loads any of the pictures above.
void initAssets();

// Hot spots of the two custom pointers, in pixels from the top-left of their 32 x 32 image.
inline constexpr int kTileCursorHotX = 12;
inline constexpr int kTileCursorHotY = 1;
inline constexpr int kButtonCursorHotX = 20;
inline constexpr int kButtonCursorHotY = 1;

inline constexpr int kTileKinds = 25;
inline constexpr int kTileFaceSize = 39;

// The frame pieces cover only the window's edges; the rest of the window, and the board panel
// that sits on it, should be filled with this colour so they join the skin without a seam.
inline constexpr std::uint32_t kFrameBodyRgb = 0xe6eee0;

// Colour of the link pieces, as the link display expects it.
inline constexpr std::uint32_t kLinkRgb = 0x743af9;

// Application icon sizes in assets/icons/hicolor/<N>x<N>/apps/quorvane.png and :/icons/.
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

}  // namespace quorvane
