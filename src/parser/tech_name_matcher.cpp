#include "parser/tech_name_matcher.h"

#include <algorithm>
#include <array>

#include "reference/reference_tables.h"

namespace varnak::parser {

NameMatcher::NameMatcher(std::span<const std::string_view> names) : byteClass_(256, 0) {
  for (std::string_view name : names) {
    for (char c : name) {
      uint8_t& cls = byteClass_[static_cast<unsigned char>(c)];
      if (cls == 0) cls = static_cast<uint8_t>(classCount_++);
    }
  }

  // The trie of the names; -1 marks a transition that is not (yet) there.
  next_.assign(classCount_, -1);
  nameAt_.assign(1, -1);
  std::vector<int32_t> sameName(names.size(), -1);  // further names equal to nameAt_
  for (size_t k = 0; k < names.size(); ++k) {
    const auto index = static_cast<int32_t>(k);
    if (names[k].empty()) {
      emptyNames_.push_back(index);
      continue;
    }
    int32_t state = 0;
    for (char c : names[k]) {
      const size_t slot = static_cast<size_t>(state) * classCount_ +
                          byteClass_[static_cast<unsigned char>(c)];
      if (next_[slot] < 0) {
        next_[slot] = static_cast<int32_t>(nameAt_.size());
        nameAt_.push_back(-1);
        next_.resize(next_.size() + classCount_, -1);
      }
      state = next_[slot];
    }
    // A name given twice is reported under both indexes.
    int32_t& at = nameAt_[static_cast<size_t>(state)];
    if (at < 0) {
      at = index;
    } else {
      int32_t last = at;
      while (sameName[static_cast<size_t>(last)] >= 0) last = sameName[static_cast<size_t>(last)];
      sameName[static_cast<size_t>(last)] = index;
    }
  }
  sameName_ = std::move(sameName);
  leads_.assign(256, 0);
  for (std::string_view name : names)
    if (!name.empty()) leads_[static_cast<unsigned char>(name.front())] = 1;

  // Breadth first, so that a state's failure state is complete before the state
  // itself is resolved.
  const size_t states = nameAt_.size();
  std::vector<int32_t> fail(states, 0);
  outputLink_.assign(states, -1);
  std::vector<int32_t> queue;
  queue.reserve(states);
  queue.push_back(0);
  for (size_t head = 0; head < queue.size(); ++head) {
    const int32_t u = queue[head];
    const size_t base = static_cast<size_t>(u) * classCount_;
    const size_t failBase = static_cast<size_t>(fail[static_cast<size_t>(u)]) * classCount_;
    for (size_t c = 0; c < classCount_; ++c) {
      const int32_t v = next_[base + c];
      if (v < 0) {
        next_[base + c] = u == 0 ? 0 : next_[failBase + c];
        continue;
      }
      const int32_t f = u == 0 ? 0 : next_[failBase + c];
      fail[static_cast<size_t>(v)] = f;
      outputLink_[static_cast<size_t>(v)] =
          nameAt_[static_cast<size_t>(f)] >= 0 ? f : outputLink_[static_cast<size_t>(f)];
      queue.push_back(v);
    }
  }
  Renumber(queue);
  for (int32_t& target : next_) {
    const auto t = static_cast<size_t>(target);
    const bool emits = nameAt_[t] >= 0 || outputLink_[t] >= 0;
    target = target * static_cast<int32_t>(classCount_) | (emits ? kEmits : 0);
  }
}

void NameMatcher::Renumber(const std::vector<int32_t>& order) {
  // The walk spends nearly all its steps in the shallow states (the first letters of
  // the names); numbered breadth first, their rows lie together in the cache.
  std::vector<int32_t> to(order.size());
  for (size_t i = 0; i < order.size(); ++i) to[static_cast<size_t>(order[i])] = static_cast<int32_t>(i);
  auto moved = [&](int32_t state) { return state < 0 ? state : to[static_cast<size_t>(state)]; };
  std::vector<int32_t> next(next_.size());
  std::vector<int32_t> nameAt(order.size());
  std::vector<int32_t> outputLink(order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    const auto old = static_cast<size_t>(order[i]);
    for (size_t c = 0; c < classCount_; ++c) next[i * classCount_ + c] = moved(next_[old * classCount_ + c]);
    nameAt[i] = nameAt_[old];
    outputLink[i] = moved(outputLink_[old]);
  }
  next_ = std::move(next);
  nameAt_ = std::move(nameAt);
  outputLink_ = std::move(outputLink);
}

void NameMatcher::Find(std::string_view text, std::vector<int32_t>& found) const {
  found.clear();
  const int32_t* next = next_.data();
  const uint8_t* byteClass = byteClass_.data();
  const uint8_t* leads = leads_.data();
  const auto* pos = reinterpret_cast<const uint8_t*>(text.data());
  const uint8_t* const end = pos + text.size();
  int32_t row = 0;
  while (pos != end) {
    // At the root a byte that starts no name leads back to the root, and such bytes
    // are most of a text; skipping them costs no chain of dependent loads.
    if (row == 0) {
      while (pos != end && leads[*pos] == 0) ++pos;
      if (pos == end) break;
    }
    const int32_t step = next[row + byteClass[*pos++]];
    row = step & ~kEmits;
    if ((step & kEmits) == 0) continue;
    const int32_t at = row / static_cast<int32_t>(classCount_);
    int32_t s = nameAt_[static_cast<size_t>(at)] >= 0 ? at : outputLink_[static_cast<size_t>(at)];
    for (; s >= 0; s = outputLink_[static_cast<size_t>(s)]) {
      for (int32_t k = nameAt_[static_cast<size_t>(s)]; k >= 0; k = sameName_[static_cast<size_t>(k)]) {
        found.push_back(k);
      }
    }
  }
  found.insert(found.end(), emptyNames_.begin(), emptyNames_.end());
  if (found.size() < 2) return;  // most texts name no technology at all
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
}

const NameMatcher& TechnologyNameMatcher() {
  static const NameMatcher matcher = [] {
    std::array<std::string_view, reference::kTechCount> names{};
    for (size_t k = 0; k < names.size(); ++k) names[k] = reference::TechnologyTable[k].TechName;
    return NameMatcher(names);
  }();
  return matcher;
}

}  // namespace varnak::parser
