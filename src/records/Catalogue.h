// The stock vehicles the program knows, per category, in the order the lists show them.
#pragma once

#include "common/MainState.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw::catalogue {

struct Entry {
  std::string_view text;      // the handling identifier as listed, trailing blank included
  std::string_view model;     // lower-case model name; empty for a handling-only entry
  std::string_view ideSearch; // boats and helicopters: the exact start of the vehicles.ide line
};

std::span<const Entry> entries(Category c);
std::vector<std::string> entryTexts(Category c);

// Whole-text, byte-exact, case-sensitive matching; at most one entry matches.
const Entry* find(Category c, std::string_view text);

} // namespace fw::catalogue
