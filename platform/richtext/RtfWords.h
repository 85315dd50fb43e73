#pragma once
// The control words the RTF reader knows by name: the groups whose content is never text of the
// log, the underline styles and the words that stand for one character.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace richtext::rtfwords {

// Word lists are sorted, for a binary search without allocating.
template <std::size_t N> bool Contains(const std::string_view (&sorted)[N], std::string_view word) {
    return std::binary_search(sorted, sorted + N, word);
}

template <std::size_t N> constexpr bool IsSorted(const std::string_view (&words)[N]) {
    for (std::size_t i = 1; i < N; ++i) {
        if (!(words[i - 1] < words[i]))
            return false;
    }
    return true;
}

// Groups whose content is never text of the log.
inline constexpr std::string_view kSkippedDestinations[] = {"aftnsep",
                                                            "aftnsepc",
                                                            "annotation",
                                                            "atnauthor",
                                                            "atnid",
                                                            "author",
                                                            "bkmkend",
                                                            "bkmkstart",
                                                            "blipuid",
                                                            "category",
                                                            "colorschememapping",
                                                            "colortbl",
                                                            "comment",
                                                            "company",
                                                            "datastore",
                                                            "doccomm",
                                                            "docvar",
                                                            "filetbl",
                                                            "fldinst",
                                                            "fonttbl",
                                                            "footer",
                                                            "footerf",
                                                            "footerl",
                                                            "footerr",
                                                            "footnote",
                                                            "ftnsep",
                                                            "ftnsepc",
                                                            "generator",
                                                            "header",
                                                            "headerf",
                                                            "headerl",
                                                            "headerr",
                                                            "hlinkbase",
                                                            "info",
                                                            "keywords",
                                                            "latentstyles",
                                                            "listoverridetable",
                                                            "listtable",
                                                            "manager",
                                                            "mmathPr",
                                                            "nonshppict",
                                                            "objdata",
                                                            "object",
                                                            "operator",
                                                            "pgdsctbl",
                                                            "picprop",
                                                            "pntext",
                                                            "pntxta",
                                                            "pntxtb",
                                                            "revtbl",
                                                            "rsidtbl",
                                                            "shpinst",
                                                            "stylesheet",
                                                            "subject",
                                                            "tc",
                                                            "template",
                                                            "themedata",
                                                            "title",
                                                            "txe",
                                                            "userprops",
                                                            "wgrffmtfilter",
                                                            "xe",
                                                            "xmlnstbl"};

inline constexpr std::string_view kUnderlineWords[] = {
    "ul",    "uld",      "uldash",    "uldashd",    "uldashdd",  "uldb",       "ulhwave", "ulldash", "ulth",
    "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};

static_assert(IsSorted(kSkippedDestinations) && IsSorted(kUnderlineWords));

struct SymbolWord {
    std::string_view word;
    char16_t ch;
};
inline constexpr SymbolWord kSymbolWords[] = {
    {"tab", u'\t'},        {"cell", u'\t'},    {"emdash", 0x2014}, {"endash", 0x2013},
    {"bullet", 0x2022},    {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
    {"rdblquote", 0x201D}, {"emspace", u' '},  {"enspace", u' '},  {"qmspace", u' '}};

} // namespace richtext::rtfwords
