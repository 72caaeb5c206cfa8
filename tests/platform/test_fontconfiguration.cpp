// The desktop's font configuration as the game loads it: every face and rendering rule
// fontconfig itself would give.

#include <cstdlib>
#include <string>

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "platform/fontconfiguration.h"

using namespace quorvel;

namespace {

// What a configuration makes of a font asked for by name: the face with everything it
// is drawn with (file, hinting, antialiasing, sub-pixel order, ...), as text.
std::string match(FcConfig* config, const char* name) {
    FcPattern* asked = FcNameParse(reinterpret_cast<const FcChar8*>(name));
    FcConfigSubstitute(config, asked, FcMatchPattern);
    FcDefaultSubstitute(asked);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, asked, &result);
    FcPatternDestroy(asked);
    if (!found) return "no match";
    FcChar8* text = FcNameUnparse(found);
    FcPatternDestroy(found);
    std::string words = text ? reinterpret_cast<const char*>(text) : "";
    std::free(text);
    return words;
}

} // namespace

TEST(FontConfiguration, GivesEveryFaceAndRuleFontconfigItselfGives) {
    FcConfig* own = FcInitLoadConfigAndFonts(); // fontconfig's own loading, samples and all
    ASSERT_NE(own, nullptr);
    ASSERT_TRUE(loadFontConfiguration());
    FcConfig* game = FcConfigReference(nullptr);
    ASSERT_NE(game, own);
    for (const char* name : {"Liberation Sans:bold:pixelsize=11", "Liberation Serif:bold:italic",
                             "sans-serif", "serif", "monospace", "Arial", "Times New Roman",
                             "Sans Serif:pixelsize=12", "DejaVu Sans", "no such family"})
        EXPECT_EQ(match(game, name), match(own, name)) << name;
    FcConfigDestroy(game);
    FcConfigDestroy(own);
}

TEST(FontConfiguration, AConfigurationThatCannotBeLoadedIsLeftToFontconfig) {
    FcConfig* before = FcConfigReference(nullptr);
    ::setenv("FONTCONFIG_FILE", "/nonexistent/fonts.conf", 1);
    EXPECT_FALSE(loadFontConfiguration());
    ::unsetenv("FONTCONFIG_FILE");
    FcConfig* after = FcConfigReference(nullptr);
    EXPECT_EQ(after, before);
    FcConfigDestroy(after);
    FcConfigDestroy(before);
}
