// SPDX-License-Identifier: GPL-3.0-or-later
#include "slovoset/core/usrSlovaState.h"

#include "common/core/Cp1251.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace smek::slovoset;

namespace {

usrSlovaState listOf(int lines) {
    usrSlovaState s;
    for (int i = 0; i < lines; ++i) s.AddLine();
    s.NomLine = 0;
    return s;
}

int alwaysClosed(int) { return 0; }

// The first line shown and the current line.
using Place = std::pair<int, int>;
Place place(const usrSlovaState& s) { return {s.top, s.NomLine}; }

} // namespace

TEST(usrSlovaLineText, PlayHidesUnopenedWordsBehindTheirLetterCount) {
    const std::string les = smek::w1251("ЛЕСОК");
    EXPECT_EQ(lineText(2, les, 0, 0), smek::w1251("3) 5 букв(ы)"));
    EXPECT_EQ(lineText(1, les, 1, 0), smek::w1251("2) ЛЕСОК"));
    EXPECT_EQ(lineText(9, les, 0, 1), smek::w1251("10) ЛЕСОК"));
}

TEST(usrSlovaIcons, ElementByModeAndState) {
    // Play: not opened, revealed, guessed; create: not chosen, chosen.
    EXPECT_EQ((std::vector{iconElement(0, 0, 0), iconElement(1, 0, 0), iconElement(1, 1, 0), iconElement(0, 0, 1),
                           iconElement(1, 0, 1)}),
              (std::vector{0, 3, 4, 1, 2}));
    EXPECT_EQ((std::vector{pressedIconElement(0, 0), pressedIconElement(0, 1), pressedIconElement(1, 1)}),
              (std::vector{0, 1, 2}));
}

TEST(usrSlovaKeys, DownScrollsOneLineAtTheBottomEdge) {
    usrSlovaState s = listOf(20);
    for (int i = 0; i < 16; ++i) s.keyDown(kKeyDown);
    EXPECT_EQ(place(s), Place(0, 16));
    const auto move = s.keyDown(kKeyDown);
    EXPECT_TRUE(move.moved && move.from == 16) << move.from;
    EXPECT_EQ(place(s), Place(1, 17));
    s.keyDown(kKeyUp);
    EXPECT_EQ(s.top, 1);
    for (int i = 0; i < 2; ++i) s.keyDown(kKeyUp);
    EXPECT_EQ(place(s), Place(1, 14));
}

TEST(usrSlovaKeys, UpAboveTheTopScrollsBack) {
    usrSlovaState s = listOf(30);
    s.setTop(5);
    s.NomLine = 5;
    s.keyDown(kKeyUp);
    EXPECT_EQ(place(s), Place(4, 4));
}

TEST(usrSlovaKeys, OffScreenLineJumpsToTheTop) {
    usrSlovaState s = listOf(40);
    s.NomLine = 2;
    s.setTop(10); // scrolled away with the bar
    s.keyDown(kKeyDown);
    EXPECT_EQ(s.NomLine, 10);
    s.NomLine = 30;
    s.keyDown(kKeyUp);
    EXPECT_EQ(s.NomLine, 10);
}

TEST(usrSlovaKeys, PagesAndEnds) {
    usrSlovaState s = listOf(40); // scroll maximum 23
    // The second PageDown, near the end: the last line and the maximum.
    const std::vector<std::pair<NavKey, Place>> steps = {{kKeyPageDown, {17, 33}}, {kKeyPageDown, {23, 39}},
                                                         {kKeyPageUp, {6, 6}},     {kKeyPageUp, {0, 0}},
                                                         {kKeyEnd, {23, 39}},      {kKeyHome, {0, 0}}};
    for (size_t i = 0; i < steps.size(); ++i) {
        s.keyDown(steps[i].first);
        EXPECT_EQ(place(s), steps[i].second) << "step " << i;
    }
}

TEST(usrSlovaKeys, PageDownOnAShortListStopsOnItsLastLine) {
    usrSlovaState s = listOf(10);
    s.keyDown(kKeyPageDown);
    EXPECT_EQ(place(s), Place(0, 9));
}

