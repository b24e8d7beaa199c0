// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/Cp1251.h"
#include "common/core/HtmlEscape.h"

#include <gtest/gtest.h>

using namespace smek;

TEST(HtmlEscape, MarkupCharactersBecomeEntitiesAndTheRestStays) {
    EXPECT_EQ(htmlEscape("<br>&"), "&lt;br&gt;&amp;");
    EXPECT_EQ(htmlEscape("&amp;"), "&amp;amp;"); // entities already written are text too
    EXPECT_EQ(htmlEscape(w1251("Ёж 'и' \"я\"")), w1251("Ёж 'и' \"я\""));
    EXPECT_EQ(htmlEscape(""), "");
}
