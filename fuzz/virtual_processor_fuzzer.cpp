// Bytes from a program that may be broken, cut off or out of step, into the virtual
// processor: transactions, real-time frames and pauses as the input lays them out.

#include "fuzz_check.h"

#include "sim/memory_layout.h"
#include "sim/virtual_processor.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::fuzz {

using sim::FirstMemory;
using sim::ImageSize;
using sim::LastMemory;
using sim::OperatingSystemMemory;

namespace {

using Memories = std::array<std::vector<std::uint8_t>, LastMemory + 1>;

Memories Contents(const VirtualProcessor& unit) {
    Memories memories;
    for (int number = FirstMemory; number <= LastMemory; ++number) {
        const auto bytes = unit.Memory(number);
        memories[static_cast<std::size_t>(number)].assign(bytes.begin(), bytes.end());
    }
    return memories;
}

/// The input as the line brings it: a byte with its high bit set is a pause of (byte & 0x7F)
/// x 10 ms, any other byte n announces n bytes that arrive together.
class LineScript {
public:
    explicit LineScript(std::span<const std::uint8_t> input) : input_(input) {}

    bool Done() const { return next_ >= input_.size(); }
    bool NextIsPause() const { return (input_[next_] & 0x80) != 0; }
    std::chrono::milliseconds TakePause() {
        return std::chrono::milliseconds(10 * (input_[next_++] & 0x7F));
    }
    std::span<const std::uint8_t> TakeBytes() {
        const std::size_t count = input_[next_++];
        const std::size_t available = std::min(count, input_.size() - next_);
        const auto bytes = input_.subspan(next_, available);
        next_ += available;
        return bytes;
    }

private:
    std::span<const std::uint8_t> input_;
    std::size_t next_ = 0;
};

void RequireMemoriesWhole(const VirtualProcessor& unit) {
    for (int number = FirstMemory; number <= LastMemory; ++number) {
        Require(unit.Memory(number).size() == ImageSize, "every memory holds a whole image");
    }
    Require(unit.CurrentMemory() >= FirstMemory && unit.CurrentMemory() <= LastMemory,
            "the current memory exists");
}

} // namespace
} // namespace quorvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    using namespace quorvex::fuzz;
    VirtualProcessorOptions options;
    options.CurrentMemory = LastMemory;
    VirtualProcessor unit(options);
    const Memories before = Contents(unit);
    // Real-time frames change the memory that is current, protected or not; every other
    // protected memory must keep what it held.
    std::array<bool, LastMemory + 1> everCurrent{};
    everCurrent[static_cast<std::size_t>(unit.CurrentMemory())] = true;

    LineScript line({data, size});
    while (!line.Done()) {
        if (line.NextIsPause()) {
            unit.Elapse(line.TakePause());
        } else {
            const auto answer = unit.Receive(line.TakeBytes());
            Require(answer.size() <= 2 * ImageSize + 64, "an answer is at most a memory's worth");
        }
        RequireMemoriesWhole(unit);
        everCurrent[static_cast<std::size_t>(unit.CurrentMemory())] = true;
        const std::vector<int> changed = unit.TakeChangedMemories();
        Require(std::is_sorted(changed.begin(), changed.end()), "changed memories ascending");
        for (const int number : changed) {
            Require(number >= FirstMemory && number <= OperatingSystemMemory,
                    "a changed memory exists");
        }
    }
    const Memories after = Contents(unit);
    for (int number = FirstMemory; number <= LastMemory; ++number) {
        const auto index = static_cast<std::size_t>(number);
        if (unit.IsProtected(number) && !everCurrent[index]) {
            Require(after[index] == before[index], "a protected memory keeps its image");
        }
    }
    unit.Elapse(options.IdleTimeout);
    Require(unit.Idle(), "a quiet line brings the unit back to waiting for START");
    return 0;
}
