// The load graph's logic: the values it keeps, the heights of its line and the scrolling grid, read
// from its state and from the picture it gives the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <variant>
#include <vector>

#include "controls/CHistogramCtrl.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 80;

std::vector<ui::PictureLine> Lines(const ui::Picture& picture, ui::Color color) {
    std::vector<ui::PictureLine> lines;
    for (const ui::PictureItem& item : picture.items) {
        if (const auto* line = std::get_if<ui::PictureLine>(&item); line != nullptr && line->color == color) {
            lines.push_back(*line);
        }
    }
    return lines;
}

std::vector<int> VerticalGridLines(const ui::Picture& picture) {
    std::vector<int> xs;
    for (const ui::PictureLine& line : Lines(picture, CHistogramCtrl::kGridColor)) {
        if (line.from.x == line.to.x) {
            xs.push_back(line.from.x);
        }
    }
    return xs;
}

class HistogramCtrlTest : public ::testing::Test {
protected:
    HistogramCtrlTest() {
        EXPECT_TRUE(graph.Create(kWidth, kHeight, [this](uint32_t period) { timerCalls.push_back(period); }));
        graph.SetRange(1, 100);
        graph.Reset();
        timerCalls.clear();
    }
    int HeightFor(uint32_t average) const { return kHeight - static_cast<int>(average * kHeight / 100); }
    // The newest line piece of the picture.
    ui::PictureLine Newest() {
        std::vector<ui::PictureLine> pieces = Lines(graph.Picture(), CHistogramCtrl::kDefaultPen);
        EXPECT_FALSE(pieces.empty());
        return pieces.empty() ? ui::PictureLine{} : pieces.back();
    }

    CHistogramCtrl graph;
    std::vector<uint32_t> timerCalls;
};

TEST_F(HistogramCtrlTest, ValuesAreLimitedToTheRangeAfterTheOffset) {
    graph.AddValue(149);
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), 0); // stored as 100: the top
    graph.AddValue(0);
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), HeightFor(1)); // stored as 1: one step above the bottom

    // low 11, high 20: ten values, stored less 10.
    graph.SetRange(11, 20);
    graph.AddValue(15);
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), kHeight - 5 * kHeight / 10);
    graph.AddValue(3);
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), kHeight - 1 * kHeight / 10);
}

TEST_F(HistogramCtrlTest, AStepDrawsTheAverageAndAnEmptyQueueKeepsTheHeight) {
    graph.AddValue(10);
    graph.AddValue(20);
    graph.AddValue(31);
    graph.Step();
    EXPECT_EQ(graph.Queued(), 0u);
    EXPECT_EQ(graph.CurrentHeight(), HeightFor(20)); // 61 / 3, in whole numbers

    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), HeightFor(20));
    ui::PictureLine flat = Newest();
    EXPECT_EQ(flat.from.y, HeightFor(20));
    EXPECT_EQ(flat.to.y, HeightFor(20));

    graph.AddValue(60);
    graph.Step();
    ui::PictureLine rise = Newest();
    EXPECT_EQ(rise.from, (ui::Point{kWidth - 14, HeightFor(20)}));
    EXPECT_EQ(rise.to, (ui::Point{kWidth - 11, HeightFor(60)}));
}

TEST_F(HistogramCtrlTest, TheFirstPointStartsFlatAndOlderPiecesScrollLeft) {
    graph.Step(); // nothing yet: no line to draw from
    EXPECT_EQ(graph.CurrentHeight(), graph.NoLine());
    EXPECT_EQ(graph.PreviousHeight(), graph.NoLine());

    graph.AddValue(50);
    graph.Step();
    ui::PictureLine first = Newest();
    EXPECT_EQ(first.from, (ui::Point{kWidth - 14, HeightFor(50)}));
    EXPECT_EQ(first.to, (ui::Point{kWidth - 11, HeightFor(50)}));

    graph.AddValue(100);
    graph.Step();
    std::vector<ui::PictureLine> pieces = Lines(graph.Picture(), CHistogramCtrl::kDefaultPen);
    ASSERT_GE(pieces.size(), 2u);
    ui::PictureLine older = pieces[pieces.size() - 2];
    EXPECT_EQ(older.from, (ui::Point{kWidth - 17, HeightFor(50)}));
    EXPECT_EQ(older.to, (ui::Point{kWidth - 14, HeightFor(50)}));

    // Reset forgets the line: the next value starts flat again.
    graph.Reset();
    EXPECT_TRUE(Lines(graph.Picture(), CHistogramCtrl::kDefaultPen).empty());
    graph.AddValue(30);
    graph.Step();
    EXPECT_EQ(Newest().from.y, HeightFor(30));
}

