// Tests of the plan: the exact inverse, the refusals and the focus stack.
#include "optics/focus_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "optics/depth_of_field.h"

namespace zorvanel {
namespace {

// The marked f-numbers of a lens from f/2.8 to f/45, third stops.
const std::vector<double> kApertures = {
    2.8, 3.2, 3.5, 4,  4.5, 5,  5.6, 6.3, 7.1, 8,  9,  10, 11,
    13,  14,  16,  18, 20,  22, 25,  29,  32,  36, 40, 45};

// Focused at the plan's distance and stopped down to exactly the f-number it
// needs, the depth-of-field formulas give back the limits asked for.
TEST(FocusPlanTest, TheAnswerGivesBackTheWantedLimits) {
  std::mt19937 random(25);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 2000; ++i) {
    const double focal = 10 + 590 * unit(random);
    const double coc = 0.005 + 0.035 * unit(random);
    const double near = focal * 0.001 * (1.01 + 200 * unit(random));
    const bool infinite = i % 4 == 0;
    // Short of 5000 m, from where the formulas' far limit is infinity.
    const double far = infinite ? -1.0 : near * (1.001 + 30 * unit(random));
    const FocusPlan plan = PlanFocus(focal, coc, {}, near, far);
    ASSERT_EQ(plan.problem, PlanProblem::kNone);
    const DepthOfField back =
        ComputeDepthOfField(focal, plan.needed_f, coc, plan.focus_m);
    EXPECT_NEAR(back.near_limit.GetValue() / near, 1.0, 1e-9) << i;
    if (infinite) {
      EXPECT_LT(back.far_limit.GetValue(), 0.0) << i;
    } else {
      EXPECT_NEAR(back.far_limit.GetValue() / far, 1.0, 1e-9) << i;
    }
  }
}

TEST(FocusPlanTest, SaysWhyWhenItCannotBeDone) {
  const struct {
    const char* name;
    double coc, near_m, far_m;
    PlanProblem problem;
  } kCases[] = {
      {"near at the focal length", 0.03, 0.05, 3,
       PlanProblem::kNearInsideFocal},
      {"near inside it", 0.03, 0.02, -1, PlanProblem::kNearInsideFocal},
      {"near equal to far", 0.03, 3, 3, PlanProblem::kNearNotBeforeFar},
      {"near beyond far", 0.03, 5, 3, PlanProblem::kNearNotBeforeFar},
      {"near at infinity", 0.03, -1, -1, PlanProblem::kNearNotBeforeFar},
      {"no circle of confusion", -1, 1, 3, PlanProblem::kUndefined},
  };
  for (const auto& c : kCases) {
    const FocusPlan plan = PlanFocus(50, c.coc, kApertures, c.near_m, c.far_m);
    EXPECT_EQ(plan.problem, c.problem) << c.name;
    EXPECT_TRUE(std::isnan(plan.focus_m) && std::isnan(plan.needed_f) &&
                std::isnan(plan.set_f) && !plan.stack)
        << c.name;
  }
  // Beyond the narrowest: the exact answer stands, nothing is set, and a
  // stack is offered.
  const FocusPlan beyond = PlanFocus(50, 0.03, {{2.8, 4, 5.6}}, 1, -1);
  EXPECT_EQ(beyond.problem, PlanProblem::kBeyondNarrowest);
  EXPECT_NEAR(beyond.needed_f, 2500 / (0.03 * 1950), 1e-9);
  EXPECT_EQ(beyond.set_index, -1);
  EXPECT_TRUE(std::isnan(beyond.set_near_m));
  ASSERT_TRUE(beyond.stack);
  EXPECT_EQ(beyond.stack->f_number, 5.6);
}

// The aperture to set is the widest whose real f-number (f/5.6 is 5.657) is
// at or above the one needed; its limits hold the wanted ones.
TEST(FocusPlanTest, SetsTheWidestApertureThatIsEnough) {
  const struct {
    double near_m, far_m;
    double set_f;
  } kCases[] = {{2, 4, 11}, {1, 3, 32}, {1.5, -1, 29}, {7.43, -1, 5.6}};
  for (const auto& c : kCases) {
    const FocusPlan plan = PlanFocus(50, 0.03, kApertures, c.near_m, c.far_m);
    ASSERT_GE(plan.set_index, 0) << c.near_m;
    EXPECT_EQ(plan.set_f, c.set_f) << c.near_m << " needs " << plan.needed_f;
    EXPECT_LE(plan.set_near_m, c.near_m);
    EXPECT_TRUE(c.far_m > 0 ? plan.set_far_m >= c.far_m : plan.set_far_m < 0);
    // The next wider one would not do.
    for (double f : kApertures) {
      EXPECT_TRUE(f >= plan.set_f ||
                  ApertureValue(f).GetValue() < plan.needed_f)
          << f;
    }
  }
}

// A 100 mm lens on a full frame, from 0.3 m to infinity: f/667 would do,
// so the stack is taken at f/20, the narrowest before the diffraction limit
// (0.029 / 0.001342 = f/21.6; f/22 is 2^4.5 = f/22.6). The shots join without
// gaps and the last one reaches infinity.
TEST(FocusPlanTest, AStackCoversFromNearToInfinity) {
  const FocusPlan plan = PlanFocus(100, 0.029, kApertures, 0.3, -1);
  EXPECT_NEAR(plan.needed_f, 10000 / (0.029 * 500), 1e-9);
  EXPECT_EQ(plan.set_index, -1);
  ASSERT_TRUE(plan.stack);
  EXPECT_EQ(plan.stack->f_number, 20);
  const std::vector<PlannedShot>& shots = plan.stack->shots;
  ASSERT_GT(shots.size(), 2u);
  EXPECT_LE(shots.front().near_m, 0.3);
  for (size_t i = 0; i < shots.size(); ++i) {
    const DepthOfField dof = ComputeDepthOfField(100, plan.stack->real_f_number,
                                                 0.029, shots[i].focus_m);
    EXPECT_EQ(dof.near_limit.GetValue(), shots[i].near_m);
    EXPECT_EQ(dof.far_limit.GetValue(), shots[i].far_m);
    if (i == 0) continue;
    // No gap, and no more overlap than rounding: the fewest shots.
    EXPECT_LE(shots[i].near_m, shots[i - 1].far_m) << i;
    EXPECT_NEAR(shots[i].near_m / shots[i - 1].far_m, 1.0, 1e-9) << i;
  }
  EXPECT_LT(shots.back().far_m, 0.0);
  for (size_t i = 0; i + 1 < shots.size(); ++i) EXPECT_GT(shots[i].far_m, 0);
}

// Past the diffraction limit with a single picture, the stack keeps to an
// aperture before it; a finite far limit ends the stack there.
TEST(FocusPlanTest, APictureTooNarrowOffersAStackBeforeDiffraction) {
  const FocusPlan plan = PlanFocus(50, 0.03, kApertures, 1, 20);
  EXPECT_EQ(plan.set_f, 45);  // f/40.7 needed
  EXPECT_TRUE(plan.diffraction);
  ASSERT_TRUE(plan.stack);
  // f/22 is 2^4.5 = 22.6, past 0.03 / 0.001342 = 22.4.
  EXPECT_EQ(plan.stack->f_number, 20);
  const std::vector<PlannedShot>& shots = plan.stack->shots;
  EXPECT_TRUE(shots.back().far_m >= 20 || shots.back().far_m < 0);
  EXPECT_LT(shots[shots.size() - 2].far_m, 20);
  EXPECT_FALSE(PlanFocus(50, 0.03, kApertures, 2, 4).stack);
}

}  // namespace
}  // namespace zorvanel
