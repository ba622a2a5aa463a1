#include "controls/dyna_list_scroller.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zorvanel {
namespace {

constexpr int kItemHeight = 80;
constexpr int kFrameMs = 16;

// A list 400 pixels wide showing 500 pixels of `rows` rows of 80 pixels.
DynaListScroller MakeScroller(int rows) {
  DynaListScroller s;
  s.SetViewportSize(Size{400, 500});
  s.SetContentSize(Size{400, rows * kItemHeight});
  s.SetItemHeight(kItemHeight);
  s.SetColumns({{0, 400}});
  return s;
}

// Runs paint frames every kFrameMs from `now` until the chain ends; returns
// the time of the last frame. Fails instead of looping for ever.
uint32_t RunFrames(DynaListScroller& s, uint32_t now) {
  for (int frame = 0; frame < 10000; ++frame) {
    now += kFrameMs;
    if (!s.Advance(now)) return now;
  }
  ADD_FAILURE() << "the repaint chain never ended";
  return now;
}

// Drags the content up by `distance` pixels in 10-pixel moves, 16 ms apart,
// starting at time `now`; returns the time of the last move.
uint32_t DragUp(DynaListScroller& s, int distance, uint32_t now) {
  Point p{200, 400};
  s.Press(p, now);
  for (int done = 0; done < distance; done += 10) {
    p.y -= std::min(10, distance - done);
    now += kFrameMs;
    s.Move(p, now);
  }
  return now;
}

TEST(DynaListScrollerTest, ReleaseWithinFourteenPixelsIsATapFifteenIsNot) {
  for (const Point release :
       {Point{114, 100}, Point{100, 114}, Point{86, 86}}) {
    DynaListScroller s = MakeScroller(20);
    s.Press(Point{100, 100}, 1000);
    EXPECT_TRUE(s.Release(release, 1050)) << release.x << "," << release.y;
  }
  for (const Point release : {Point{115, 100}, Point{100, 85}}) {
    DynaListScroller s = MakeScroller(20);
    s.Press(Point{100, 100}, 1000);
    EXPECT_FALSE(s.Release(release, 1050)) << release.x << "," << release.y;
  }
}

TEST(DynaListScrollerTest, TwoSamplesInTheSameMillisecondGiveAFiniteSpeed) {
  DynaListScroller s = MakeScroller(20);
  s.Press(Point{100, 300}, 500);
  s.Move(Point{100, 290}, 500);
  EXPECT_TRUE(std::isfinite(s.velocity()));
  EXPECT_DOUBLE_EQ(s.velocity(), 10.0);  // counted as 1 ms
  s.Release(Point{100, 290}, 500);
  // The first frame brings it down to the top speed: 1.5 px/ms for 16 ms.
  const int before = s.scroll().y;
  s.Advance(516);
  EXPECT_EQ(s.scroll().y - before, 24);
}

TEST(DynaListScrollerTest, SlowListGlidesOnToTheNextRowBoundaryAndStops) {
  DynaListScroller s = MakeScroller(20);
  // Scroll to 130, the last pixel taking 100 ms: 0.01 px/ms.
  uint32_t now = DragUp(s, 129, 0);
  now += 100;
  s.Move(Point{200, 270}, now);
  ASSERT_EQ(s.scroll().y, 130);
  ASSERT_DOUBLE_EQ(s.velocity(), 0.01);
  s.Release(Point{200, 270}, now);
  RunFrames(s, now);
  EXPECT_EQ(s.scroll().y, 160);
  EXPECT_EQ(s.velocity(), 0.0);
  EXPECT_FALSE(s.snapping());
}

TEST(DynaListScrollerTest, UpwardGlideStopsOnTheBoundaryAbove) {
  DynaListScroller s = MakeScroller(20);
  uint32_t now = DragUp(s, 200, 0);
  // Back down by one pixel over 100 ms: -0.01 px/ms at 199, in the upper
  // half of row 2, which glides up to 160.
  Point p{200, 200};
  s.Move(p, now + 16);
  now += 16;
  ASSERT_EQ(s.scroll().y, 200);
  s.Move(Point{200, 201}, now + 100);
  now += 100;
  ASSERT_EQ(s.scroll().y, 199);
  s.Release(Point{200, 201}, now);
  RunFrames(s, now);
  EXPECT_EQ(s.scroll().y, 160);
  EXPECT_EQ(s.velocity(), 0.0);
}

TEST(DynaListScrollerTest, PressDuringFlingStopsItAndCanThenTap) {
  DynaListScroller s = MakeScroller(100);
  uint32_t now = DragUp(s, 100, 0);
  s.Release(Point{200, 300}, now);
  for (int i = 0; i < 5; ++i) {
    now += kFrameMs;
    ASSERT_TRUE(s.Advance(now));
  }
  const int position = s.scroll().y;
  s.Press(Point{200, 250}, now);
  EXPECT_EQ(s.velocity(), 0.0);
  EXPECT_FALSE(s.Advance(now + kFrameMs));
  EXPECT_EQ(s.scroll().y, position);
  EXPECT_TRUE(s.Release(Point{200, 250}, now + 50));
}

TEST(DynaListScrollerTest, FlingThatReachesTheEndStopsThere) {
  DynaListScroller s = MakeScroller(10);  // 800 pixels, 300 of scroll
  uint32_t now = DragUp(s, 250, 0);
  s.Move(Point{200, 100}, now + 10);  // 50 px in 10 ms
  now += 10;
  s.Release(Point{200, 100}, now);
  RunFrames(s, now);
  EXPECT_EQ(s.scroll().y, 300);
  EXPECT_EQ(s.velocity(), 0.0);
}

TEST(DynaListScrollerTest, FewerRowsThanTheViewNeverMove) {
  DynaListScroller s = MakeScroller(3);  // 240 pixels in a 500-pixel view
  uint32_t now = DragUp(s, 150, 0);
  s.Advance(now);
  EXPECT_EQ(s.scroll().y, 0);
  s.Release(Point{200, 250}, now + 5);
  RunFrames(s, now + 5);
  EXPECT_EQ(s.scroll(), (Point{0, 0}));
  EXPECT_EQ(s.velocity(), 0.0);
}

TEST(DynaListScrollerTest, LongPauseDuringAGlideCannotOverflow) {
  DynaListScroller s = MakeScroller(20);
  uint32_t now = DragUp(s, 200, 0);
  s.Release(Point{200, 200}, now);
  // The clock wraps and jumps far ahead; the position stays in the content.
  s.Advance(now + 0xF0000000u);
  EXPECT_GE(s.scroll().y, 0);
  EXPECT_LE(s.scroll().y, 20 * kItemHeight - 500);
}

}  // namespace
}  // namespace zorvanel
