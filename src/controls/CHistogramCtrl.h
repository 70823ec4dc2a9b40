// The scrolling load graph of the Statistics page. Values come in between steps; each step (the graph's
// timer, once a second) scrolls the graph 3 pixels to the left, draws the grid in the new strip and
// one line piece from the previous height to the average of the values that came in.
//
// The logic keeps what the picture needs: the grid's phase and the newest line pieces, enough to fill
// the width. A canvas control paints the picture off-screen and copies it in one piece.
//
// Threads: AddValue may come from any thread; everything else runs on the window's thread. The queue
// is guarded by a mutex, so a value added while a step empties the queue is kept for the next step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

#include "ui/Picture.h"
#include "ui/Types.h"

class CHistogramCtrl {
public:
    static constexpr ui::Color kBackground = 0x000000;
    static constexpr ui::Color kGridColor = 0x428200;
    static constexpr ui::Color kDefaultPen = 0x00FF00;
    static constexpr int kGridStep = 13;
    static constexpr int kScrollStep = 3;
    static constexpr uint32_t kDefaultPeriod = 1000;
    // Values waiting for the next step. The step runs only while the graph is shown, so a graph hidden
    // for days would otherwise gather a value a second; an average of the newest values is all a step
    // needs.
    static constexpr size_t kQueueLimit = 64;

    // Starts, restarts (period) or stops (0) the window's scrolling timer.
    using TimerControl = std::function<void(uint32_t period)>;

    // The client area's size; fails when it is empty. Draws the empty grid and sets the period to
    // 1000 ms.
    bool Create(int width, int height, TimerControl timer);

    // range = high - low + 1, values are stored less low - 1.
    void SetRange(uint32_t low, uint32_t high);
    void SetPen(int width, ui::Color color);
    // Returns the previous period.
    uint32_t SetTimerPeriod(uint32_t milliseconds);
    // Any thread. Limited to 1..range after the offset.
    void AddValue(uint32_t value);
    // Empty graph, full grid, no line yet.
    void Reset();
    // One timer round.
    void Step();

    ui::Picture Picture() const;

    int GridPhase() const { return m_phase; }
    int CurrentHeight() const { return m_currentHeight; }
    int PreviousHeight() const { return m_previousHeight; }
    // The height that means "no line yet".
    int NoLine() const { return m_height + 1; }
    uint32_t Period() const { return m_period; }
    size_t Queued() const;
    uint32_t Range() const;

private:
    struct Piece {
        int from;
        int to;
        int penWidth;
        ui::Color color;
    };

    int m_width = 0;
    int m_height = 0;
    TimerControl m_timer;
    mutable std::mutex m_queueMutex; // the queue and the range it is kept in
    uint32_t m_range = 100;
    uint32_t m_minimum = 1;
    uint32_t m_offset = 0;
    uint32_t m_period = 0;
    int m_penWidth = 1;
    ui::Color m_penColor = kDefaultPen;
    int m_phase = kGridStep;
    int m_currentHeight = 1;
    int m_previousHeight = 1;
    std::deque<uint32_t> m_queue; // newest first
    std::deque<Piece> m_pieces;   // newest first; the newest ends 11 pixels from the right edge
};
