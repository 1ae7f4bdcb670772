#include "fileindex/file_index_output.h"

#include <functional>

#include <unicode/uchar.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/html_cleaning.h"
#include "engine/ordered_parallel.h"
#include "engine/web_addresses.h"

namespace lexorim {

namespace {

struct Reference {
    TextView name;
    TextView link;
};

// A reference is the document's name, ">" and its link; further pieces are ignored and a
// reference without ">" has an empty link.
Reference ParseReference(TextView reference) {
    const size_t gt = reference.find(u'>');
    if (gt == TextView::npos)
        return {reference, {}};
    const TextView rest = reference.substr(gt + 1);
    return {reference.substr(0, gt), rest.substr(0, rest.find(u'>'))};
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// `page` as EncodeHtmlPage gives it, appended to `out`; runs of ASCII are copied at once.
void AppendEncoded(Text& out, TextView page) {
    size_t plainStart = 0;
    for (size_t i = 0; i < page.size(); ++i) {
        const char16_t c = page[i];
        if (c < 0x80)
            continue;
        out.append(page.substr(plainStart, i - plainStart));
        if (const TextView name = HtmlEntityName(c); !name.empty()) {
            out.append(u"&").append(name).append(u";");
        } else {
            uint32_t codePoint = c;
            if (IsHighSurrogate(c) && i + 1 < page.size() && IsLowSurrogate(page[i + 1])) {
                codePoint = U16_GET_SUPPLEMENTARY(c, page[i + 1]);
                ++i;
            } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
                codePoint = 0xFFFD;  // half a pair stands for no character
            }
            out.append(u"&#").append(DecimalText(codePoint)).append(u";");
        }
        plainStart = i + 1;
    }
    out.append(page.substr(plainStart));
}

// The upper-cased first character of a word; a surrogate pair counts as one character, so a
// heading never holds half of one.
Text FirstCharacterUpper(TextView word) {
    if (word.size() >= 2 && IsHighSurrogate(word[0]) && IsLowSurrogate(word[1])) {
        const UChar32 upper = u_toupper(U16_GET_SUPPLEMENTARY(word[0], word[1]));
        return Text{U16_LEAD(upper), U16_TRAIL(upper)};
    }
    return Text(1, static_cast<char16_t>(u_toupper(word[0])));
}

// Headings of the bucket of other characters: one whenever the first character changes.
class OtherBucketHeadings {
  public:
    // The heading this word starts, if any.
    std::optional<Text> Next(TextView word) {
        if (word.empty())
            return std::nullopt;
        Text first = FirstCharacterUpper(word);
        if (last_ && *last_ == first)
            return std::nullopt;
        last_ = first;
        return first;
    }

