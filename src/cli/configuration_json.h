#pragma once

#include <string>

namespace quorvex {

struct Configuration;
struct EngineObjects;

/// The configuration as JSON, keyed by the configuration's own field names: integers as
/// integers, flags as booleans, GainDb in dB, texts as strings, reals with 17 significant
/// digits; each dynamics block also carries its designed GainTable.
std::string ConfigurationJson(const Configuration& config, const EngineObjects& engine);

} // namespace quorvex
