// An ordered, growable array of pointers that does not own what it points to.
//
// UntypedPtrArray holds void*; PtrArray<T> is the typed face the pages use. The
// array never frees an element by itself: whoever removes an entry frees the
// element, and the helpers DeleteAt/DeleteAll do both in one step for elements
// that were made with `new`. Reading an index out of range yields null.
#pragma once

class UntypedPtrArray {
 public:
  UntypedPtrArray();
  ~UntypedPtrArray();
  UntypedPtrArray(const UntypedPtrArray&) = delete;
  UntypedPtrArray& operator=(const UntypedPtrArray&) = delete;

  // Appends p; returns its index, or -1 when memory ran out (nothing changes).
  int Add(void* p);
  // Inserts p before index (0..Count(); Count() appends); the rest moves up.
  // False when index is out of range or memory ran out (nothing changes).
  bool Insert(int index, void* p);
  // Removes up to count entries starting at index; later entries move down.
  // A run reaching past the end is cut at the end. Returns how many entries
  // were removed (0 when index is out of range or count is not positive).
  int Remove(int index, int count = 1);
  // The entry at index, or null when index is out of range.
  void* At(int index) const;
  int Count() const;
  // Forgets every entry (the elements are not freed) and releases the storage.
  void Clear();

 private:
  bool Reserve(int needed);

  void** items_;
  int count_;
  int capacity_;
};

template <typename T>
class PtrArray {
 public:
  PtrArray() = default;
  PtrArray(const PtrArray&) = delete;
  PtrArray& operator=(const PtrArray&) = delete;

  int Add(T* p) { return raw_.Add(p); }
  bool Insert(int index, T* p) { return raw_.Insert(index, p); }
  int Remove(int index, int count = 1) { return raw_.Remove(index, count); }
  T* At(int index) const { return static_cast<T*>(raw_.At(index)); }
  int Count() const { return raw_.Count(); }
  void Clear() { raw_.Clear(); }

  // For elements made with `new`: deletes the elements of the run and removes
  // their entries. Each element is deleted exactly once. Returns how many
  // entries were removed.
  int DeleteAt(int index, int count = 1) {
    if (index < 0 || count <= 0 || index >= Count())
      return 0;
    int end = Count() - index < count ? Count() : index + count;
    for (int i = index; i < end; ++i) delete At(i);
    return Remove(index, end - index);
  }
  // Deletes every element and empties the array.
  void DeleteAll() {
    for (int i = 0; i < Count(); ++i) delete At(i);
    Clear();
  }

 private:
  UntypedPtrArray raw_;
};
