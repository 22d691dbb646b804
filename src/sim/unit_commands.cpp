#include "sim/unit_commands.h"

#include "sim/memory_layout.h"

#include <array>

namespace quorvex {

namespace {

constexpr std::array<CommandRule, 9> Rules{{
    {UnitCommand::ConnectionTest, NumberRule::Zero, 0},
    {UnitCommand::LoadOperatingSystem, NumberRule::OperatingSystem,
     static_cast<std::uint16_t>(sim::OperatingSystemSize)},
    {UnitCommand::WriteMemory, NumberRule::ImageMemory, static_cast<std::uint16_t>(sim::ImageSize)},
    {UnitCommand::ReadMemory, NumberRule::ImageMemory, 0},
    {UnitCommand::KeyboardLock, NumberRule::Zero, 1},
    {UnitCommand::KeyboardPassword, NumberRule::Zero, 7},
    {UnitCommand::ChangeMemory, NumberRule::ImageMemory, 0},
    {UnitCommand::CloseOperatingSystemLoad, NumberRule::Zero, 0},
    {UnitCommand::ReportCurrentMemory, NumberRule::Any, 0},
}};

} // namespace

std::optional<CommandRule> RuleOf(std::uint8_t command) {
    for (const CommandRule& rule : Rules) {
        if (static_cast<std::uint8_t>(rule.Command) == command) {
            return rule;
        }
    }
    return std::nullopt;
}

bool NumberAccepted(NumberRule rule, std::uint8_t number) {
    switch (rule) {
    case NumberRule::Zero:
        return number == 0;
    case NumberRule::ImageMemory:
        return sim::IsImageMemory(number);
    case NumberRule::OperatingSystem:
        return number == sim::OperatingSystemMemory;
    case NumberRule::Any:
        return true;
    }
    return false;
}

} // namespace quorvex