  private:
    std::optional<Text> last_;
};

TextView LetterOf(int bucket, char16_t& storage) {
    storage = static_cast<char16_t>(u'A' + bucket);
    return TextView(&storage, 1);
}

void AppendTextEntry(Text& out, const IndexEntry& entry, const FileTextDesign& design) {
    out += entry.word;
    out += design.afterWord;
    bool first = true;
    for (const TextView reference : SplitViewsAt(entry.references, u"|")) {
        if (!first)
            out += design.betweenReferences;
        first = false;
        const Reference parsed = ParseReference(reference);
        if (design.names)
            out.append(design.beforeName).append(parsed.name);
        if (design.links)
            out.append(design.beforeLink).append(parsed.link).append(design.afterLink);
    }
    out += kCrLf;
}

void AppendLine(Text& out, TextView line) {
    out.append(line).append(kCrLf);
}

void AppendHead(Text& page, const HtmlDesign& d) {
    const Text headingSize = AddPxUnit(d.headingSize);
    const Text sectionSize = AddPxUnit(d.sectionSize);
    const Text textSize = AddPxUnit(d.textSize);
    const Text boxWidth = AddPxUnit(d.boxWidth);
    const Text leftWidth = AddPxUnit(d.leftWidth);
    const Text rightWidth = AddPxUnit(d.rightWidth);
    const Text topWidth = AddPxUnit(d.topWidth);
    const Text sideSpace = AddPxUnit(d.sideSpace);
    const Text sectionSpace = AddPxUnit(d.sectionSpace);
    const Text edgeSpace = AddPxUnit(d.edgeSpace);
    const Text textSpace = AddPxUnit(d.textSpace);
    auto line = [&page](std::initializer_list<TextView> pieces) {
        for (const TextView piece : pieces)
            page += piece;
        page += kCrLf;
    };
    line(
        {u"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
         u"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">"});
    line({u"<html xmlns=\"http://www.w3.org/1999/xhtml\">"});
    line({u"<head>"});
    line({u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" />"});
    line({u"<title>", d.title, u"</title>"});
    line({u"<style type=\"text/css\">"});
    line({u"<!--"});
    line({u"body,td,th { font-family: ", d.font, u"; color: ", d.textColour, u"; }"});
    line({u"body { background-color: ", d.background,
          u"; margin-left: 0px; margin-top: 0px; margin-right: 0px; margin-bottom: 0px; }"});
    line({u"a:link { color: ", d.linkColour, u"; text-decoration: none; }"});
    line({u"a:visited { text-decoration: none; color: ", d.linkColour, u"; }"});
    line({u"a:hover { text-decoration: underline; color: ", d.textColour, u"; }"});
    line({u"a:active { text-decoration: none; color: ", d.linkColour, u"; }"});
    line({u"#top { width: ", topWidth, u"; float: left; font-size: ", headingSize,
          u"; padding-top: ", edgeSpace, u"; padding-left: ", sideSpace, u"; padding-right: ",
          sideSpace, u"; }"});
    line({u"#links { width: ", topWidth, u"; float: left; font-size: ", textSize,
          u"; padding-top: ", textSpace, u"; padding-left: ", sideSpace, u";\tpadding-right: ",
          sideSpace, u"; }"});
    line({u"#abc-box { width: ", topWidth, u"; float: left; font-size: ", sectionSize,
          u"; font-weight: bold; padding-top: ", sectionSpace, u"; padding-left: ", sideSpace,
          u"; padding-right: ", sideSpace, u"; }"});
    line({u"#abc-box a { color: ", d.textColour, u"; text-decoration: none; }"});
    line({u"#box { width: ", boxWidth, u"; float: left; font-size: ", textSize, u"; padding-top: ",
          textSpace, u"; padding-left: ", sideSpace, u"; padding-right: ", sideSpace,
          u"; clear: both; }"});
    line({u"#l { width: ", leftWidth, u"; float: left; }"});
    line({u"#r { width: ", rightWidth, u"; float: right; }"});
    line({u"#footer { width: ", topWidth, u";  float: left; font-size: ", textSize,
          u"; padding-top: ", sectionSpace, u"; padding-left: ", sideSpace, u"; padding-right: ",
          sideSpace, u"; padding-bottom: ", edgeSpace, u"; }"});
    line({u"-->"});
    line({u"</style>"});
    line({u"</head>"});
    line({u""});
    line({u"<body>"});
    line({u"<div id=\"top\">", d.heading, u"</div>"});
}

// Names and links are plain text in the store; in the page "&" and "<" (and in the link
// attribute the double quote) are written as references. Characters beyond ASCII are left to
// EncodeHtmlPage, so nothing is encoded twice.
void AppendEscaped(Text& out, TextView text, bool attribute) {
    size_t plainStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        TextView replacement;
        switch (text[i]) {
            case u'&':
                replacement = u"&amp;";
                break;
            case u'<':
                replacement = u"&lt;";
                break;
            case u'>':
                replacement = u"&gt;";
                break;
            case u'"':
                if (attribute)
                    replacement = u"&quot;";
                break;
            default:
                break;
        }
        if (replacement.empty())
            continue;
        out.append(text.substr(plainStart, i - plainStart)).append(replacement);
        plainStart = i + 1;
    }
    out.append(text.substr(plainStart));
}

void AppendHtmlEntry(Text& body, const IndexEntry& entry, TextView separator) {
    body += u"<div id=\"box\"><div id=\"l\">";
    body += entry.word;
    body += u"</div><div id=\"r\">";
    bool first = true;
    for (const TextView reference : SplitViewsAt(entry.references, u"|")) {
        if (!first)
            body += separator;
        first = false;
        const Reference parsed = ParseReference(reference);
        body += u"<a href=\"";
        AppendEscaped(body, parsed.link, true);
        body += u"\">";
        AppendEscaped(body, parsed.name, false);
        body += u"</a>";
    }
    body += u"</div></div>";
    body += kCrLf;
}

void AppendNavigationLink(std::vector<Text>& links, TextView anchor, TextView caption) {
    Text link = u"<a href=\"#";
    link.append(anchor).append(u"\">").append(caption).append(u"</a>");
    links.push_back(std::move(link));
}

void AppendFooter(Text& page, Language language) {
    page += kCrLf;
    page += Choose(language, u"<div id=\"footer\">Erstellt mit dem <a href=\"",
                   u"<div id=\"footer\">Created by <a href=\"");
    page += ProgramPageAddress(language);
    page += Choose(language, u"\">Lexorim</a> von <a href=\"", u"\">Lexorim</a> from <a href=\"");
    page += AuthorPageAddress(language);
    page += u"\">Jonas Weller</a> (<a href=\"";
    page += MakerHomeAddress(language);
    page += u"\">Orvell</a>).</div>";
    page += kCrLf;
}

// A heading of the layout: a letter (anchored by itself) or a first character of the bucket of
// other characters (anchored "szN" by its entry's position N).
struct Heading {
    TextView caption;
    std::optional<size_t> otherPosition;

    Text Anchor() const {
        return otherPosition ? u"sz" + DecimalText(static_cast<int64_t>(*otherPosition))
                             : Text(caption);
    }
};

// Walks the store in the layout both outputs share: each letter that has entries under its
// heading, then the entries of the other characters with a heading wherever the upper-cased first
// character changes. Without headings only the entries are visited.
template <typename OnHeading, typename OnEntry>
void WalkSections(const IndexStore& store, bool headings, OnHeading onHeading, OnEntry onEntry) {
    char16_t letter = 0;
    for (int bucket = 0; bucket < IndexStore::kOtherBucket; ++bucket) {
        const auto& entries = store.Bucket(bucket);
        if (entries.empty())
            continue;
        if (headings)
            onHeading(Heading{LetterOf(bucket, letter), std::nullopt});
        for (const IndexEntry& entry : entries)
            onEntry(entry);
    }
    OtherBucketHeadings changes;
    const auto& others = store.Bucket(IndexStore::kOtherBucket);
    for (size_t n = 0; n < others.size(); ++n) {
        if (headings) {
            if (const std::optional<Text> heading = changes.Next(others[n].word))
                onHeading(Heading{*heading, n});
        }
        onEntry(others[n]);
    }
}

}  // namespace

Text WriteFileTextIndex(const IndexStore& store, const FileTextDesign& design) {
    Text out;
    AppendLine(out, design.title);
    WalkSections(
        store, design.headings,
        [&out](const Heading& heading) {
            out += kCrLf;
            AppendLine(out, heading.caption);
        },
        [&out, &design](const IndexEntry& entry) { AppendTextEntry(out, entry, design); });
    return out;
}

namespace {

// The navigation links: the letters that have entries, then the headings of the bucket of other
// characters with their numbered anchors.
std::vector<Text> NavigationLinks(const IndexStore& store, bool headings) {
    std::vector<Text> navigation;
    // The letters are linked whether or not their anchors are written.
    WalkSections(
        store, true,
        [&](const Heading& heading) {
            if (headings || !heading.otherPosition)
                AppendNavigationLink(navigation, heading.Anchor(), heading.caption);
        },
        [](const IndexEntry&) {});
    return navigation;
}

// The body in page order: every entry, and each heading with the position of the entry it comes
// before.
struct BodyLayout {
    struct PlacedHeading {
        size_t before = 0;
        Text anchor;
        Text caption;
    };
    std::vector<const IndexEntry*> entries;
    std::vector<PlacedHeading> headings;
};

BodyLayout LayOutBody(const IndexStore& store, bool headings) {
    BodyLayout layout;
    layout.entries.reserve(store.EntryCount());
    WalkSections(
        store, headings,
        [&layout](const Heading& heading) {
            layout.headings.push_back(
                {layout.entries.size(), heading.Anchor(), Text(heading.caption)});
        },
        [&layout](const IndexEntry& entry) { layout.entries.push_back(&entry); });
    return layout;
}

void AppendHeading(Text& page, TextView anchor, TextView caption) {
    page += kCrLf;
    page.append(u"<div id=\"abc-box\"><a name=\"").append(anchor).append(u"\">");
    page.append(caption).append(u"</a></div>").append(kCrLf);
}

// The encoded rows of the entries [begin, end) with the headings among them. Each row is encoded
// while it is still in the cache; rows and headings begin and end with ASCII markup, so encoding
// them one by one gives what encoding the whole page at once would.
Text EncodedBodyPart(const BodyLayout& layout, size_t begin, size_t end, TextView separator) {
    Text part;
    Text row;
    auto heading = std::lower_bound(
        layout.headings.begin(), layout.headings.end(), begin,
        [](const BodyLayout::PlacedHeading& placed, size_t i) { return placed.before < i; });
    for (size_t i = begin; i < end; ++i) {
        row.clear();
        for (; heading != layout.headings.end() && heading->before == i; ++heading)
            AppendHeading(row, heading->anchor, heading->caption);
        AppendHtmlEntry(row, *layout.entries[i], separator);
        AppendEncoded(part, row);
    }
    return part;
}

// Entries per part of the body that one thread writes: large enough that handing parts over
// costs nothing, small enough that the parts spread evenly over the cores.
constexpr size_t kEntriesPerPart = 2048;

Text Joined(std::vector<Text>& pieces) {
    size_t size = 0;
    for (const Text& piece : pieces)
        size += piece.size();
    Text joined;
    joined.reserve(size);
    for (Text& piece : pieces) {
        joined += piece;
        Text().swap(piece);
    }
    return joined;
}

}  // namespace

namespace {

// Hands the page's pieces to `take` in order: the head, the parts of the body as they are
// written on up to `threads` threads, the footer.
void ProduceHtmlPieces(const IndexStore& store, const HtmlDesign& design, Language language,
                       unsigned threads, const std::function<void(Text&&)>& take) {
    Text head;
    AppendHead(head, design);
    if (design.navigationBar) {
        const std::vector<Text> navigation = NavigationLinks(store, design.headings);
        head += u"<div id=\"links\">";
        for (size_t i = 0; i < navigation.size(); ++i) {
            if (i > 0)
                head += design.separator;
            head += navigation[i];
        }
        head += u"</div>";
        head += kCrLf;
    }
    take(EncodeHtmlPage(head));

    const BodyLayout layout = LayOutBody(store, design.headings);
    const size_t entryCount = layout.entries.size();
    const size_t partCount = (entryCount + kEntriesPerPart - 1) / kEntriesPerPart;
    ForEachInOrder<Text>(
        partCount, threads == 0 ? AllCores() : threads,
        [&](size_t part) {
            const size_t begin = part * kEntriesPerPart;
            return EncodedBodyPart(layout, begin, std::min(begin + kEntriesPerPart, entryCount),
                                   design.separator);
        },
        [&take](size_t, Text&& encoded) { take(std::move(encoded)); });

    Text footer;
    AppendFooter(footer, language);
    footer += u"</body></html>";
    take(EncodeHtmlPage(footer));
}

}  // namespace

Text WriteHtmlIndex(const IndexStore& store, const HtmlDesign& design, Language language,
                    unsigned threads) {
    std::vector<Text> pieces;
    ProduceHtmlPieces(store, design, language, threads,
                      [&pieces](Text&& piece) { pieces.push_back(std::move(piece)); });
    return Joined(pieces);
}

void WriteHtmlIndexInPieces(const IndexStore& store, const HtmlDesign& design, Language language,
                            unsigned threads, const std::function<void(TextView)>& write) {
    ProduceHtmlPieces(store, design, language, threads, [&write](Text&& piece) { write(piece); });
}

Text EncodeHtmlPage(TextView page) {
    Text result;
    result.reserve(page.size() + page.size() / 8);
    AppendEncoded(result, page);
    return result;
}

}  // namespace lexorim
