#include "document/EditHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillset {
namespace {

DocumentState state(std::string script, int left = 0) {
    DocumentState s;
    s.script = std::make_shared<const std::string>(std::move(script));
    s.settings.leftMargin = static_cast<std::int16_t>(left);
    return s;
}

// A history with the steps "" -> a -> b -> c.
EditHistory threeSteps() {
    EditHistory history;
    history.clear(state(""));
    history.record(state(""), state("a"));
    history.record(state("a"), state("b"));
    history.record(state("b"), state("c"));
    return history;
}

TEST(EditHistory, UndoAndRedoWalkTheStates) {
    EditHistory history = threeSteps();
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(*history.undo().script, "b");
    EXPECT_EQ(*history.undo().script, "a");
    EXPECT_EQ(*history.redo().script, "b");
    EXPECT_EQ(*history.undo().script, "a");
    EXPECT_EQ(*history.undo().script, "");
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(*history.redo().script, "a");
    EXPECT_EQ(*history.redo().script, "b");
    EXPECT_EQ(*history.redo().script, "c");
    EXPECT_FALSE(history.canRedo());
}

TEST(EditHistory, ANewEditDropsWhatWasUndone) {
    EditHistory history = threeSteps();
    history.undo();
    history.undo();
    history.record(state("a"), state("x"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(*history.undo().script, "a");
    EXPECT_EQ(*history.undo().script, "");
}

// A step's "before" is restored even where it differs from the step
// before's "after" (a paste changed the script outside any step), and so is
// the state before the paste.
TEST(EditHistory, UndoPassesThroughAPaste) {
    EditHistory history;
    history.clear(state(""));
    history.record(state(""), state("a"));
    history.record(state("a pasted"), state("b"));
    history.record(state("b pasted"), state("b pasted")); // Compile of the paste
    EXPECT_EQ(*history.undo().script, "b");
    EXPECT_EQ(*history.undo().script, "a pasted");
    EXPECT_EQ(*history.undo().script, "a");
    EXPECT_EQ(*history.undo().script, "");
    EXPECT_FALSE(history.canUndo());
}

// Steps keep only what differs; walking back and forth must rebuild every
// state byte for byte, wherever the change lies.
TEST(EditHistory, RebuildsEachStateFromWhatDiffers) {
    const std::string big(1 << 20, 'x');
    const std::string cut = big.substr(9);
    const std::string a = "A";
    const std::vector<std::string> states = {
        "", big, a + big, a + big + "Z", a + cut + "Z", a + "B" + cut + "Z", "AB", big, big + big, "",
    };
    EditHistory history;
    history.clear(state(states[0]));
    for (std::size_t i = 1; i < states.size(); ++i)
        history.record(state(states[i - 1]), state(states[i]));
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = states.size() - 1; i-- > 0;)
            EXPECT_TRUE(*history.undo().script == states[i]) << "undo to state " << i;
        for (std::size_t i = 1; i < states.size(); ++i)
            EXPECT_TRUE(*history.redo().script == states[i]) << "redo to state " << i;
    }
}

TEST(EditHistory, HoldsAScriptsWorthOfSteps) {
    const std::string big(EditHistory::kMinHeldBytes, 'x');
    EditHistory history;
    history.clear(state(big));
    history.record(state(big), state(big + "1"));
    history.record(state(big + "1"), state(big + "2"));
    EXPECT_EQ(history.heldBytes(), 1u) << "an edit of a huge script keeps what it changed";

    history.record(state(big + "2"), state("")); // the whole script cleared
    history.record(state(""), state("short"));
    EXPECT_EQ(*history.undo().script, "");
    EXPECT_FALSE(history.canUndo()) << "past the budget the oldest steps go, the newest stays";
}

// A new edit after undoing drops the undone steps, and with them their bytes:
// the count is what the kept steps hold, worked out by hand for each case.
TEST(EditHistory, CountsOnlyTheBytesOfTheKeptSteps) {
    // "<" undoes, ">" redoes, "paste:" replaces the script outside any step;
    // any other entry is an edit from the script as it stands to that text.
    const struct {
        const char* why;
        std::string start;
        std::vector<std::string> steps;
        std::size_t heldBytes;
    } cases[] = {
        {"an undone replacement goes; the new cut holds \" world\"",
         "hello world",
         {"hello there", "<", "hello"},
         6},
        {"two undone insertions go; \"def\" and \"c\" stay",
         "abcdef",
         {"abc", "abcXY", "abcXYZ", "<", "<", "ab"},
         4},
        {"undone and redone, then the undone \"xyz\" goes; \"abc\" stays",
         "abc",
         {"", "xyz", "<", "<", ">", "q"},
         3},
        {"undone to the start, then a replacement holding \"a\"",
         "abc",
         {"abcd", "abcde", "<", "<", "xbc"},
         1},
        {"a paste after undoing drops the undone step too; \"a\" and \"c\" stay",
         "abc",
         {"abcd", "<", "paste:xbc", "xb"},
         2},
    };
    for (const auto& c : cases) {
        EditHistory history;
        history.clear(state(c.start));
        std::string present = c.start;
        for (const std::string& step : c.steps) {
            if (step == "<")
                present = *history.undo().script;
            else if (step == ">")
                present = *history.redo().script;
            else if (step.starts_with("paste:"))
                present = step.substr(6);
            else
                history.record(state(std::exchange(present, step)), state(step));
        }
        EXPECT_FALSE(history.canRedo()) << c.why;
        EXPECT_EQ(history.heldBytes(), c.heldBytes) << c.why;
    }
}

TEST(EditHistory, PageSettingsAreState) {
    EditHistory history;
    history.clear(state("a", 0));
    history.record(state("a", 0), state("a", 8));
    ASSERT_TRUE(history.canUndo());
    EXPECT_EQ(history.undo().settings.leftMargin, 0);
    history.record(state("a", 0), state("a", 0));
    EXPECT_TRUE(history.canRedo()) << "a step that changes nothing is not kept";
}

TEST(EditHistory, SavedStateFollowsUndoAndRedo) {
    struct Case {
        const char* name;
        int undosBeforeSave;
        int undosAfterSave;
        int redosAfterSave;
        bool editAfterSave;
        bool atSaved;
    };
    const Case cases[] = {
        {"just saved", 0, 0, 0, false, true},
        {"undo after save", 0, 1, 0, false, false},
        {"undo then redo back to the save", 0, 2, 2, false, true},
        {"saved after undoing, redo leaves it", 1, 0, 1, false, false},
        {"saved after undoing, undo and redo return", 1, 1, 1, false, true},
        {"an edit after undoing past the save loses it", 0, 1, 0, true, false},
    };
    for (const Case& c : cases) {
        EditHistory history = threeSteps();
        for (int i = 0; i < c.undosBeforeSave; ++i)
            history.undo();
        history.markSaved();
        for (int i = 0; i < c.undosAfterSave; ++i)
            history.undo();
        for (int i = 0; i < c.redosAfterSave; ++i)
            history.redo();
        if (c.editAfterSave) {
            history.record(state("b"), state("y"));
            history.undo();
        }
        EXPECT_EQ(history.atSavedState(), c.atSaved) << c.name;
    }
}

TEST(EditHistory, KeepsTheNewestSteps) {
    EditHistory history;
    history.clear(state("0"));
    const int edits = static_cast<int>(EditHistory::kMaxSteps) + 5;
    for (int i = 0; i < edits; ++i)
        history.record(state(std::to_string(i)), state(std::to_string(i + 1)));
    int undone = 0;
    std::string last;
    while (history.canUndo()) {
        last = *history.undo().script;
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(EditHistory::kMaxSteps));
    EXPECT_EQ(last, "5");
    EXPECT_FALSE(history.atSavedState()) << "the opened state is no longer reachable";
}

TEST(EditHistory, ClearForgetsEverything) {
    EditHistory history = threeSteps();
    history.undo();
    history.clear(state("b"));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_TRUE(history.atSavedState());
}

} // namespace
} // namespace quillset
