// A growable list of plain records held by value.
#pragma once
#include <cstddef>
#include <cstdlib>
#include <vector>

template <typename T>
class ValueArray {
 public:
  ValueArray() = default;

  // Stores a copy of row after the rows already held.
  void Add(const T& row) { rows_.push_back(row); }
  // Becomes an independent copy of other; a copy onto itself changes nothing.
  void Copy(const ValueArray& other) {
    if (&other != this) rows_ = other.rows_;
  }
  std::size_t GetSize() const { return rows_.size(); }

  const T& operator[](std::size_t index) const { return rows_[Checked(index)]; }
  T& operator[](std::size_t index) { return rows_[Checked(index)]; }

 private:
  std::size_t Checked(std::size_t index) const {
    if (index >= rows_.size()) std::abort();  // no path of the tool reads past the end
    return index;
  }

  std::vector<T> rows_;
};
