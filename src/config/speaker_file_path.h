#pragma once

#include <string>
#include <string_view>

// Paths of measurement files as the engineer typed or a configuration file stored them.
// Files written on Windows use "\", the rest "/": both separate folders here.

namespace quorvex {

/// The characters after the last "\" or "/"; the whole path when it has neither.
std::string_view FileNameOf(std::string_view path);

/// The characters up to and including the last "\" or "/"; empty when it has neither.
std::string_view FolderOf(std::string_view path);

/// A file name placed in a folder. An empty folder gives the name alone; a folder that does
/// not end in a separator gets the separator it already uses ("\" when it has only those,
/// "/" otherwise).
std::string JoinPath(std::string_view folder, std::string_view fileName);

} // namespace quorvex
