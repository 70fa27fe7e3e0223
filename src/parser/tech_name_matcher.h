// Finds which of a fixed set of names occur in a text, in one pass over the text.
//
// A player's event log can hold tens of thousands of messages, and each is tested
// against every technology name; testing the names one by one would walk each text
// 92 times. The matcher is an Aho-Corasick automaton with every transition resolved,
// so a text costs one table step per byte however many names there are. Matching is
// byte-wise and case-sensitive, and a name found inside a longer one counts too
// ("Advanced Flight" contains "Flight"): the result is exactly that of one substring
// test per name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace varnak::parser {

class NameMatcher {
 public:
  explicit NameMatcher(std::span<const std::string_view> names);

  // The indexes (into the names given at construction) of the names that occur in
  // `text`, ascending and each once, written to `found` (cleared first).
  void Find(std::string_view text, std::vector<int32_t>& found) const;

 private:
  // Marks a transition whose target is a state at which some name ends, so that the
  // walk learns it without a second look-up per byte.
  static constexpr int32_t kEmits = int32_t{1} << 30;

  // Gives the states the numbers of their place in `order` (every state once).
  void Renumber(const std::vector<int32_t>& order);

  // Bytes that occur in no name share class 0; each other byte has its own class.
  std::vector<uint8_t> byteClass_;
  size_t classCount_ = 1;
  // leads_[byte]: 1 when some name starts with the byte.
  std::vector<uint8_t> leads_;
  // next_[state * classCount_ + class]: the automaton's resolved transitions. Once
  // built, each holds its target's row (target * classCount_), so that a step is one
  // addition and one load, marked with kEmits as above.
  std::vector<int32_t> next_;
  // Name ending exactly at a state (-1: none), and the nearest shorter suffix state
  // at which some name ends (-1: none).
  std::vector<int32_t> nameAt_;
  std::vector<int32_t> outputLink_;
  // sameName_[k]: the next name spelled exactly like name k (-1: none).
  std::vector<int32_t> sameName_;
  // Names that are empty occur in every text.
  std::vector<int32_t> emptyNames_;
};

// The matcher over the technology names, in technology order; built on first use.
const NameMatcher& TechnologyNameMatcher();

}  // namespace varnak::parser
