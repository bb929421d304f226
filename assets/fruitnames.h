// SPDX-License-Identifier: MIT
// The fruit on each tile kind, as the game reads it out: kind k is entry k - 1.
//
// The list matches, entry for entry, the fruit the picture generator (tools/, kFruits) draws on
// the tile faces; `english` is the generator's own name for it, `chinese` what the player hears,
// translated in the context "Fruit" into the game's language. Change both together.
#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

namespace quorvane {

struct FruitName {
    std::string_view english;
    std::string_view chinese;  // UTF-8
};

inline constexpr std::array<FruitName, 25> kFruitNames = {{
    {"red apple", QT_TRANSLATE_NOOP("Fruit", "红苹果")},
    {"green apple", QT_TRANSLATE_NOOP("Fruit", "青苹果")},
    {"pear", QT_TRANSLATE_NOOP("Fruit", "梨")},
    {"tangerine", QT_TRANSLATE_NOOP("Fruit", "橘子")},
    {"lemon", QT_TRANSLATE_NOOP("Fruit", "柠檬")},
    {"banana", QT_TRANSLATE_NOOP("Fruit", "香蕉")},
    {"watermelon", QT_TRANSLATE_NOOP("Fruit", "西瓜")},
    {"grapes", QT_TRANSLATE_NOOP("Fruit", "葡萄")},
    {"strawberry", QT_TRANSLATE_NOOP("Fruit", "草莓")},
    {"blueberries", QT_TRANSLATE_NOOP("Fruit", "蓝莓")},
    {"melon", QT_TRANSLATE_NOOP("Fruit", "甜瓜")},
    {"cherries", QT_TRANSLATE_NOOP("Fruit", "樱桃")},
    {"peach", QT_TRANSLATE_NOOP("Fruit", "桃子")},
    {"mango", QT_TRANSLATE_NOOP("Fruit", "芒果")},
    {"pineapple", QT_TRANSLATE_NOOP("Fruit", "菠萝")},
    {"coconut", QT_TRANSLATE_NOOP("Fruit", "椰子")},
    {"kiwi", QT_TRANSLATE_NOOP("Fruit", "猕猴桃")},
    {"tomato", QT_TRANSLATE_NOOP("Fruit", "番茄")},
    {"olive", QT_TRANSLATE_NOOP("Fruit", "橄榄")},
    {"avocado", QT_TRANSLATE_NOOP("Fruit", "牛油果")},
    {"lime", QT_TRANSLATE_NOOP("Fruit", "青柠")},
    {"chestnut", QT_TRANSLATE_NOOP("Fruit", "栗子")},
    {"eggplant", QT_TRANSLATE_NOOP("Fruit", "茄子")},
    {"hot pepper", QT_TRANSLATE_NOOP("Fruit", "辣椒")},
    {"peanuts", QT_TRANSLATE_NOOP("Fruit", "花生")},
}};

}  // namespace quorvane
