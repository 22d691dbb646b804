#include "link/port_map.h"

#include <optional>
#include <string_view>

namespace quorvex {

namespace {

constexpr std::string_view OptionPrefix = "--com";

/// The port number of an option name "--comN" (N 1..4), or nothing.
std::optional<int> PortOfOption(std::string_view name) {
    if (name.size() != OptionPrefix.size() + 1 || !name.starts_with(OptionPrefix)) {
        return std::nullopt;
    }
    const int number = name.back() - '0';
    if (number < 1 || number > ComPortCount) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::string PlatformPortName(int number) {
#ifdef _WIN32
    return "COM" + std::to_string(number);
#else
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
}

PortMap::PortMap() {
    for (int number = 1; number <= ComPortCount; ++number) {
        paths_[static_cast<std::size_t>(number - 1)] = PlatformPortName(number);
    }
}

std::string PortMap::PathOf(int number) const {
    if (number < 1 || number > ComPortCount) {
        return {};
    }
    return paths_[static_cast<std::size_t>(number - 1)];
}

bool PortMap::Set(int number, std::string path) {
    if (number < 1 || number > ComPortCount || path.empty()) {
        return false;
    }
    paths_[static_cast<std::size_t>(number - 1)] = std::move(path);
    return true;
}

std::vector<std::string> PortMap::TakeOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::size_t equals = argument.find('=');
        const std::string_view name = std::string_view(argument).substr(0, equals);
        const std::optional<int> port = PortOfOption(name);
        if (port && equals != std::string::npos && Set(*port, argument.substr(equals + 1))) {
            continue;
        }
        if (port && equals == std::string::npos && i + 1 < arguments.size() &&
            Set(*port, arguments[i + 1])) {
            ++i;
            continue;
        }
        rest.push_back(argument);
    }
    return rest;
}

} // namespace quorvex
