#include "app/CommandLine.h"

#include "base/Text.h"

CommandLineRequest ParseCommandLine(std::u16string_view arguments) {
    CommandLineRequest request;
    request.arguments = std::u16string(base::Trim(arguments));
    std::u16string_view text = request.arguments;
    size_t blank = text.find(u' ');
    if (blank == std::u16string_view::npos) {
        request.firstWord = std::u16string(text);
    } else {
        request.firstWord = std::u16string(text.substr(0, blank));
        request.rest = std::u16string(base::Trim(text.substr(blank + 1)));
    }
    request.setProfile = base::EqualsAsciiNoCase(request.firstWord, u"-setProfile");
    // The switch may come anywhere and in either case. Only the arguments are searched, not the
    // program's own path (an install folder named "My-Computer" must not close the running copy),
    // and never inside a profile name handed over with -setProfile ("Home-Cafe").
    std::u16string_view searched = request.setProfile ? std::u16string_view(request.firstWord) : text;
    request.close = base::AsciiUpper(searched).find(u"-C") != std::u16string::npos;
    return request;
}

std::u16string ArgumentsOf(std::u16string_view fullCommandLine) {
    std::u16string_view text = base::TrimLeft(fullCommandLine);
    size_t end = 0;
    if (!text.empty() && text[0] == u'"') {
        size_t close = text.find(u'"', 1);
        end = close == std::u16string_view::npos ? text.size() : close + 1;
    } else {
        end = 0;
        while (end < text.size() && text[end] != u' ' && text[end] != u'\t') {
            ++end;
        }
    }
    return std::u16string(base::TrimLeft(text.substr(end)));
}
