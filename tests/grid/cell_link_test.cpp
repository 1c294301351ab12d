#include "grid/cell_link.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(CellLink, WhatCountsAsALink) {
    EXPECT_TRUE(IsLinkText("see https://example.org"));
    EXPECT_TRUE(IsLinkText("mailto:ann@example.org"));
    EXPECT_FALSE(IsLinkText("MAILTO:ann"));
    EXPECT_FALSE(IsLinkText("plain text"));
}

TEST(CellLink, CellAddressesJumpAnyOtherOpens) {
    TCellJump jump;
    EXPECT_EQ(LinkActionFor("http://x", jump), TLinkAction::OpenText);
    ASSERT_EQ(LinkActionFor("Cell://r12C3", jump), TLinkAction::JumpToCell);
    EXPECT_EQ(jump.Row, 12);
    EXPECT_EQ(jump.Col, 3);
    EXPECT_EQ(LinkActionFor("CELL://R3", jump), TLinkAction::None);
    EXPECT_EQ(LinkActionFor("CELL://x3C2", jump), TLinkAction::None);
    EXPECT_EQ(LinkActionFor("go CELL://R1C1", jump), TLinkAction::None);  // address read after 7 characters
    EXPECT_EQ(LinkActionFor("plain", jump), TLinkAction::None);
}

}  // namespace
}  // namespace tkm
