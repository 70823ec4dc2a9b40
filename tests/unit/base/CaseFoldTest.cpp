#include <gtest/gtest.h>

#include "base/CaseFold.h"

namespace base {
namespace {

TEST(CaseFold, CapitalAndSmallOfEachScriptAreOneName) {
    const std::pair<std::u16string_view, std::u16string_view> kSame[] = {
        {u"Default", u"dEFAULT"},
        {u"Äpfel", u"äpfel"},                       // Latin-1
        {u"ØRESUND ÉTÉ ÞING", u"øresund été þing"}, // Latin-1, both ends of the block
        {u"ŁÓDŹ ŸVES", u"łódź ÿves"},               // Latin Extended-A, Ÿ folds back into Latin-1
        {u"ǄEMAL ǅ Ș", u"ǆemal ǆ ș"},               // Latin Extended-B digraphs and pairs
        {u"ΣΟΦΊΑ", u"σοφία"},                       // Greek
        {u"ΟΔΟΣ", u"οδος"},                         // final sigma is the same letter
        {u"ЖЁЛТЫЙ ЇЖАК", u"жёлтый їжак"},           // Cyrillic, with the extension letters
        {u"ҐӘӨ", u"ґәө"},                           // Cyrillic supplement letters
        {u"ԱՐԵՎ", u"արեվ"},                         // Armenian
        {u"\u212A\u2126", u"k\u03C9"},              // Kelvin and Ohm signs
        {u"\uFF21\uFF3A", u"\uFF41\uFF5A"},         // full-width A and Z
    };
    for (const auto& [a, b] : kSame) {
        EXPECT_TRUE(EqualsNoCase(a, b)) << "\"" << std::string(a.begin(), a.end()) << "\"";
        EXPECT_EQ(FoldCase(a), FoldCase(b));
    }
}

TEST(CaseFold, LettersWithoutAPartnerAndOtherUnitsStay) {
    const std::pair<std::u16string_view, std::u16string_view> kDifferent[] = {
        {u"a", u"b"},
        {u"\u00D7", u"\u00F7"}, // multiplication and division signs sit among the letters
        {u"\u00DF", u"ss"},     // sharp s is one unit; folding it to two is not simple folding
        {u"\u0130", u"i"},      // dotted capital I has no simple partner
        {u"Äpfel", u"Apfel"},
        {u"Default", u"Default "},
        {u"\u0416", u"\u0417"}, // neighbouring Cyrillic capitals are not one letter
    };
    for (const auto& [a, b] : kDifferent) {
        EXPECT_FALSE(EqualsNoCase(a, b)) << "\"" << std::string(a.begin(), a.end()) << "\"";
    }
    // Surrogates pass unchanged, so a pair is never split into two foreign units.
    EXPECT_EQ(FoldCase(u"\xD801\xDC00"), u"\xD801\xDC00");
    EXPECT_EQ(FoldCase(u"123 _-\\"), u"123 _-\\");
}

TEST(CaseFold, FoldingIsStableAndNeverLeavesTheBmpUnits) {
    // A folded unit folds to itself: the fold of a name is one canonical spelling, so two names either
    // compare equal in every order of comparison or in none.
    for (uint32_t c = 0; c <= 0xFFFF; ++c) {
        char16_t folded = FoldCase(static_cast<char16_t>(c));
        ASSERT_EQ(FoldCase(folded), folded) << "unit " << std::hex << c;
        if (c >= 0xD800 && c <= 0xDFFF) {
            ASSERT_EQ(folded, c) << "surrogate " << std::hex << c;
        }
    }
}

} // namespace
} // namespace base
