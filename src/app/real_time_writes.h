#pragma once

#include <array>

// The editors' real-time writes: sent only while the session says so, and a failed write is
// shown with the system's "ERROR" box; when the link is gone its own boxes follow and the
// connection goes offline, as after a failed transfer. Each returns false only when a write failed,
// so that a change made of several writes can stop at the first one the link refused.

namespace quorvex {

struct Session;
struct TSOS;

bool WriteSection(Session& session, int dsp, int address, const TSOS& section);
bool WriteCoefficients(Session& session, int dsp, int address,
                       const std::array<long double, 5>& coefficients);
bool WriteCoefficient(Session& session, int dsp, int address, double value);
bool WriteInteger(Session& session, int dsp, int address, int value);

} // namespace quorvex
