#include "config/sub_feed.h"

namespace quorvex {

double SubFeedCoefficientOf(double value) {
    // The feed only switches a main output into the sub or out of it; a half-way value
    // would mix in a level no mute state ever produces, so both readers bring it to a switch.
    return value > 0.5 ? 1.0 : 0.0;
}

} // namespace quorvex
