#pragma once

namespace quorvex {

/// Lets pending window messages run a number of times, so that texts set just before are
/// drawn. The desktop program processes Qt events; tests count the calls.
class Pump {
public:
    virtual ~Pump() = default;

    virtual void Run(int times) = 0;
};

} // namespace quorvex
