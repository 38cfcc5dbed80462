#include "app/History.h"

#include <gtest/gtest.h>

namespace {

History make(std::initializer_list<const char *> items)
{
    History h;
    int i = 0;
    for (const char *s : items)
        h[i++] = s;
    return h;
}

std::vector<std::string> items(const History &h)
{
    std::vector<std::string> out;
    for (int i = 0; i < History::kSize; ++i)
        out.push_back(h[i]);
    return out;
}

} // namespace

TEST(History, MovePushAndRemove)
{
    History h = make({ "1", "2", "3", "4", "5" });
    h.moveToFront(2);
    EXPECT_EQ(items(h), (std::vector<std::string> { "3", "1", "2", "4", "5" }));
    h.moveToFront(0);
    EXPECT_EQ(items(h), (std::vector<std::string> { "3", "1", "2", "4", "5" }));
    h.pushFront("new");
    EXPECT_EQ(items(h), (std::vector<std::string> { "new", "3", "1", "2", "4" }));
    h.remove(3);
    EXPECT_EQ(items(h), (std::vector<std::string> { "new", "3", "1", "4", "" }));
    EXPECT_EQ(h.indexOf("4"), 3);
    EXPECT_EQ(h.indexOf(""), -1) << "a free entry never matches";
    EXPECT_EQ(h.indexOf("NEW"), -1) << "names compare exactly";
    EXPECT_TRUE(h.anySet());
    EXPECT_FALSE(History().anySet());
}
