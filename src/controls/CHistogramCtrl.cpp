#include "controls/CHistogramCtrl.h"

#include <algorithm>

namespace {

// Where the newest line piece sits, counted from the right edge.
constexpr int kPieceStart = 14;
constexpr int kPieceEnd = 11;

} // namespace

bool CHistogramCtrl::Create(int width, int height, TimerControl timer) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    m_width = width;
    m_height = height;
    m_timer = std::move(timer);
    Reset();
    SetTimerPeriod(kDefaultPeriod);
    return true;
}

void CHistogramCtrl::SetRange(uint32_t low, uint32_t high) {
    std::lock_guard lock(m_queueMutex);
    // A reversed or empty range would make every height a division by zero.
    m_range = high >= low ? high - low + 1 : 1;
    m_minimum = 1;
    m_offset = low > 0 ? low - 1 : 0;
}

void CHistogramCtrl::SetPen(int width, ui::Color color) {
    m_penWidth = width > 0 ? width : 1;
    m_penColor = color;
}

uint32_t CHistogramCtrl::SetTimerPeriod(uint32_t milliseconds) {
    uint32_t previous = m_period;
    m_period = milliseconds;
    if (m_timer) {
        m_timer(0);
        if (milliseconds != 0) {
            m_timer(milliseconds);
        }
    }
    return previous;
}

void CHistogramCtrl::AddValue(uint32_t value) {
    std::lock_guard lock(m_queueMutex);
    uint32_t stored = value > m_offset ? value - m_offset : 0;
    stored = std::clamp(stored, m_minimum, m_range);
    m_queue.push_front(stored);
    if (m_queue.size() > kQueueLimit) {
        m_queue.pop_back();
    }
}

size_t CHistogramCtrl::Queued() const {
    std::lock_guard lock(m_queueMutex);
    return m_queue.size();
}

uint32_t CHistogramCtrl::Range() const {
    std::lock_guard lock(m_queueMutex);
    return m_range;
}

void CHistogramCtrl::Reset() {
    if (m_timer) {
        m_timer(0);
    }
    m_phase = kGridStep;
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.clear();
    }
    m_pieces.clear();
    m_currentHeight = NoLine();
    m_previousHeight = NoLine();
    if (m_timer && m_period != 0) {
        m_timer(m_period);
    }
}

void CHistogramCtrl::Step() {
    if (m_width <= 0) {
        return;
    }
    m_phase -= kScrollStep;
    if (m_phase < 0) {
        m_phase += kGridStep;
    }
    std::deque<uint32_t> taken;
    uint32_t range = 1;
    {
        std::lock_guard lock(m_queueMutex);
        taken.swap(m_queue);
        range = m_range;
    }
    uint64_t sum = 0;
    for (uint32_t value : taken) {
        sum += value;
    }
    uint64_t average = taken.empty() ? 0 : sum / taken.size();
    if (average != 0) {
        m_currentHeight = m_height - static_cast<int>(average * static_cast<uint64_t>(m_height) / range);
    }
    if (m_previousHeight == NoLine()) {
        m_previousHeight = m_currentHeight;
    }
    m_pieces.push_front({m_previousHeight, m_currentHeight, m_penWidth, m_penColor});
    m_previousHeight = m_currentHeight;
    // Pieces that scrolled out at the left are gone from the picture for good.
    size_t visible = static_cast<size_t>((m_width + kPieceStart) / kScrollStep + 1);
    while (m_pieces.size() > visible) {
        m_pieces.pop_back();
    }
}

ui::Picture CHistogramCtrl::Picture() const {
    ui::Picture picture;
    picture.width = m_width;
    picture.height = m_height;
    picture.background = kBackground;
    // The vertical lines move with the phase: each step draws one at right - ((right - phase) mod 13 + 1)
    // and scrolls the older ones, which leaves them all at x = phase - 1 modulo the grid step.
    for (int x = (m_phase - 1 + kGridStep) % kGridStep; x < m_width; x += kGridStep) {
        picture.Line({x, 0}, {x, m_height}, kGridColor);
    }
    for (int y = kGridStep - 1; y < m_height; y += kGridStep) {
        picture.Line({0, y}, {m_width, y}, kGridColor);
    }
    // Oldest first, so that a newer piece covers the end of the one before it.
    int age = static_cast<int>(m_pieces.size()) - 1;
    // A quiet interval (value 1) lands on the bottom coordinate itself, one row below the picture for a
    // graph lower than its range: it is drawn on the last row, so that "no traffic" stays visible.
    auto onPicture = [this](int y) { return std::clamp(y, 0, std::max(m_height - 1, 0)); };
    for (auto piece = m_pieces.rbegin(); piece != m_pieces.rend(); ++piece, --age) {
        if (piece->from == NoLine() && piece->to == NoLine()) {
            continue; // nothing measured yet
        }
        int shift = age * kScrollStep;
        picture.Line({m_width - kPieceStart - shift, onPicture(piece->from)},
                     {m_width - kPieceEnd - shift, onPicture(piece->to)}, piece->color, piece->penWidth);
    }
    return picture;
}
