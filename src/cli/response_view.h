#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

class TFinalResponseForm;

/// What `--stage` and `--views` of the response commands say, checked: the text of the
/// usage error, or nothing when they are sound.
std::optional<std::string_view> ResponseViewError(const std::optional<std::string>& stage,
                                                  const std::optional<std::string>& views);

/// Puts the "Final response" window in the mode and, when `views` is given, the view flags
/// (K speaker data, P equaliser, X crossover, G gain, D delay) of a response command; every
/// click redraws its curves as the window's own buttons do.
void SetFinalResponseView(TFinalResponseForm& window, const std::optional<std::string>& views,
                          bool phase);

} // namespace quorvex
