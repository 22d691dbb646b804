#pragma once

namespace quorvex {

/// Lets pending window messages run a number of times. The device operations pause this way
/// (counted in passes, not in time) so that status texts are drawn and the program stays
/// responsive; tests count the passes.
class MessageLoop {
public:
    virtual ~MessageLoop() = default;

    virtual void Run(int passes) = 0;
};

} // namespace quorvex
