#include "editor/BarcodeProperties.h"

#include "model/PageObject.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace quillset {
namespace {

PageObject barcode(int type, const std::string& data) {
    PageObject o;
    o.kind = ObjectKind::Barcode;
    o.barcodeX = 40, o.barcodeY = 50, o.angle = 0, o.humanReadable = 1, o.barcodeHeight = 30;
    o.barcodeType = type, o.colour = 1, o.x = 3, o.y = 4;
    o.styled.assign(data);
    o.literal.assign(data);
    return o;
}

TEST(BarcodeProperties, TypeButtons) {
    const struct {
        int index;
        int type;
    } buttons[] = {{0, 1}, {1, 2}, {2, 3}, {3, 5}, {4, 4}};
    for (const auto& b : buttons) {
        EXPECT_EQ(barcodeTypeForIndex(b.index), b.type) << b.index;
        EXPECT_EQ(typeIndexForBarcodeType(b.type), b.index) << b.type;
    }
    EXPECT_EQ(barcodeTypeForIndex(-1), 1) << "no button stores Code 39";
    EXPECT_EQ(barcodeTypeForIndex(5), 1);
    EXPECT_EQ(typeIndexForBarcodeType(0), 0) << "an unknown type opens on the first button";
    EXPECT_EQ(typeIndexForBarcodeType(6), 0);
}

TEST(BarcodeProperties, FillThenApplyUnchangedKeepsTheObject) {
    for (int type = 1; type <= 5; ++type) {
        const PageObject before = barcode(type, type == 2 ? "\211012345678905" : "012345678905");
        PageObject after = before;
        applyBarcodeFields(after, barcodeFieldsOf(before));
        EXPECT_EQ(after.barcodeType, type);
        EXPECT_EQ(after.literal, before.literal);
        EXPECT_TRUE(after.styled.sameContent(before.styled));
        EXPECT_EQ((std::array{after.barcodeX, after.barcodeY, after.angle, after.humanReadable,
                              after.barcodeHeight}),
                  (std::array{40, 50, 0, 1, 30}));
    }
    const BarcodeFields upc = barcodeFieldsOf(barcode(4, "01234567890"));
    EXPECT_EQ(upc.typeIndex, 4);
    EXPECT_FALSE(upc.positionReadOnly);
}

TEST(BarcodeProperties, ApplyRecomputesTheBox) {
    const struct {
        const char* why;
        int typeIndex;
        int angleIndex;
        int x, y;
        int left, top, right, bottom;
    } cases[] = {
        {"Code 39 with 10 characters is 448 dots long", 0, 0, 40, 50, 40, 50, 488, 80},
        {"Codabar with 10 characters is 300 dots long, from a new origin", 3, 0, 0, 0, 0, 0, 300,
         30},
        {"at 90 degrees the bars run upwards", 0, 1, 40, 500, 40, 52, 70, 500},
    };
    for (const auto& c : cases) {
        PageObject o = barcode(1, "0123456789");
        BarcodeFields f = barcodeFieldsOf(o);
        f.typeIndex = c.typeIndex, f.angleIndex = c.angleIndex, f.x = c.x, f.y = c.y;
        applyBarcodeFields(o, f);
        EXPECT_EQ((std::array{o.left, o.top, o.right, o.bottom}),
                  (std::array{c.left, c.top, c.right, c.bottom}))
            << c.why;
        EXPECT_EQ(o.x, 3) << c.why;
        EXPECT_EQ(o.y, 4) << c.why;
    }
}

TEST(BarcodeProperties, DataGoesIntoCharactersAndLiteral) {
    PageObject o = barcode(1, "LONGER DATA");
    o.styled.attrs[0] = 3 | 16;
    BarcodeFields f = barcodeFieldsOf(o);
    f.data = "AB\x9C"; // code page 437 pound sign
    applyBarcodeFields(o, f);
    EXPECT_EQ(o.literal.view(), "AB\x9C");
    EXPECT_EQ(o.styled.text(), "AB\x9C");
    EXPECT_EQ(o.styled.attrs[0], 3 | 16) << "attributes stay";

    f.data = std::string(kMaxBarcodeData, '7');
    applyBarcodeFields(o, f);
    EXPECT_EQ(o.literal.view().size(), kMaxBarcodeData);
    EXPECT_EQ(o.right - o.left, (198 + 4) * 32);
}

TEST(BarcodeProperties, StoredDataIsWhatThePrinterNeeds) {
    const struct {
        const char* why;
        int typeIndex;
        Code128CodeSet codeSet;
        std::string typed;
        std::string stored;
    } cases[] = {
        {"Auto: C for an even number of digits", 1, Code128CodeSet::Auto, "1234", "\2111234"},
        {"Auto: B for an odd number", 1, Code128CodeSet::Auto, "123", "\210123"},
        {"Auto: B for letters", 1, Code128CodeSet::Auto, "QS44", "\210QS44"},
        {"Auto keeps a code-set character typed", 1, Code128CodeSet::Auto, "\207AB", "\207AB"},
        {"a chosen code set", 1, Code128CodeSet::A, "1234", "\2071234"},
        {"no data, no code-set character", 1, Code128CodeSet::B, "", ""},
        {"the 11 digits of a UPC-A get their check digit", 4, Code128CodeSet::Auto, "03600029145",
         "036000291452"},
        {"a check digit typed stays", 4, Code128CodeSet::Auto, "036000291450", "036000291450"},
        {"other types as typed", 0, Code128CodeSet::C, "12", "12"},
    };
    for (const auto& c : cases) {
        BarcodeFields f;
        f.typeIndex = c.typeIndex, f.codeSet = c.codeSet, f.data = c.typed;
        EXPECT_EQ(storedBarcodeData(f), c.stored) << c.why;
    }
}

} // namespace
} // namespace quillset
