// Filling a table of records again from the top without giving up the memory of the
// records already there: their texts keep their blocks, and the table its block.
// A window that opens one save after another so writes into memory it has instead of
// allocating (and, for fresh memory, faulting in) every record anew.
#pragma once

#include <cstddef>
#include <vector>

namespace varnak {

template <typename T>
class Refill {
 public:
  // Takes `donor`'s records, when given, as the ones to write over (a table being
  // replaced); the table's own records are written over otherwise.
  explicit Refill(std::vector<T>& table, std::vector<T>* donor = nullptr) : table_(table) {
    if (donor != nullptr && donor != &table) {
      table_ = std::move(*donor);
      donor->clear();
    }
  }
  Refill(const Refill&) = delete;
  Refill& operator=(const Refill&) = delete;
  // Whatever was not written over goes: the table holds exactly what was kept.
  ~Refill() { table_.resize(kept_); }

  void Reserve(size_t n) { table_.reserve(n); }
  // The record to write next. Every field must be written: it may hold an old one.
  T& Slot() {
    if (kept_ == table_.size()) table_.emplace_back();
    return table_[kept_];
  }
  // Keeps the record last handed out by Slot().
  void Keep() { ++kept_; }

 private:
  std::vector<T>& table_;
  size_t kept_ = 0;
};

}  // namespace varnak
