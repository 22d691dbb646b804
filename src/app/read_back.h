#pragma once

namespace quorvex {

class Program;

/// After a memory was read back into the configuration: the windows show what it holds,
/// each editor brought up to date through its own handlers.
void ShowReadConfiguration(Program& program);

} // namespace quorvex
