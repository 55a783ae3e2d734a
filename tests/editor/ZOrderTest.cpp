#include "editor/ZOrder.h"
#include "model/ObjectList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace quillset {
namespace {

// Each object is tagged by its x, so that an order reads as a string; '#'
// is a script line.
PageObject tagged(char tag) {
    PageObject o;
    o.kind = tag == '#' ? ObjectKind::ScriptLine : ObjectKind::Rectangle;
    o.x = tag;
    return o;
}

std::string tagsOf(const ObjectList& list) {
    std::string tags(static_cast<std::size_t>(list.count), ' ');
    std::transform(list.objects.begin(), list.objects.begin() + list.count, tags.begin(),
                   [](const PageObject& o) { return static_cast<char>(o.x); });
    return tags;
}

TEST(ZOrder, MovesAndRefusals) {
    using Z = ZOrderCommand;
    const std::string_view top = "The Object you selected is already at the Top Most position";
    const std::string_view bottom =
        "The Object you selected is already at the Bottom Most position";
    const struct {
        const char* why;
        const char* before;
        int index;
        Z command;
        const char* after;
        std::string_view refusal;
    } cases[] = {
        {"bring B to top", "ABCD", 1, Z::BringToTop, "ACDB", {}},
        {"send C to bottom", "ABCD", 2, Z::SendToBottom, "CABD", {}},
        {"raise A by one", "ABCD", 0, Z::RaiseByOne, "BACD", {}},
        {"lower D by one", "ABCD", 3, Z::LowerByOne, "ABDC", {}},
        {"raise over a script line reorders only the script", "A#B", 0, Z::RaiseByOne, "#AB", {}},
        {"raise the top", "ABCD", 3, Z::RaiseByOne, "ABCD", top},
        {"bring the top to top", "ABCD", 3, Z::BringToTop, "ABCD", top},
        {"lower the bottom", "ABCD", 0, Z::LowerByOne, "ABCD", bottom},
        {"send the bottom to bottom", "ABCD", 0, Z::SendToBottom, "ABCD", bottom},
        {"single object: raise", "A", 0, Z::RaiseByOne, "A", top},
        {"single object: bring to top", "A", 0, Z::BringToTop, "A", top},
        {"single object: lower", "A", 0, Z::LowerByOne, "A", bottom},
        {"single object: send to bottom", "A", 0, Z::SendToBottom, "A", bottom},
    };
    for (const auto& c : cases) {
        auto list = std::make_unique<ObjectList>();
        for (char tag : std::string_view(c.before))
            list->append(tagged(tag));
        EXPECT_EQ(applyZOrder(*list, c.index, c.command), c.refusal) << c.why;
        EXPECT_EQ(tagsOf(*list), c.after) << c.why;
    }
}

} // namespace
} // namespace quillset
