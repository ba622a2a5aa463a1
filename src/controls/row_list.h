// The touch list over rows of one kind, kept by value in a vector.
#ifndef ZORVANEL_CONTROLS_ROW_LIST_H_
#define ZORVANEL_CONTROLS_ROW_LIST_H_

#include <utility>
#include <vector>

#include "controls/dyna_list.h"

namespace zorvanel {

// A touch list whose rows are values of `Row`, one after the other: a row
// costs sizeof(Row) and whatever it owns, and nothing is made per row for
// drawing, which the subclass does from the row when it comes into view.
template <typename Row>
class CRowList : public CDynaList {
 public:
  // Inserts before `index`, or appends when index is outside the rows.
  // Returns the row's index. The selected index is left as it is.
  int InsertRow(Row row, int index) {
    const int count = item_count();
    const int at = index < 0 || index > count - 1 ? count : index;
    rows_.insert(rows_.begin() + at, std::move(row));
    ContentChanged();
    return at;
  }
  // Room for `count` rows without moving them again.
  void ReserveRows(int count) { rows_.reserve(count); }

  // Null when index is outside [0, count).
  const Row* RowAt(int index) const {
    return HasRow(index) ? &rows_[index] : nullptr;
  }
  Row* RowAt(int index) { return HasRow(index) ? &rows_[index] : nullptr; }

 protected:
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  void EraseRow(int index) override { rows_.erase(rows_.begin() + index); }
  void SwapRows(int a, int b) override { std::swap(rows_[a], rows_[b]); }
  void ClearRows() override { rows_.clear(); }

 private:
  std::vector<Row> rows_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_ROW_LIST_H_
