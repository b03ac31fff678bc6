// Event handlers: order, filters, the first veto, and handlers that change the lists.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/model/notify.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

TEST(Notify, OrderFiltersAndTheFirstVeto) {
  InitToolkit();
  Gadget a, b;
  ScreenWindow w;
  std::vector<int> calls;
  SetEventCallback([&](Gadget*, int kind, std::intptr_t) {
    calls.push_back(1);
    return kind == 4 ? 0 : 1;
  });
  Toolkit().HandlerList.push_back({[&](Gadget*, int, std::intptr_t) {
                                     calls.push_back(2);
                                     return 1;
                                   },
                                   &b});
  Toolkit().HandlerList.push_back({[&](Gadget*, int, std::intptr_t) {
                                     calls.push_back(3);
                                     return 1;
                                   },
                                   &w});
  EXPECT_EQ(detail::NotifyHandlers(nullptr, &a, 1, 0), 1);
  EXPECT_EQ(calls, (std::vector<int>{1})) << "filters for other records are skipped";
  calls.clear();
  EXPECT_EQ(detail::NotifyHandlers(&w, &b, 1, 0), 1);
  EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
  calls.clear();
  EXPECT_EQ(detail::NotifyHandlers(&w, &b, 4, 0), 0);
  EXPECT_EQ(calls, (std::vector<int>{1})) << "the first veto stops the walk";
}

TEST(Notify, NoHandlerAllowsAndHandlersMayAddHandlers) {
  InitToolkit();
  EXPECT_EQ(detail::NotifyHandlers(nullptr, nullptr, 2, 7), 1);
  int added = 0;
  SetEventCallback([&](Gadget*, int, std::intptr_t item) {
    // Grows the list while it is walked; each new handler still runs in this call.
    if (added < 50) {
      ++added;
      SetEventCallback([](Gadget*, int, std::intptr_t) { return 1; });
    }
    return item == 7 ? 1 : 0;
  });
  EXPECT_EQ(detail::NotifyHandlers(nullptr, nullptr, 2, 7), 1);
  EXPECT_EQ(Toolkit().HandlerList.size(), 2u);
  EXPECT_EQ(detail::NotifyHandlers(nullptr, nullptr, 2, 8), 0);
}

}  // namespace
}  // namespace bevel
