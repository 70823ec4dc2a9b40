#include "about/AboutRules.h"

#include <array>

#include "base/Format.h"

namespace about {

namespace {

constexpr std::array<LangKey, 13> kDomains = {{
    {u"DomainAfrica", u"Africa"},
    {u"DomainAsia", u"Asia"},
    {u"DomainAustralia", u"Australia"},
    {u"DomainCanada", u"Canada"},
    {u"DomainEuropa", u"Europa"},
    {u"DomainIsrael", u"Israel"},
    {u"DomainJapan", u"Japan"},
    {u"DomainMexico", u"Mexico"},
    {u"DomainSouthAmerica", u"South America"},
    {u"DomainUnitedStates", u"United States"},
    {u"DomainMiddleEast", u"Middle East"},
    {u"DomainCentralAmerica", u"Central America"},
    {u"DomainNorthAmerica", u"North America"},
}};
constexpr int kEuropa = 4;

constexpr std::array<LangKey, kOfferedLanguageCount> kLanguages = {{
    {u"languageEN", u"English"},   {u"languageGE", u"Germany"},
    {u"languageSE", u"Sweden"},    {u"languageFR", u"French"},
    {u"languageNL", u"Dutch"},     {u"languageIT", u"Italian"},
    {u"languageES", u"Spanish"},   {u"languageDK", u"Danish"},
    {u"languageFI", u"Finnish"},   {u"languageNO", u"Norwegian"},
    {u"languageGR", u"Greek"},     {u"languagePT", u"Portuguese"},
    {u"languageRU", u"Russian"},   {u"languagePL", u"Polish"},
    {u"languageHU", u"Hungarian"}, {u"languageCZ", u"Czech"},
    {u"languageSI", u"Slovenian"}, {u"languageSK", u"Slovak"},
    {u"languageRO", u"Romanian"},  {u"languageBG", u"Bulgarian"},
    {u"languageHR", u"Croatian"},  {u"languageCN", u"Simplified Chinese"},
    {u"languageKR", u"Korean"},    {u"languageJP", u"Japanese"},
}};

constexpr std::array<std::u16string_view, 12> kMonths = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                         u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

} // namespace

LangKey DomainText(int countryDomain) {
    if (countryDomain < 0 || countryDomain >= static_cast<int>(kDomains.size())) {
        return kDomains[kEuropa];
    }
    return kDomains[static_cast<size_t>(countryDomain)];
}

LangKey LanguageEntry(int position) {
    return kLanguages.at(static_cast<size_t>(position));
}

std::u16string_view MonthAbbreviation(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return kMonths[static_cast<size_t>(month - 1)];
}

std::u16string DateText(int year, int month, int day) {
    std::u16string_view name = MonthAbbreviation(month);
    if (name.empty()) {
        return {};
    }
    return base::Format(u"%s. %d, %d", {name, day, year});
}

std::u16string AddressText(const uint8_t address[4]) {
    if (address[0] == 169 && address[1] == 254) {
        return u"0.0.0.0";
    }
    return base::FormatIpv4(address);
}

std::u16string_view InitialAutoUpdate(int countryDomain) {
    return countryDomain == kEuropa ? u"0" : u"1";
}

int64_t ParseSeconds(std::u16string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        negative = text[at] == u'-';
        ++at;
    }
    int64_t value = 0;
    // 18 digits cannot overflow; more are no time this program wrote.
    for (int digits = 0; at < text.size() && text[at] >= u'0' && text[at] <= u'9' && digits < 18;
         ++at, ++digits) {
        value = value * 10 + (text[at] - u'0');
    }
    return negative ? -value : value;
}

int DaysLeft(int64_t now, int64_t lastCheck) {
    return static_cast<int>(kUpdateIntervalDays - (now - lastCheck) / kSecondsPerDay);
}

} // namespace about
