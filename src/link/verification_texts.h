#pragma once

#include "image/image_comparison.h"

#include <string>

// Ours: what the read-back after a write tells the person.

namespace quorvex {

/// The memory holds exactly the image sent.
std::string VerifiedText(int memory, int length);

/// The memory does not hold the image sent: the part where the first difference lies, the
/// two bytes there and how many bytes differ in all.
std::string VerifyMismatchText(int memory, const ImageDifference& difference);

} // namespace quorvex
