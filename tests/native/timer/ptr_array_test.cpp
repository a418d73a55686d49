#include "timer/ptr_array.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Counts destructions so a test can tell that each element is freed once.
struct Tracked {
  explicit Tracked(int v, int* deaths) : value(v), deaths(deaths) {}
  ~Tracked() { ++*deaths; }
  int value;
  int* deaths;
};

std::vector<int> Values(const PtrArray<int>& a) {
  std::vector<int> out;
  for (int i = 0; i < a.Count(); ++i) out.push_back(*a.At(i));
  return out;
}

TEST(PtrArray, AddReturnsTheNewIndexAndKeepsOrderPastSeveralGrowths) {
  std::vector<int> storage(100);
  PtrArray<int> a;
  for (int i = 0; i < 100; ++i) {
    storage[i] = i;
    EXPECT_EQ(i, a.Add(&storage[i]));
  }
  ASSERT_EQ(100, a.Count());
  for (int i = 0; i < 100; ++i) EXPECT_EQ(&storage[i], a.At(i));
}

TEST(PtrArray, ReadingOutOfRangeYieldsNull) {
  int x = 1;
  PtrArray<int> a;
  EXPECT_EQ(nullptr, a.At(0));
  EXPECT_EQ(nullptr, a.At(-1));
  a.Add(&x);
  EXPECT_EQ(&x, a.At(0));
  EXPECT_EQ(nullptr, a.At(1));
  EXPECT_EQ(nullptr, a.At(-1));
  EXPECT_EQ(nullptr, a.At(2147483647));
  EXPECT_EQ(nullptr, a.At(-2147483647 - 1));
}

TEST(PtrArray, InsertPlacesBeforeTheIndexAndAcceptsTheEnd) {
  int v[4] = {0, 1, 2, 3};
  PtrArray<int> a;
  EXPECT_TRUE(a.Insert(0, &v[1]));          // into an empty array
  EXPECT_TRUE(a.Insert(0, &v[0]));          // in front: newest first
  EXPECT_TRUE(a.Insert(a.Count(), &v[3]));  // at the end
  EXPECT_TRUE(a.Insert(2, &v[2]));          // in the middle
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Values(a));
}

TEST(PtrArray, InsertOutOfRangeChangesNothing) {
  int v[2] = {0, 1};
  PtrArray<int> a;
  a.Add(&v[0]);
  EXPECT_FALSE(a.Insert(2, &v[1]));
  EXPECT_FALSE(a.Insert(-1, &v[1]));
  EXPECT_EQ((std::vector<int>{0}), Values(a));
}

TEST(PtrArray, RemovingARunMovesTheRestDown) {
  int v[6] = {0, 1, 2, 3, 4, 5};
  PtrArray<int> a;
  for (int& x : v) a.Add(&x);
  EXPECT_EQ(2, a.Remove(1, 2));
  EXPECT_EQ((std::vector<int>{0, 3, 4, 5}), Values(a));
  EXPECT_EQ(1, a.Remove(0));
  EXPECT_EQ((std::vector<int>{3, 4, 5}), Values(a));
  EXPECT_EQ(1, a.Remove(2));
  EXPECT_EQ((std::vector<int>{3, 4}), Values(a));
  EXPECT_EQ(nullptr, a.At(2));
}

TEST(PtrArray, RemovingARunPastTheEndStopsAtTheEnd) {
  int v[4] = {0, 1, 2, 3};
  PtrArray<int> a;
  for (int& x : v) a.Add(&x);
  EXPECT_EQ(2, a.Remove(2, 100));
  EXPECT_EQ((std::vector<int>{0, 1}), Values(a));
  EXPECT_EQ(2, a.Remove(0, 2147483647));
  EXPECT_EQ(0, a.Count());
}

TEST(PtrArray, RemovingOutOfRangeOrAnEmptyRunChangesNothing) {
  int v[3] = {0, 1, 2};
  PtrArray<int> a;
  for (int& x : v) a.Add(&x);
  EXPECT_EQ(0, a.Remove(3));
  EXPECT_EQ(0, a.Remove(-1));
  EXPECT_EQ(0, a.Remove(0, 0));
  EXPECT_EQ(0, a.Remove(0, -2));
  EXPECT_EQ((std::vector<int>{0, 1, 2}), Values(a));
  PtrArray<int> empty;
  EXPECT_EQ(0, empty.Remove(0));
}

TEST(PtrArray, TheArrayNeverFreesItsElements) {
  int deaths = 0;
  Tracked kept(7, &deaths);
  {
    PtrArray<Tracked> a;
    a.Add(&kept);
    a.Add(&kept);
    a.Remove(0);
    a.Clear();
    a.Add(&kept);
  }
  EXPECT_EQ(0, deaths);
  EXPECT_EQ(7, kept.value);
}

TEST(PtrArray, DeleteAtFreesExactlyTheRunItRemoves) {
  int deaths = 0;
  PtrArray<Tracked> a;
  for (int i = 0; i < 5; ++i) a.Add(new Tracked(i, &deaths));
  EXPECT_EQ(2, a.DeleteAt(1, 2));
  EXPECT_EQ(2, deaths);
  ASSERT_EQ(3, a.Count());
  EXPECT_EQ(0, a.At(0)->value);
  EXPECT_EQ(3, a.At(1)->value);
  EXPECT_EQ(4, a.At(2)->value);
  EXPECT_EQ(1, a.DeleteAt(2, 10));  // cut at the end
  EXPECT_EQ(0, a.DeleteAt(2));      // out of range: nothing freed
  EXPECT_EQ(0, a.DeleteAt(-1));
  EXPECT_EQ(3, deaths);
  a.DeleteAll();
  EXPECT_EQ(5, deaths);
  EXPECT_EQ(0, a.Count());
  a.DeleteAll();  // freeing an empty array twice frees nothing twice
  EXPECT_EQ(5, deaths);
}

TEST(PtrArray, TheArrayIsUsableAgainAfterClear) {
  int v[2] = {0, 1};
  PtrArray<int> a;
  a.Add(&v[0]);
  a.Clear();
  EXPECT_EQ(0, a.Count());
  EXPECT_EQ(nullptr, a.At(0));
  EXPECT_EQ(0, a.Add(&v[1]));
  EXPECT_EQ((std::vector<int>{1}), Values(a));
}

}  // namespace
