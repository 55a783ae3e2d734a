#pragma once

#include <string>

namespace quillset {

struct PageObject;

// What the Symbol dialog shows and hands back.
struct SymbolFields {
    int symbology = 1; // symbol/Symbology.h
    int module = 4;
    int option = 1;
    // The data in code page 437, as the object keeps it; the dialog converts
    // to and from Unicode.
    std::string data;
    int angleIndex = 0; // 0..3 quarter turns
    int x = 0;
    int y = 0;
    bool positionReadOnly = false; // the position comes from the click that places it

    friend bool operator==(const SymbolFields&, const SymbolFields&) = default;
};

SymbolFields symbolFieldsOf(const PageObject& symbol);

// Stores the dialog's values in a symbol and the box its modules then cover.
void applySymbolFields(PageObject& symbol, const SymbolFields& fields);

} // namespace quillset
