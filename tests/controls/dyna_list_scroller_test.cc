// Tests of the list's scrolling: taps, flings, glides and rest on a row.
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

TEST(DynaListScrollerTest, WobblingOrQuickTapIsATapAndLeavesTheListInPlace) {
  DynaListScroller s = MakeScroller(20);
  s.ScrollTo(Point{0, 160});
  s.Press(Point{100, 300}, 1000);
  s.Move(Point{101, 290}, 1001);  // 10 px in 1 ms
  s.Move(Point{100, 299}, 1050);
  EXPECT_TRUE(s.Release(Point{100, 299}, 1100));
  EXPECT_EQ(s.scroll(), (Point{0, 160}));
  EXPECT_FALSE(s.Advance(1116));
  // On a half-size screen the allowance is half as wide.
  s.SetTapAllowance(7);
  s.Press(Point{100, 300}, 2000);
  s.Move(Point{100, 293}, 2010);
  EXPECT_FALSE(s.Release(Point{100, 300}, 2020));
}

TEST(DynaListScrollerTest, TwoSamplesInTheSameMillisecondGiveAFiniteSpeed) {
  DynaListScroller s = MakeScroller(20);
  s.Press(Point{100, 300}, 500);
  s.Move(Point{100, 280}, 500);
  EXPECT_TRUE(std::isfinite(s.velocity()));
  EXPECT_DOUBLE_EQ(s.velocity(), 20.0);  // counted as 1 ms
  s.Release(Point{100, 280}, 500);
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

TEST(DynaListScrollerTest, EveryGestureComesToRestOnARowBoundary) {
  // Flings of every speed, a slow glide, a finger held still before it
  // leaves, and a mostly sideways drag.
  for (int step_ms : {1, 3, 7, 16, 40, 90}) {
    DynaListScroller s = MakeScroller(40);
    uint32_t now = DragUp(s, 333, 0);
    s.Move(Point{200, 60}, now + step_ms);
    s.Release(Point{200, 60}, now + step_ms);
    RunFrames(s, now + step_ms);
    EXPECT_EQ(s.scroll().y % kItemHeight, 0) << step_ms << " ms";
    EXPECT_FALSE(s.snapping());
  }
  DynaListScroller held = MakeScroller(40);
  uint32_t now = DragUp(held, 290, 0);
  // Still for 100 ms: no fling, just the glide back to the nearest row.
  held.Release(Point{200, 110}, now + DynaListScroller::kHoldStillMs);
  RunFrames(held, now + DynaListScroller::kHoldStillMs);
  EXPECT_EQ(held.scroll().y, 320);
  DynaListScroller sideways = MakeScroller(40);
  sideways.Press(Point{100, 300}, 0);
  sideways.Move(Point{400, 250}, 100);
  sideways.Release(Point{400, 250}, 100);
  RunFrames(sideways, 100);
  EXPECT_EQ(sideways.scroll(), (Point{0, 80}));
}

TEST(DynaListScrollerTest, FrameAfterALongGapMovesNoFurtherThanACappedStep) {
  DynaListScroller s = MakeScroller(200);
  uint32_t now = DragUp(s, 300, 0);
  s.Release(Point{200, 100}, now);
  const int before = s.scroll().y;
  s.Advance(now + 5000);  // the list was covered for five seconds
  EXPECT_LE(s.scroll().y - before,
            DynaListScroller::kMaxStepMs * DynaListScroller::kMaxSpeed);
  // Settling stops it at once on a row boundary.
  s.Settle();
  EXPECT_EQ(s.scroll().y % kItemHeight, 0);
  EXPECT_FALSE(s.Advance(now + 5016));
}

TEST(DynaListScrollerTest, WheelAndRevealLandOnRowBoundaries) {
  DynaListScroller s = MakeScroller(20);  // 1100 pixels of scroll
  s.ScrollTo(Point{0, 130});
  s.ScrollRows(2);
  EXPECT_EQ(s.scroll().y, 240);
  s.ScrollRows(100);
  EXPECT_EQ(s.scroll().y, 1100);  // the end, between rows
  s.ScrollRows(-1);
  EXPECT_EQ(s.scroll().y, 1040);
  // Rows in view stay put; others come in by the least move that rests on
  // a row boundary and shows them whole.
  EXPECT_EQ(s.PositionShowing(1120, 1200), 1040);
  EXPECT_EQ(s.PositionShowing(1520, 1600), 1100);
  EXPECT_EQ(s.PositionShowing(400, 480), 400);
  s.ScrollTo(Point{0, 0});
  EXPECT_EQ(s.PositionShowing(480, 560), 80);
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
