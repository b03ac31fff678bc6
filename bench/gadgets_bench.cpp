// Costs of the gadget model that must stay flat as lists grow: finding a gadget by number among
// many, appending items, and reading or changing an item by index in a long list.
#include <benchmark/benchmark.h>

#include <string>

#include "toolkit/gadgets/items.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

constexpr int kManyGadgets = 10000;
constexpr int kManyItems = 100000;
constexpr int kBigList = 1;        // a column list with kManyItems items
constexpr int kAppendList = 2;     // emptied and refilled by the append benchmark
constexpr int kFirstButton = 100;  // kManyGadgets buttons from here

// One toolkit for all benchmarks, built on first use.
void SetUpToolkit() {
  static bool ready = false;
  if (ready) return;
  InitToolkit();
  CreateColumnList(kBigList, 0, 0, 300, 20, "Name", 0);
  CreateColumnList(kAppendList, 0, 0, 300, 20, "Name", 0);
  for (int i = 0; i < kManyItems; ++i) AddGadgetItem(kBigList, -1, "Eintrag " + std::to_string(i));
  for (int i = 0; i < kManyGadgets; ++i) CreateButton(kFirstButton + i, 0, 0, 10, 10, "B");
  ready = true;
}

void BM_GadgetLookupAmong10000(benchmark::State& state) {
  SetUpToolkit();
  const int last = kFirstButton + kManyGadgets - 1;
  for (auto _ : state) benchmark::DoNotOptimize(GetGadgetState(last));
}
BENCHMARK(BM_GadgetLookupAmong10000);

// One iteration appends 100,000 items to an empty list.
void BM_Append100000Items(benchmark::State& state) {
  SetUpToolkit();
  Gadget& list = *detail::FindGadget(kAppendList);
  for (auto _ : state) {
    state.PauseTiming();
    detail::ClearGadgetItems(list);
    list.items.shrink_to_fit();  // every round grows the list from nothing
    state.ResumeTiming();
    for (int i = 0; i < kManyItems; ++i) AddGadgetItem(kAppendList, -1, "Datei.txt");
  }
  state.SetItemsProcessed(state.iterations() * kManyItems);
}
BENCHMARK(BM_Append100000Items)->Unit(benchmark::kMillisecond);

void BM_GetItemTextIn100000(benchmark::State& state) {
  SetUpToolkit();
  int index = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetItemText(kBigList, index));
    index = (index + 7919) % kManyItems;  // jump around the list
  }
}
BENCHMARK(BM_GetItemTextIn100000);

void BM_SetItemStateIn100000(benchmark::State& state) {
  SetUpToolkit();
  int index = 0;
  for (auto _ : state) {
    SetItemState(kBigList, index, ITEM_CHECKED);
    index = (index + 7919) % kManyItems;
  }
}
BENCHMARK(BM_SetItemStateIn100000);

// Selecting by item state goes through the selection command.
void BM_SelectByItemStateIn100000(benchmark::State& state) {
  SetUpToolkit();
  int index = 0;
  for (auto _ : state) {
    SetItemState(kBigList, index, ITEM_SELECTED);
    index = (index + 7919) % kManyItems;
  }
}
BENCHMARK(BM_SelectByItemStateIn100000);

}  // namespace

BENCHMARK_MAIN();
