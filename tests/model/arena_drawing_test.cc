#include "model/arena_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/fakes.h"

namespace zelmora {
namespace {

using testing::RecordingCanvas;

TEST(TrackColour, CyclesThroughElevenColours) {
  const struct {
    int32_t n;
    Rgb colour;
  } cases[] = {{0, {255, 255, 255}}, {1, {128, 0, 0}},      {2, {0, 128, 0}}, {3, {0, 0, 128}},
               {4, {0, 128, 128}},   {5, {128, 0, 128}},    {6, {0, 0, 255}}, {7, {0, 255, 255}},
               {8, {128, 128, 0}},   {9, {255, 0, 0}},      {10, {0, 0, 0}},  {11, {255, 255, 255}},
               {21, {0, 0, 0}},      {22, {255, 255, 255}}, {-1, {0, 0, 0}}};
  for (const auto& c : cases) EXPECT_EQ(TrackColour(c.n), c.colour) << c.n;
}

// The default arena: travel 57600 m, a 2500 m net, 117700 m wide on 600 pixels.
class ArenaDrawingTest : public ::testing::Test {
 protected:
  ArenaDrawingTest() : drawing(canvas, params, step) {
    params.Travel = 57600;
    params.Length = 2500;
    step.ArenaWidth = 117700;
    step.ViewScale = ToSingle(Real{kViewSize} / step.ArenaWidth);
  }
  SimParams params;
  SoakStepValues step;
  RecordingCanvas canvas;
  ArenaDrawing drawing;
};

TEST_F(ArenaDrawingTest, MapsMetresToPixelsAtTheStepScale) {
  EXPECT_EQ(drawing.ToViewPixel(0), 0);
  EXPECT_EQ(drawing.ToViewPixel(57600), 293);
  EXPECT_EQ(drawing.ToViewPixel(117700), 599);  // the single scale lies just below 600/117700
  EXPECT_EQ(drawing.ToViewPixel(-100), 0);      // toward zero
  EXPECT_EQ(drawing.ToViewPixel(-300), -1);
}

TEST_F(ArenaDrawingTest, DrawsTheArenaAndTheNet) {
  drawing.ClearArena(true);
  drawing.DrawNet(true);
  const std::vector<std::string> expected = {"brush 192,192,192", "fill 0,0 601,600", "pen 0,0,0",
                                             "move 293,293", "line 306,293"};
  EXPECT_EQ(canvas.calls, expected);
}

TEST_F(ArenaDrawingTest, ChangesOnlyTheStateWhenTracksAreNotDisplayed) {
  drawing.ClearArena(false);
  drawing.DrawNet(false);
  drawing.StartTrack(1000, 2000);
  const LegEnd leg[] = {{1100, 2100}};
  drawing.DrawLegs(false, 3, leg);
  drawing.MarkCatch(false, 1000, 2000, 3000, 4000);
  const std::vector<std::string> expected = {"brush 192,192,192", "pen 0,0,0", "move 293,293",
                                             "move 5,10"};
  EXPECT_EQ(canvas.calls, expected);
}

TEST_F(ArenaDrawingTest, MarksACatchFromTheStartCornerInThePenColour) {
  const LegEnd leg[] = {{30000, 60000}};
  drawing.DrawLegs(true, 9, leg);
  drawing.MarkCatch(true, 30000, 60000, 20000, 55000);  // the leg ran up and to the left
  const std::vector<std::string> expected = {"pen 255,0,0", "line 152,305", "brush 255,0,0",
                                             "fill 152,305 101,280"};
  EXPECT_EQ(canvas.calls, expected);
}

}  // namespace
}  // namespace zelmora
