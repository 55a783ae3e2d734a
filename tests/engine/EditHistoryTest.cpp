#include "document/EditHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

DocumentState state(const std::string& script, int left = 0) {
    DocumentState s{script, {}};
    s.settings.leftMargin = static_cast<std::int16_t>(left);
    return s;
}

// A history with the steps "" -> a -> b -> c.
EditHistory threeSteps() {
    EditHistory history;
    history.record(state(""), state("a"));
    history.record(state("a"), state("b"));
    history.record(state("b"), state("c"));
    return history;
}

TEST(EditHistory, UndoAndRedoWalkTheStates) {
    EditHistory history = threeSteps();
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo().script, "b");
    EXPECT_EQ(history.undo().script, "a");
    EXPECT_EQ(history.redo().script, "b");
    EXPECT_EQ(history.undo().script, "a");
    EXPECT_EQ(history.undo().script, "");
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redo().script, "a");
    EXPECT_EQ(history.redo().script, "b");
    EXPECT_EQ(history.redo().script, "c");
    EXPECT_FALSE(history.canRedo());
}

TEST(EditHistory, ANewEditDropsWhatWasUndone) {
    EditHistory history = threeSteps();
    history.undo();
    history.undo();
    history.record(state("a"), state("x"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo().script, "a");
    EXPECT_EQ(history.undo().script, "");
}

// A step's "before" is restored even where it differs from the step
// before's "after" (text changed outside any step).
TEST(EditHistory, EachStepRestoresItsOwnBefore) {
    EditHistory history;
    history.record(state(""), state("a"));
    history.record(state("a typed"), state("b"));
    EXPECT_EQ(history.undo().script, "a typed");
    EXPECT_EQ(history.undo().script, "");
}

TEST(EditHistory, PageSettingsAreState) {
    EditHistory history;
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
    const int edits = static_cast<int>(EditHistory::kMaxSteps) + 5;
    for (int i = 0; i < edits; ++i)
        history.record(state(std::to_string(i)), state(std::to_string(i + 1)));
    int undone = 0;
    std::string last;
    while (history.canUndo()) {
        last = history.undo().script;
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(EditHistory::kMaxSteps));
    EXPECT_EQ(last, "5");
    EXPECT_FALSE(history.atSavedState()) << "the opened state is no longer reachable";
}

TEST(EditHistory, ClearForgetsEverything) {
    EditHistory history = threeSteps();
    history.undo();
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_TRUE(history.atSavedState());
}

} // namespace
} // namespace quillset
