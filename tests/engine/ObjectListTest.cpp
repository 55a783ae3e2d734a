#include "model/ObjectList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quillset {
namespace {

// Objects tagged by their x so that an order reads as a string.
std::unique_ptr<ObjectList> listOf(const std::string& tags) {
    auto list = std::make_unique<ObjectList>();
    for (char t : tags) {
        PageObject o;
        o.x = t;
        list->append(o);
    }
    return list;
}

std::string order(const ObjectList& list) {
    std::string s;
    for (int i = 0; i < list.count; ++i)
        s += static_cast<char>(list[i].x);
    return s;
}

TEST(ObjectList, Reorders) {
    const struct {
        const char* why;
        void (*edit)(ObjectList&);
        std::string want;
    } cases[] = {
        {"remove from the middle", [](ObjectList& l) { l.remove(1); }, "acde"},
        {"remove the top", [](ObjectList& l) { l.remove(4); }, "abcd"},
        {"remove out of range is ignored", [](ObjectList& l) { l.remove(5); }, "abcde"},
        {"bring to top", [](ObjectList& l) { l.bringToTop(1); }, "acdeb"},
        {"send to bottom", [](ObjectList& l) { l.sendToBottom(3); }, "dabce"},
        {"raise by one", [](ObjectList& l) { l.raiseByOne(0); }, "bacde"},
        {"lower by one", [](ObjectList& l) { l.lowerByOne(4); }, "abced"},
        {"raise the top stays", [](ObjectList& l) { l.raiseByOne(4); }, "abcde"},
        {"lower the bottom stays", [](ObjectList& l) { l.lowerByOne(0); }, "abcde"},
    };
    for (const auto& c : cases) {
        auto list = listOf("abcde");
        c.edit(*list);
        EXPECT_EQ(order(*list), c.want) << c.why;
    }
}

TEST(ObjectList, AFullListIgnoresAppends) {
    auto list = std::make_unique<ObjectList>();
    PageObject o;
    for (int i = 0; i < kMaxObjects; ++i)
        ASSERT_TRUE(list->append(o));
    o.x = 7;
    EXPECT_FALSE(list->append(o));
    EXPECT_EQ(list->count, kMaxObjects);
    EXPECT_EQ((*list)[kMaxObjects - 1].x, 0);
}

TEST(TextFields, KeepAtMost199Characters) {
    PageObject o;
    o.literal.assign(std::string("ab\0cd", 5));
    o.styled.assign(std::string(300, 's'), 21);
    EXPECT_EQ(o.literal.view(), "ab");
    EXPECT_EQ(o.styled.length(), 199u);
    EXPECT_EQ(o.styled.attrs[198], 21);
    EXPECT_EQ(o.styled.attrs[199], 3);
}

} // namespace
} // namespace quillset
