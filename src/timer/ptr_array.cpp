#include "timer/ptr_array.h"

#include <climits>
#include <cstdlib>
#include <cstring>

UntypedPtrArray::UntypedPtrArray() : items_(nullptr), count_(0), capacity_(0) {}

UntypedPtrArray::~UntypedPtrArray() {
  Clear();
}

bool UntypedPtrArray::Reserve(int needed) {
  if (needed <= capacity_)
    return true;
  int grown = capacity_ < 8 ? 8 : capacity_;
  while (grown < needed) {
    if (grown > INT_MAX / 2)
      return false;
    grown *= 2;
  }
  void** bigger = static_cast<void**>(std::realloc(items_, sizeof(void*) * grown));
  if (bigger == nullptr)
    return false;
  items_ = bigger;
  capacity_ = grown;
  return true;
}

int UntypedPtrArray::Add(void* p) {
  if (count_ == INT_MAX || !Reserve(count_ + 1))
    return -1;
  items_[count_] = p;
  return count_++;
}

bool UntypedPtrArray::Insert(int index, void* p) {
  if (index < 0 || index > count_)
    return false;
  if (count_ == INT_MAX || !Reserve(count_ + 1))
    return false;
  std::memmove(items_ + index + 1, items_ + index, sizeof(void*) * (count_ - index));
  items_[index] = p;
  ++count_;
  return true;
}

int UntypedPtrArray::Remove(int index, int count) {
  if (index < 0 || index >= count_ || count <= 0)
    return 0;
  const int removed = count_ - index < count ? count_ - index : count;
  const int tail = count_ - index - removed;
  std::memmove(items_ + index, items_ + index + removed, sizeof(void*) * tail);
  count_ -= removed;
  return removed;
}

void* UntypedPtrArray::At(int index) const {
  if (index < 0 || index >= count_)
    return nullptr;
  return items_[index];
}

int UntypedPtrArray::Count() const {
  return count_;
}

void UntypedPtrArray::Clear() {
  std::free(items_);
  items_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}