TEST_F(HistogramCtrlTest, AQuietIntervalIsDrawnOnTheLastRowNotBelowThePicture) {
    graph.AddValue(0); // stored as 1: its height, the bottom coordinate, is one row below the picture
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), kHeight);
    EXPECT_EQ(Newest().to.y, kHeight - 1);
    EXPECT_EQ(Newest().from.y, kHeight - 1);
}

TEST_F(HistogramCtrlTest, TheGridPhaseMovesThreePixelsAStepAndTheVerticalLinesWithIt) {
    const int phases[] = {10, 7, 4, 1, 11, 8};
    EXPECT_EQ(graph.GridPhase(), 13);
    EXPECT_EQ(VerticalGridLines(graph.Picture()).front(), 12);
    for (int phase : phases) {
        graph.Step();
        EXPECT_EQ(graph.GridPhase(), phase);
        std::vector<int> xs = VerticalGridLines(graph.Picture());
        ASSERT_FALSE(xs.empty());
        // The line the step draws at right - ((right - phase) mod 13 + 1) is one of them.
        int drawn = kWidth - ((kWidth - phase) % 13 + 1);
        EXPECT_NE(std::find(xs.begin(), xs.end(), drawn), xs.end()) << "phase " << phase;
        for (size_t i = 1; i < xs.size(); ++i) {
            EXPECT_EQ(xs[i] - xs[i - 1], 13);
        }
    }
}

TEST_F(HistogramCtrlTest, AHiddenGraphKeepsOnlyTheNewestValues) {
    for (int i = 0; i < 1000; ++i) {
        graph.AddValue(1);
    }
    for (size_t i = 0; i < CHistogramCtrl::kQueueLimit; ++i) {
        graph.AddValue(100);
    }
    EXPECT_EQ(graph.Queued(), CHistogramCtrl::kQueueLimit);
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), 0);
}

TEST_F(HistogramCtrlTest, TheTimerFollowsThePeriodAndReset) {
    EXPECT_EQ(graph.Period(), CHistogramCtrl::kDefaultPeriod);
    EXPECT_EQ(graph.SetTimerPeriod(500), CHistogramCtrl::kDefaultPeriod);
    EXPECT_EQ(timerCalls, (std::vector<uint32_t>{0, 500}));
    timerCalls.clear();
    graph.Reset();
    EXPECT_EQ(timerCalls, (std::vector<uint32_t>{0, 500}));
    timerCalls.clear();
    EXPECT_EQ(graph.SetTimerPeriod(0), 500u);
    EXPECT_EQ(timerCalls, (std::vector<uint32_t>{0}));

    CHistogramCtrl empty;
    EXPECT_FALSE(empty.Create(0, 10, nullptr));
}

// The sampler adds while the window's thread steps; run under ThreadSanitizer this checks the lock.
TEST_F(HistogramCtrlTest, ValuesAddedWhileStepsRunAreNeitherLostNorTorn) {
    std::thread adder([this] {
        for (int i = 0; i < 2000; ++i) {
            graph.AddValue(100);
        }
    });
    for (int i = 0; i < 200; ++i) {
        graph.Step();
        graph.Picture();
    }
    adder.join();
    graph.Step();
    EXPECT_EQ(graph.CurrentHeight(), 0);
    EXPECT_EQ(graph.Queued(), 0u);
}

} // namespace