TEST(usrSlovaMouse, IconClickNeedsPressAndReleaseOnTheSameLineAndZone) {
    usrSlovaState s = listOf(3);
    ASSERT_TRUE(s.mouseDown(10, 50, true, 1, alwaysClosed));
    EXPECT_EQ(s.LineNajat, 2);
    EXPECT_EQ(s.TypNajat, kZoneIcon);
    EXPECT_EQ(s.mouseUp(27, 60), usrSlovaState::Release::IconClick);
    EXPECT_EQ(s.NomLine, 2);

    ASSERT_TRUE(s.mouseDown(10, 50, true, 1, alwaysClosed));
    EXPECT_EQ(s.mouseUp(10, 10), usrSlovaState::Release::CancelledIcon); // other line
    ASSERT_TRUE(s.mouseDown(10, 50, true, 1, alwaysClosed));
    EXPECT_EQ(s.mouseUp(40, 50), usrSlovaState::Release::CancelledIcon); // text zone
    ASSERT_TRUE(s.mouseDown(10, 50, true, 1, alwaysClosed));
    EXPECT_EQ(s.mouseUp(10, 69), usrSlovaState::Release::CancelledIcon); // below the list
    EXPECT_EQ(s.mouseUp(10, 50), usrSlovaState::Release::Ignored); // no press waiting
}

TEST(usrSlovaMouse, TextPressMovesTheHighlightEvenWhenTheReleaseIsInTheIconZone) {
    usrSlovaState s = listOf(3);
    ASSERT_TRUE(s.mouseDown(26, 30, true, 0, alwaysClosed));
    EXPECT_EQ(s.TypNajat, kZoneText);
    EXPECT_EQ(s.mouseUp(26, 30), usrSlovaState::Release::Highlight);
    EXPECT_EQ(s.NomLine, 1);
    // The current line's text takes no press.
    EXPECT_FALSE(s.mouseDown(60, 30, true, 0, alwaysClosed));
}

TEST(usrSlovaMouse, PressesThatAreIgnored) {
    usrSlovaState s = listOf(3);
    EXPECT_FALSE(s.mouseDown(10, 10, false, 1, alwaysClosed)); // analysis running
    EXPECT_FALSE(s.mouseDown(1, 10, true, 1, alwaysClosed));
    EXPECT_FALSE(s.mouseDown(164, 30, true, 1, alwaysClosed));
    EXPECT_FALSE(s.mouseDown(10, 69, true, 1, alwaysClosed)); // the bottom edge
    // Play mode: an opened word's icon cannot be pressed.
    EXPECT_FALSE(s.mouseDown(10, 30, true, 0, [](int line) { return line == 1 ? 1 : 0; }));
    EXPECT_TRUE(s.mouseDown(10, 30, true, 1, [](int line) { return line == 1 ? 1 : 0; }));
}

TEST(usrSlovaScroll, TopShowingMovesAsLittleAsPossible) {
    usrSlovaState s = listOf(40); // scroll maximum 23
    // The last visible line; one below it: one line down; the last line.
    EXPECT_EQ((std::vector{s.topShowing(16), s.topShowing(17), s.topShowing(39)}), (std::vector{0, 1, 23}));
    s.setTop(10);
    EXPECT_EQ((std::vector{s.topShowing(10), s.topShowing(26), s.topShowing(9), s.topShowing(0)}), (std::vector{10, 10, 9, 0}));
    EXPECT_EQ(listOf(17).topShowing(16), 0); // no scroll bar
}

TEST(usrSlovaMouse, LineUnderAPointAndWhichIconsAct) {
    const usrSlovaState s = listOf(3);
    // The last two: the bottom edge, left of the lines.
    EXPECT_EQ((std::vector{s.lineAt(30, 0), s.lineAt(30, 22), s.lineAt(30, 23), s.lineAt(30, 3 * 23 - 1),
                           s.lineAt(30, 3 * 23), s.lineAt(1, 5)}),
              (std::vector{0, 0, 1, 2, -1, -1}));
    // An opened word stays open.
    EXPECT_EQ((std::vector{iconActs(1, 0), iconActs(1, 1), iconActs(0, 0), iconActs(0, 1)}), (std::vector{true, true, true, false}));
}
