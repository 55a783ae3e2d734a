#include "printer/PrinterSettings.h"

#include "printer/SerialSettings.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace quillset {
namespace {

class PrinterSettingsTest : public testing::Test {
protected:
    void SetUp() override { settings.clear(); }
    void TearDown() override { settings.clear(); }

    QSettings settings{kSettingsOrganisation, kSettingsApplication};
};

// What a settings file may hold, edited by hand or left by another version.
TEST_F(PrinterSettingsTest, LabelSettingsLoadOnlyWhenTheyAreSettings) {
    const struct {
        const char* why;
        std::vector<std::pair<const char*, const char*>> stored;
        std::optional<int> darkness;
        std::optional<int> speed;
        LabelMedia media;
        int gapMm;
    } cases[] = {
        {"nothing stored: the printer's own", {}, {}, {}, LabelMedia::Unset, kDefaultGapMm},
        {"a darkness of 0 is the lightest, not unset",
         {{"Darkness", "0"}},
         0,
         {},
         LabelMedia::Unset,
         kDefaultGapMm},
        {"words and numbers past every language are no setting",
         {{"Darkness", "dark"}, {"Speed", "100"}, {"Media", "foil"}, {"Gap", "-2"}},
         {},
         {},
         LabelMedia::Unset,
         kDefaultGapMm},
        {"a speed of 0 is none: speeds start at 1",
         {{"Speed", "0"}},
         {},
         {},
         LabelMedia::Unset,
         kDefaultGapMm},
        {"black marks of 5 mm", {{"Media", "mark"}, {"Gap", "5"}}, {}, {}, LabelMedia::Mark, 5},
    };
    for (const auto& c : cases) {
        settings.clear();
        for (const auto& [key, value] : c.stored)
            settings.setValue(QStringLiteral("Printer/") + key, value);
        settings.sync();
        const LanguageOptions loaded = loadPrinterSettings().language;
        EXPECT_EQ(loaded.darkness, c.darkness) << c.why;
        EXPECT_EQ(loaded.speed, c.speed) << c.why;
        EXPECT_EQ(loaded.media, c.media) << c.why;
        EXPECT_EQ(loaded.gapMm, c.gapMm) << c.why;
    }
}

TEST_F(PrinterSettingsTest, ASettingLeftToThePrinterAgainDoesNotComeBack) {
    PrinterSettings printer;
    printer.language.darkness = 8;
    printer.language.speed = 4;
    savePrinterSettings(printer);
    printer.language.darkness.reset();
    printer.language.speed.reset();
    savePrinterSettings(printer);
    settings.sync();
    EXPECT_FALSE(settings.contains("Printer/Darkness"));
    EXPECT_FALSE(settings.contains("Printer/Speed"));
    EXPECT_TRUE(loadPrinterSettings() == printer);
}

} // namespace
} // namespace quillset
