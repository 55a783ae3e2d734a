#include "editor/SymbolProperties.h"

#include "document/Compile.h"
#include "model/PageObject.h"

namespace quillset {

SymbolFields symbolFieldsOf(const PageObject& s) {
    SymbolFields f;
    f.symbology = s.symbology;
    f.module = s.symbolModule;
    f.option = s.symbolOption;
    f.data = std::string(s.literal.view());
    f.angleIndex = s.angle;
    f.x = s.x;
    f.y = s.y;
    return f;
}

void applySymbolFields(PageObject& s, const SymbolFields& f) {
    s.kind = ObjectKind::Symbol;
    s.colour = 1;
    s.symbology = f.symbology;
    s.symbolModule = f.module;
    s.symbolOption = f.option;
    s.literal.assign(f.data);
    s.angle = f.angleIndex;
    s.x = f.x;
    s.y = f.y;
    setSymbolBounds(s);
}

} // namespace quillset
