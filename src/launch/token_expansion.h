#pragma once
#include <cstddef>
#include <string>

#include "launch/token_resolver.h"

namespace vd {

// Bounds of one expansion. A value that brings back its own token would otherwise be expanded
// for ever; no real command comes near either bound.
inline constexpr size_t kMaxTokenResolutions = 10000;
inline constexpr size_t kMaxExpandedLength = 1024 * 1024;

// Replaces every token `dNAMEd` of `text` through the resolver, scanning inserted values again,
// then collapses each doubled delimiter to one. A runaway expansion raises a launch script
// error.
std::string expandTokens(const std::string& text, char delimiter, const TokenResolver& resolver);

// Raises the launch script error for a text that grew past kMaxExpandedLength.
void checkExpandedLength(const std::string& original, size_t length);

}  // namespace vd
