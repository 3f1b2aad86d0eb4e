#pragma once
// The one entry point of the evaluator: works one text line against the store.
#include "engine/definition_store.h"
#include "support/real.h"

#include <string>

namespace quillmar::engine {

// The longest line and the longest name or parameter name, in characters.
inline constexpr std::size_t kMaxLineChars = 200;
inline constexpr std::size_t kMaxNameChars = 20;

// A definition ("x=6*(3*5-4)", "Pa(u)=2*u^2-6*u+1") is stored and the line
// emptied. An expression ending in "=" ("Pa(2)+x*2=") is computed: result
// receives the value and the line a formatted copy of it, so it stays non-empty.
// False when the line is refused or the computation fails; then line, result and
// store are unchanged. Lines longer than kMaxLineChars and names longer than
// kMaxNameChars are refused.
bool evaluateLine(DefinitionStore& store, std::string& line, Real& result);

} // namespace quillmar::engine
