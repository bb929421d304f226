// SPDX-License-Identifier: MIT
// The fruit on each tile kind, as the game reads it out: kind k is entry k - 1.
//
// The list matches, entry for entry, the fruit the picture generator (tools/, kFruits) draws on
// the tile faces; `english` is the generator's own name for it, `chinese` what the player hears.
// Change both together.
#pragma once

#include <array>
#include <string_view>

namespace quorvane {

struct FruitName {
    std::string_view english;
    std::string_view chinese;  // UTF-8
};

inline constexpr std::array<FruitName, 25> kFruitNames = {{
    {"red apple", "红苹果"}, {"green apple", "青苹果"}, {"pear", "梨"},
    {"tangerine", "橘子"},   {"lemon", "柠檬"},         {"banana", "香蕉"},
    {"watermelon", "西瓜"},  {"grapes", "葡萄"},        {"strawberry", "草莓"},
    {"blueberries", "蓝莓"}, {"melon", "甜瓜"},         {"cherries", "樱桃"},
    {"peach", "桃子"},       {"mango", "芒果"},         {"pineapple", "菠萝"},
    {"coconut", "椰子"},     {"kiwi", "猕猴桃"},        {"tomato", "番茄"},
    {"olive", "橄榄"},       {"avocado", "牛油果"},     {"lime", "青柠"},
    {"chestnut", "栗子"},    {"eggplant", "茄子"},      {"hot pepper", "辣椒"},
    {"peanuts", "花生"},
}};

}  // namespace quorvane
