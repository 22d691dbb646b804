#include "ui/desktop_options.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace quorvex {

namespace {

bool IsOption(std::string_view argument) {
    return argument.starts_with("-");
}

bool IsConfigurationFile(std::string_view argument) {
    if (argument.size() < 4) {
        return false;
    }
    std::string extension(argument.substr(argument.size() - 4));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".QVX";
}

// "--name=VALUE" gives VALUE; "--name" gives nothing.
std::optional<std::string> InlineValue(std::string_view argument, std::string_view name) {
    if (argument.size() > name.size() && argument.starts_with(name) &&
        argument[name.size()] == '=') {
        return std::string(argument.substr(name.size() + 1));
    }
    return std::nullopt;
}

} // namespace

std::optional<DesktopOptions> ParseDesktopOptions(const std::vector<std::string>& arguments,
                                                  std::string& error) {
    DesktopOptions options;
    const std::vector<std::string> rest = options.Ports.TakeOptions(arguments);
    for (std::size_t index = 0; index < rest.size(); ++index) {
        const std::string& argument = rest[index];
        const bool hasNext = index + 1 < rest.size() && !IsOption(rest[index + 1]);
        if (argument == "--virtual-unit") {
            options.VirtualUnit = true;
            // The folder is optional: a configuration file after the option is the file.
            if (hasNext && !IsConfigurationFile(rest[index + 1])) {
                options.VirtualUnitFolder = rest[++index];
            }
        } else if (const auto folder = InlineValue(argument, "--virtual-unit")) {
            options.VirtualUnit = true;
            options.VirtualUnitFolder = *folder;
        } else if (argument == "--grab") {
            if (!hasNext) {
                error = "--grab needs the folder the pictures go to";
                return std::nullopt;
            }
            options.GrabFolder = rest[++index];
        } else if (const auto grab = InlineValue(argument, "--grab")) {
            if (grab->empty()) {
                error = "--grab needs the folder the pictures go to";
                return std::nullopt;
            }
            options.GrabFolder = *grab;
        } else if (IsOption(argument)) {
            error = argument.starts_with("--com") ? argument + " needs the path of a serial port"
                                                  : "unknown option " + argument;
            return std::nullopt;
        } else if (options.File.empty()) {
            options.File = argument;
        } else {
            error = "only one configuration file can be opened: " + argument;
            return std::nullopt;
        }
    }
    return options;
}

} // namespace quorvex
