// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "widgets/propertybag.h"

using namespace qm;

TEST(PropertyBag, ParsesSectionsKeysAndValuesWithoutRegardToCase) {
    const PropertyBag bag = PropertyBag::Parse(QString::fromUtf8(
        "; layout\n[XPButton1]\ncaption = \"重新开始\"\nBACKSTYLE=2\n  cfore = &H00C00000& \n"
        "\n[Other]\nMode = 1\nmode = 2\n"));
    const PropertySection& s = bag.Section("xpbutton1");
    EXPECT_EQ(s.ReadString("Caption", {}), QString::fromUtf8("重新开始"));
    EXPECT_EQ(s.ReadInt("BackStyle", 0), 2);
    EXPECT_EQ(s.ReadColor("cFore", 0), 0xC00000u);
    EXPECT_EQ(bag.Section("OTHER").ReadInt("Mode", 0), 2);  // the last of a repeated key wins
    EXPECT_EQ(bag.Section("missing").ReadInt("Mode", 7), 7);
    EXPECT_EQ(s.ReadBool("Focus", true), true);
}

TEST(PropertyBag, TextRoundTripKeepsOrderAndAwkwardStrings) {
    PropertyBag bag;
    PropertySection& s = bag.AddSection("B");
    const QString awkward = QString::fromUtf8("a \"quoted\" \\ back\nslash = ; [x] 按钮");
    s.WriteString("Caption", awkward);
    s.WriteColor("cBack", 0x8000000Fu);
    s.WriteBool("Value", false);
    s.WriteInt("Skip", 2, 2);  // equal to its default: not written
    const PropertyBag back = PropertyBag::Parse(bag.ToText());
    const PropertySection& r = back.Section("B");
    ASSERT_EQ(r.Entries().size(), 3u);
    EXPECT_EQ(r.Entries()[0].first, "Caption");
    EXPECT_EQ(r.ReadString("Caption", {}), awkward);
    EXPECT_EQ(r.ReadColor("cBack", 0), 0x8000000Fu);
    EXPECT_EQ(r.Value("cBack").value(), "&H8000000F");
    EXPECT_EQ(r.ReadBool("Value", true), false);
    EXPECT_FALSE(r.Contains("Skip"));
}

TEST(PropertyBag, FontsAndPicturesHaveATextForm) {
    QFont base;
    QFont f(QString::fromUtf8("宋体"), 9);
    f.setBold(true);
    f.setUnderline(true);
    const QString text = bagtext::FormatFont(f);
    EXPECT_EQ(text, QString::fromUtf8("\"宋体\", 9, bold, underline"));
    const auto g = bagtext::ParseFont(QString::fromUtf8("\"宋体\", 10.5, italic"), base);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->family(), QString::fromUtf8("宋体"));
    EXPECT_DOUBLE_EQ(g->pointSizeF(), 10.5);
    EXPECT_TRUE(g->italic());
    EXPECT_FALSE(g->bold());

    const XPPicture missing = bagtext::ParsePicture("\":/no/such.png\", 3, 4");
    EXPECT_FALSE(missing.IsEmpty());
    EXPECT_FALSE(missing.IsValid());
    EXPECT_EQ(missing.HotSpot(), QPoint(3, 4));
    EXPECT_EQ(bagtext::FormatPicture(missing), "\":/no/such.png\", 3, 4");
    EXPECT_TRUE(bagtext::ParsePicture("\"\"").IsEmpty());
}

TEST(PropertyBag, NumbersInEveryAcceptedSpelling) {
    EXPECT_EQ(bagtext::ParseNumber("-1"), -1);
    EXPECT_EQ(bagtext::ParseNumber("&hFF"), 255);
    EXPECT_EQ(bagtext::ParseNumber("&H8000000F&"), 0x8000000Fll);
    EXPECT_EQ(bagtext::ParseNumber("True"), -1);
    EXPECT_EQ(bagtext::ParseNumber("false"), 0);
    EXPECT_FALSE(bagtext::ParseNumber("twelve").has_value());
}
