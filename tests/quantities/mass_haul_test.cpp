// The mass ordinates: the volume run's intervals summed, the curve's crests, troughs, balance
// points and moment.

#include "quantities/mass_haul.h"

#include <gtest/gtest.h>

#include "quantities/calc_volumes.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

// Ordinates of 100 m intervals rising to +100, down to -100 and back to 0: two triangles of
// 5,000 m3 m on each side of the crossing at 150, one more from 200 to 300.
TEST(MassCurve, CrestsTroughsBalancePointsAndMomentByHand) {
  MassHaul haul;
  for (const auto& [station, ordinate] :
       std::vector<std::pair<double, double>>{{0, 0}, {100, 100}, {200, -100}, {300, 0}}) {
    haul.Ordinates.push_back({0, station, 0, 0, ordinate});
  }
  haul.Ordinates[1].Record = 2;
  haul.TotalCut = 250;
  DescribeMassCurve(haul);
  ASSERT_EQ(haul.Extremes.size(), 2u);
  EXPECT_TRUE(haul.Extremes[0].Crest);
  EXPECT_EQ(haul.Extremes[0].Record, 2);
  EXPECT_FALSE(haul.Extremes[1].Crest);
  EXPECT_EQ(haul.Extremes[1].Station, 200);
  EXPECT_EQ(haul.BalancePoints, (std::vector<double>{150, 300}));
  EXPECT_DOUBLE_EQ(haul.Moment, 15000);
  EXPECT_DOUBLE_EQ(haul.MeanHaul, 60);
  EXPECT_EQ(haul.Final, 0);
}

// The ordinates are the quantity file's interval volumes summed, by either method.
TEST(MassHaul, SumsTheVolumeRunsIntervals) {
  for (const int method : {0, 1}) {
    SCOPED_TRACE(method);
    testing::Road road(testing::SampleRoad({.layers = true}));
    ProjectState& state = road.state;
    testing::RecordingDialogs dialogs;
    state.Project.CalcMethod = static_cast<std::int16_t>(method);
    SilentProgress progress;
    const MassHaul haul = ComputeMassHaul(state, 1.25, progress);
    dialogs.fileAnswers.push_back(road.File("OUT").string());
    const VolumeRunSummary volumes = CalcVolumes(state, dialogs, progress);
    ASSERT_TRUE(volumes.Written);
    double fill = volumes.Volumes.Fill;
    for (const double layer : volumes.Volumes.Layer) {
      fill += layer;
    }
    ASSERT_EQ(haul.Ordinates.size(), 9u);
    EXPECT_NEAR(haul.TotalCut, 1.25 * volumes.Volumes.Cut, 1e-6);
    EXPECT_NEAR(haul.TotalFill, fill, 1e-6);
    EXPECT_NEAR(haul.Final, haul.TotalCut - haul.TotalFill, 1e-6);
    double running = 0;
    for (const MassOrdinate& o : haul.Ordinates) {
      running += 1.25 * o.Cut - o.Fill;
      EXPECT_NEAR(o.Ordinate, running, 1e-6) << o.Record;
      EXPECT_DOUBLE_EQ(o.Station, 20.0 * (o.Record - 1));
    }
    EXPECT_GT(haul.TotalCut, 0);
    EXPECT_GT(haul.TotalFill, 0);
  }
}

}  // namespace
}  // namespace calvora
