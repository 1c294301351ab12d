#include "grid/color_scheme.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(ColorScheme, ClassicSchemeResolvesEveryRole) {
    const TColorScheme classic = TColorScheme::Classic();
    EXPECT_EQ(classic.Resolve(clWindow), clWhite);
    EXPECT_EQ(classic.Resolve(clWindowText), clBlack);
    EXPECT_EQ(classic.Resolve(clHighlight), RGBColor(0x00, 0x00, 0x80));
    EXPECT_EQ(classic.Resolve(clHighlightText), clWhite);
    EXPECT_EQ(classic.Resolve(clBtnFace), clSilver);
    EXPECT_EQ(classic.Resolve(clBtnShadow), RGBColor(0x80, 0x80, 0x80));
    EXPECT_EQ(classic.Resolve(clInfoBk), RGBColor(0xFF, 0xFF, 0xE1));
}

TEST(ColorScheme, PlainColoursPassAndUnknownRolesReadAsWindowText) {
    TColorScheme scheme = TColorScheme::Classic();
    scheme.SetRole(TSystemColor::WindowText, RGBColor(1, 2, 3));
    for (TColor plain : {clBlack, clWhite, clRed, RGBColor(0x12, 0x34, 0x56), clNone})
        EXPECT_EQ(scheme.Resolve(plain), plain) << std::hex << plain;
    EXPECT_EQ(scheme.Resolve(SystemColorFlag | 3), RGBColor(1, 2, 3));
}

TEST(ColorScheme, AStyleIsResolvedInBrushAndFontColourOnly) {
    TColorScheme scheme = TColorScheme::Classic();
    scheme.SetRole(TSystemColor::BtnFace, RGBColor(0xEF, 0xEF, 0xEF));
    const TCellStyle header{clBtnFace, clWindowText, fsBold, true};
    EXPECT_EQ(scheme.Resolve(header), (TCellStyle{RGBColor(0xEF, 0xEF, 0xEF), clBlack, fsBold, true}));
}

}  // namespace
}  // namespace tkm
