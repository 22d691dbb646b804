#include "engine/speaker_choices.h"

#include "config/rounding.h"

namespace quorvex {

namespace {

constexpr std::array<float, ImpedanceItemCount> ImpedanceOhms{2.0F, 2.67F, 4.0F, 8.0F, 16.0F};
constexpr std::array<int, ImpedanceItemCount> RoundedImpedanceOhms{2, 3, 4, 8, 16};

} // namespace

std::optional<float> ImpedanceOfItem(int item) {
    if (item < 0 || item >= ImpedanceItemCount) {
        return std::nullopt;
    }
    return ImpedanceOhms[static_cast<std::size_t>(item)];
}

std::optional<int> ImpedanceItemOf(float loadImpedance) {
    const int rounded = RoundHalfEven(loadImpedance);
    for (int item = 0; item < ImpedanceItemCount; ++item) {
        if (RoundedImpedanceOhms[static_cast<std::size_t>(item)] == rounded) {
            return item;
        }
    }
    return std::nullopt;
}

int BlockOfSpeakerButton(int button) {
    return RoundHalfEven(button / 2.0 + 0.1);
}

} // namespace quorvex
