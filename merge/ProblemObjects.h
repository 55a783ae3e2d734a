#pragma once

#include "merge/MergeCheck.h"

#include <string_view>
#include <vector>

namespace quillset {

class ObjectList;

// The objects of a page that `problems` come from, ascending, once each: the
// objects made of a problem's script lines. `script` is the text `objects`
// was compiled from; each object is one of its lines in order, a picture its
// statement and the lines of its dots. Lines past the last object (the kept
// lines past the 500th object) have none.
std::vector<int> problemObjects(const std::vector<MergeProblem>& problems, std::string_view script,
                                const ObjectList& objects);

} // namespace quillset
