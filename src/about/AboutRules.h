// What the About page shows, as pure functions of the values it reads: the regional domain's text, the
// dates, the addresses, and the update check's schedule.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace about {

// Days between two automatic update checks.
constexpr int kUpdateIntervalDays = 30;
constexpr int64_t kSecondsPerDay = 86400;

// A text of the language file with the English text shown when the file lacks it.
struct LangKey {
    std::u16string_view key;
    std::u16string_view defaultText;
};

// The text of a "CountryDomain" number; an unlisted number shows Europa.
LangKey DomainText(int countryDomain);

// Languages the page offers, in the order of their language index: all 24, so that the five languages
// after Romanian, which have language files and help like the others, can be chosen too.
constexpr int kOfferedLanguageCount = 24;
// The entry at a position of the language list (0 .. kOfferedLanguageCount - 1).
LangKey LanguageEntry(int position);

// "Jan" .. "Dec"; empty outside 1..12.
std::u16string_view MonthAbbreviation(int month);
// "Mar. 5, 2009"; empty when the month is not 1..12 (a date the adapter or the file system garbled is
// left out rather than shown with a wrong month).
std::u16string DateText(int year, int month, int day);

// The address as the page shows it: "0.0.0.0" for a link-local address (169.254.x.y), which the
// system gives itself when no server answered.
std::u16string AddressText(const uint8_t address[4]);

// "AutoUpdate" of a fresh installation: off in regional domain 4, on elsewhere.
std::u16string_view InitialAutoUpdate(int countryDomain);

// A stored time ("AutoUpdateTime"): leading blanks, optional sign, decimal digits; anything else ends
// the number and no digits give 0. Read as 64 bits, so that times after 2038 keep their value.
int64_t ParseSeconds(std::u16string_view text);

// Days until the next automatic check: the interval less the whole days since the last one. Not
// clamped: a check that is overdue gives a negative number.
int DaysLeft(int64_t now, int64_t lastCheck);

} // namespace about
