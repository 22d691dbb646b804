#pragma once

#include <string>
#include <string_view>

// The texts Open shows about a configuration file, as functions of the chosen file name.

namespace quorvex {

/// Error box for a file of the wrong size or signature: "<name> is not a QuorvexFile".
std::string NotQuorvexFileMessage(std::string_view fileName);

/// Warning box for a 2664- or 2436-byte file: "<name> is not a Quorvex File or is an older
/// version (then re-save the file to translate it to VERSION 2.1.0.1" (the parenthesis is
/// never closed).
std::string OlderQvxVersionMessage(std::string_view fileName);

} // namespace quorvex
