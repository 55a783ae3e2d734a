#pragma once

#include "font/FontTextLayout.h"

#include <memory>
#include <string>
#include <vector>

namespace quillset {

class ScriptReader;
struct PageObject;

// What a font text object asks the font engine for.
FontTextRequest fontTextRequest(const PageObject& o);
// The object's text laid out, from the engine's cache when it was before.
std::shared_ptr<const FontTextLayout> fontTextLayout(const PageObject& o);

// The font text of a DrawFontText statement `reader` has read, with its
// bounds.
void fillFontText(const ScriptReader& reader, PageObject& o);
// The box of the laid-out text on the page, turned with it.
void setFontTextBounds(PageObject& o);

// What keeps the text from printing as written: characters no installed
// font has ("no installed font has '𓂀'") and a width it does not fit even
// at the smallest size. Empty when it prints as written.
std::vector<std::string> fontTextProblems(const FontTextLayout& text, int width);
// "'𓂀'" or "'a', 'b'", the characters as a message quotes them.
std::string quotedCharacters(const std::vector<std::string>& characters);

} // namespace quillset
