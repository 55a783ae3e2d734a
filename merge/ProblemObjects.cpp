#include "merge/ProblemObjects.h"

#include "model/ObjectList.h"
#include "picture/PictureText.h"

#include <algorithm>

namespace quillset {

namespace {

// The next line of `text` at CR LF, a lone CR or a lone LF, as Compile cuts it.
std::string_view takeLine(std::string_view& text) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    std::size_t next = end;
    if (next < text.size())
        next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
    text.remove_prefix(next);
    return line;
}

} // namespace

std::vector<int> problemObjects(const std::vector<MergeProblem>& problems, std::string_view script,
                                const ObjectList& objects) {
    std::vector<int> lines;
    for (const MergeProblem& problem : problems)
        lines.insert(lines.end(), problem.lines.begin(), problem.lines.end());
    std::sort(lines.begin(), lines.end());
    std::vector<int> found;
    auto wanted = lines.begin();
    int line = 1;
    for (int index = 0; index < objects.count && wanted != lines.end(); ++index) {
        takeLine(script);
        int last = line;
        if (objects[index].kind == ObjectKind::Picture) {
            // Its dots' lines; the picture lines after them are objects of their own.
            for (std::string_view rest = script; !rest.empty() && isPictureLine(takeLine(rest));
                 script = rest)
                ++last;
        }
        while (wanted != lines.end() && *wanted < line)
            ++wanted;
        if (wanted != lines.end() && *wanted <= last)
            found.push_back(index);
        line = last + 1;
    }
    return found;
}

} // namespace quillset
