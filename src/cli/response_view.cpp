#include "cli/response_view.h"

#include "app/final_response_form.h"

namespace quorvex {

namespace {

constexpr std::string_view ViewLetters = "KPXGD";

} // namespace

std::optional<std::string_view> ResponseViewError(const std::optional<std::string>& stage,
                                                  const std::optional<std::string>& views) {
    if (!stage || (*stage != "eq" && *stage != "xover" && *stage != "final")) {
        return "--stage must be eq, xover or final";
    }
    if (views && *stage != "final") {
        return "--views applies to the final stage only";
    }
    if (views && views->find_first_not_of(ViewLetters) != std::string::npos) {
        return "--views takes the letters K, P, X, G and D";
    }
    return std::nullopt;
}

void SetFinalResponseView(TFinalResponseForm& window, const std::optional<std::string>& views,
                          bool phase) {
    if (views) {
        const auto shown = [&](char letter) { return views->find(letter) != std::string::npos; };
        window.SpkDataClick(shown('K'));
        window.PEQBoxClick(shown('P'));
        window.XOVERBoxClick(shown('X'));
        window.GAINBoxClick(shown('G'));
        window.DelayBoxClick(shown('D'));
    }
    if (phase) {
        window.PhaseClick();
    } else {
        window.MagClick();
    }
}

} // namespace quorvex
