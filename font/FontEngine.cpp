#include "font/FontEngine.h"

#include "font/FontCatalog.h"
#include "font/FontFaces.h"
#include "font/FontTextDrawing.h"
#include "font/FontTextLayouter.h"
#include "font/GlyphCache.h"

#include <unicode/unistr.h>

#include <list>
#include <map>
#include <mutex>

namespace quillset {

struct FontEngine::State {
    std::mutex mutex;
    FontCatalog catalog;
    FontFaces faces;
    GlyphCache glyphs{faces, kGlyphBytesLimit};
    FontTextLayouter layouter{catalog, faces};
    using Entry = std::pair<FontTextRequest, std::shared_ptr<const FontTextLayout>>;
    std::list<Entry> layouts; // most recently used first
    std::map<FontTextRequest, std::list<Entry>::iterator> index;
};

FontEngine& FontEngine::shared() {
    static FontEngine engine;
    return engine;
}

FontEngine::FontEngine()
    : state_(std::make_unique<State>()) {}

FontEngine::~FontEngine() = default;

std::shared_ptr<const FontTextLayout> FontEngine::layout(const FontTextRequest& request) {
    State& s = *state_;
    const std::lock_guard lock(s.mutex);
    if (const auto found = s.index.find(request); found != s.index.end()) {
        s.layouts.splice(s.layouts.begin(), s.layouts, found->second);
        return found->second->second;
    }
    auto made = std::make_shared<const FontTextLayout>(s.layouter.lay(request));
    s.layouts.emplace_front(request, made);
    s.index.emplace(request, s.layouts.begin());
    if (s.layouts.size() > kLayoutLimit) {
        s.index.erase(s.layouts.back().first);
        s.layouts.pop_back();
    }
    return made;
}

void FontEngine::draw(PageRaster& raster, const FontTextPlacement& at, const FontTextLayout& text) {
    State& s = *state_;
    const std::lock_guard lock(s.mutex);
    for (const PlacedGlyph& placed : text.glyphs) {
        const auto dots = s.glyphs.glyph(placed.face, placed.glyph, text.size);
        drawGlyphDots(raster, at, *dots, placed.x, placed.y);
    }
    for (const UnderlineBar& bar : text.underlines)
        drawTextBar(raster, at, bar);
}

std::vector<std::string> FontEngine::families(const std::string& coveringUtf8) {
    std::u32string characters;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(coveringUtf8);
    for (int i = 0; i < text.length(); i = text.moveIndex32(i, 1))
        characters += static_cast<char32_t>(text.char32At(i));
    const std::lock_guard lock(state_->mutex);
    return state_->catalog.families(characters);
}

FontEngine::CacheUse FontEngine::cacheUse() {
    const std::lock_guard lock(state_->mutex);
    return {state_->layouts.size(), state_->glyphs.count(), state_->glyphs.bytes()};
}

void FontEngine::clearCaches() {
    const std::lock_guard lock(state_->mutex);
    state_->index.clear();
    state_->layouts.clear();
    state_->glyphs.clear();
}

} // namespace quillset
