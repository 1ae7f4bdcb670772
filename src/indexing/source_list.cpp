#include "indexing/source_list.h"

#include <unicode/locid.h>
#include <unicode/numberformatter.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <unordered_set>
#include <utility>

#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/html_cleaning.h"
#include "engine/ordered_parallel.h"
#include "textfiles/text_reader.h"

namespace lexorim {

namespace {

std::string PathOf(TextView path) {
    return ToUtf8(path);
}

bool IsExistingFile(TextView path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(PathOf(path), error);
}

uint64_t FileSizeOf(TextView path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(PathOf(path), error);
    return error ? 0 : static_cast<uint64_t>(size);
}

// The file name part of a path: after its last "/".
TextView FileNameOf(TextView path) {
    const size_t slash = path.find_last_of(u'/');
    return slash == TextView::npos ? path : path.substr(slash + 1);
}

// The folder of a path, up to and including its last "/".
TextView FolderOf(TextView path) {
    const size_t slash = path.find_last_of(u'/');
    return slash == TextView::npos ? TextView{} : path.substr(0, slash + 1);
}

// Removes every occurrence of `pattern`, compared without regard to case.
Text RemoveIgnoringCase(TextView text, TextView pattern) {
    if (pattern.empty())
        return Text(text);
    const Text upperText = ToUpper(text);
    const Text upperPattern = ToUpper(pattern);
    Text result;
    size_t from = 0;
    for (size_t at = upperText.find(upperPattern); at != Text::npos;
         at = upperText.find(upperPattern, from)) {
        result.append(text.substr(from, at - from));
        from = at + pattern.size();
    }
    result.append(text.substr(from));
    return result;
}

Text EncodingColumnFor(TextView format, TextView path) {
    if (format == u"DOC" || format == u"DOCX" || format == u"ODT")
        return Text(format);
    return EncodingName(DetectEncoding(PathOf(path)));
}

// Format, encoding and size of the file that a row reads.
void DescribeFile(SourceRow& row, TextView path, const std::string& localeName) {
    Text extension = FileExtensionOf(path);
    if (!extension.empty())
        extension.erase(0, 1);
    row.format = ToUpper(extension);
    row.encoding = EncodingColumnFor(row.format, path);
    row.sizeBytes = FileSizeOf(path);
    row.sizeText = FileSizeText(row.sizeBytes, localeName);
    row.source = Text(path);
}

// Is `part` a non-empty piece of `whole`?
bool IsPartOf(TextView part, TextView whole) {
    return !part.empty() && whole.find(part) != TextView::npos;
}

bool IsHtmlSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool EqualsIgnoringAsciiCase(TextView text, TextView lowerCase) {
    return text.size() == lowerCase.size() &&
           std::equal(text.begin(), text.end(), lowerCase.begin(),
                      [](char16_t a, char16_t b) { return AsciiLower(a) == b; });
}

// An anchor begins with "<a" followed by white space, so "<abbr>" and "<area>" are none.
bool IsAnchorStart(TextView text, size_t lt) {
    return lt + 2 < text.size() && AsciiLower(text[lt + 1]) == u'a' && IsHtmlSpace(text[lt + 2]);
}

bool IsAnchorEnd(TextView text, size_t lt) {
    if (lt + 2 >= text.size() || text[lt + 1] != u'/' || AsciiLower(text[lt + 2]) != u'a')
        return false;
    return lt + 3 == text.size() || text[lt + 3] == u'>' || IsHtmlSpace(text[lt + 3]);
}

// A "<" starts a tag only before a letter, "/", "!" or "?"; otherwise it is text ("a < b").
bool StartsTag(TextView text, size_t lt) {
    if (lt + 1 >= text.size())
        return false;
    const char16_t c = text[lt + 1];
    return IsAsciiLetter(c) || c == u'/' || c == u'!' || c == u'?';
}

bool IsLineBreakTag(TextView tag) {
    return tag.size() >= 3 && AsciiLower(tag[1]) == u'b' && AsciiLower(tag[2]) == u'r' &&
           (tag.size() == 3 || !IsAsciiLetter(tag[3]));
}

size_t NextAnchorStart(TextView text, size_t from) {
    for (size_t lt = text.find(u'<', from); lt != TextView::npos; lt = text.find(u'<', lt + 1)) {
        if (IsAnchorStart(text, lt))
            return lt;
    }
    return TextView::npos;
}

// The attributes of an anchor's start tag. Every step moves forward, and an unclosed quote ends
// the tag at the end of the text, so hostile text is read in one pass.
struct StartTag {
    std::optional<TextView> href;  // the first "href" in any case, its value unquoted
    size_t end = 0;                // just after the tag's ">", or the end of the text
    bool complete = false;         // a ">" ended the tag
};

StartTag ReadStartTag(TextView text, size_t pos) {
    const size_t n = text.size();
    StartTag tag;
    for (;;) {
        while (pos < n && (IsHtmlSpace(text[pos]) || text[pos] == u'/'))
            ++pos;
        if (pos >= n || text[pos] == u'>') {
            tag.complete = pos < n;
            tag.end = tag.complete ? pos + 1 : n;
            return tag;
        }
        const size_t nameStart = pos++;  // the first character always belongs to the name
        while (pos < n && !IsHtmlSpace(text[pos]) && text[pos] != u'/' && text[pos] != u'>' &&
               text[pos] != u'=')
            ++pos;
        const TextView name = text.substr(nameStart, pos - nameStart);
        size_t equals = pos;
        while (equals < n && IsHtmlSpace(text[equals]))
            ++equals;
        if (equals >= n || text[equals] != u'=')
            continue;  // an attribute without a value
        pos = equals + 1;
        while (pos < n && IsHtmlSpace(text[pos]))
            ++pos;
        TextView value;
        if (pos < n && (text[pos] == u'"' || text[pos] == u'\'')) {
            const size_t close = text.find(text[pos], pos + 1);
            const size_t valueEnd = close == TextView::npos ? n : close;
            value = text.substr(pos + 1, valueEnd - pos - 1);
            pos = close == TextView::npos ? n : close + 1;
        } else {
            const size_t valueStart = pos;
            while (pos < n && !IsHtmlSpace(text[pos]) && text[pos] != u'>')
                ++pos;
            value = text.substr(valueStart, pos - valueStart);
        }
        if (!tag.href && EqualsIgnoringAsciiCase(name, u"href"))
            tag.href = value;
    }
}

// The anchor's text content from `pos` with its nested tags removed (a line break as a blank),
// up to its "</a", the next anchor or the end of the text. Returns where the search for the next
// anchor goes on; every character is looked at once.
size_t ReadAnchorText(TextView text, size_t pos, Text& content) {
    const size_t n = text.size();
    while (pos < n) {
        const size_t lt = text.find(u'<', pos);
        if (lt == TextView::npos) {
            content.append(text.substr(pos));
            return n;
        }
        content.append(text.substr(pos, lt - pos));
        if (IsAnchorEnd(text, lt))
            return lt + 3;
        if (IsAnchorStart(text, lt))
            return lt;
        if (!StartsTag(text, lt)) {
            content.push_back(u'<');
            pos = lt + 1;
            continue;
        }
        // The tag ends at its first ">"; one that lacks it ends before the next "<".
        size_t end = lt + 1;
        while (end < n && text[end] != u'>' && text[end] != u'<')
            ++end;
        if (IsLineBreakTag(text.substr(lt, end - lt)))
            content.push_back(u' ');
        pos = end < n && text[end] == u'>' ? end + 1 : end;
    }
    return n;
}

// White space runs as one blank, references decoded, blanks and controls trimmed at both ends.
Text CleanLinkText(TextView raw) {
    const Text decoded = DecodeHtmlEntities(raw);
    Text collapsed;
    collapsed.reserve(decoded.size());
    for (const char16_t c : decoded) {
        if (!IsHtmlSpace(c)) {
            collapsed.push_back(c);
        } else if (collapsed.empty() || collapsed.back() != u' ') {
            collapsed.push_back(u' ');
        }
    }
    return Text(TrimBlanksAndControls(collapsed));
}

// A scheme ("http:", "mailto:") or "//" in front: the link leaves the site.
bool LeavesTheSite(TextView target) {
    if (target.starts_with(u"//"))
        return true;
    if (target.empty() || !IsAsciiLetter(target[0]))
        return false;
    for (const char16_t c : target.substr(1)) {
        if (c == u':')
            return true;
        if (!IsAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return false;
}

// "%20" and the like as the bytes of UTF-8; a "%" without two hex digits stays.
Text PercentDecoded(TextView target) {
    if (target.find(u'%') == TextView::npos)
        return Text(target);
    const std::string utf8 = ToUtf8(target);
    std::string bytes;
    bytes.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const int high =
            i + 2 < utf8.size() ? HexDigitValue(static_cast<char16_t>(utf8[i + 1])) : -1;
        const int low =
            i + 2 < utf8.size() ? HexDigitValue(static_cast<char16_t>(utf8[i + 2])) : -1;
        if (utf8[i] == '%' && high >= 0 && low >= 0) {
            bytes.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            bytes.push_back(utf8[i]);
        }
    }
    return FromUtf8(bytes);
}

// The link as the row shows it: with `endungenweg`, every occurrence of the target's extension
// (from its last ".") removed.
Text RowLinkOf(TextView target, const SourceOptions& options) {
    if (!options.linksWithoutExtension)
        return Text(target);
    const size_t dot = target.find_last_of(u'.');
    if (dot == TextView::npos)
        return Text(target);
    return ReplaceAll(target, target.substr(dot), u"");
}

// The existing file a local target names in `folder`: with its percent escapes decoded, or as
// written when only that name exists.
std::optional<Text> ExistingFileFor(TextView folder, TextView file) {
    Text decoded(folder);
    decoded += PercentDecoded(file);
    if (IsExistingFile(decoded))
        return decoded;
    Text literal(folder);
    literal += file;
    if (literal != decoded && IsExistingFile(literal))
        return literal;
    return std::nullopt;
}

// The row of a linked file before it joins the list; nothing when the link names no existing
// local file.
std::optional<SourceRow> LinkedFileRow(const DocumentLink& link, TextView folder,
                                       const SourceOptions& options,
                                       const std::string& localeName) {
    const std::optional<TextView> file = LocalFileOfLink(link.target);
    if (!file)
        return std::nullopt;
    const std::optional<Text> resolved = ExistingFileFor(folder, *file);
    if (!resolved)
        return std::nullopt;
    SourceRow row;
    row.name = options.capitalizeNames ? CapitalizeWords(link.text) : link.text;
    row.link = RowLinkOf(*file, options);
    DescribeFile(row, *resolved, localeName);
    return row;
}

}  // namespace

const Text& SourceRow::Column(SourceColumn column) const {
    switch (column) {
        case SourceColumn::Name:
            return name;
        case SourceColumn::Link:
            return link;
        case SourceColumn::Format:
            return format;
        case SourceColumn::Encoding:
            return encoding;
        case SourceColumn::Size:
            return sizeText;
        case SourceColumn::Source:
            break;
    }
    return source;
}

Text& SourceRow::Column(SourceColumn column) {
    return const_cast<Text&>(std::as_const(*this).Column(column));
}

SourceList::SourceList(const std::string& localeName)
    : collator_(std::make_shared<const LocaleCollator>(localeName)) {}
SourceList::SourceList(std::shared_ptr<const LocaleCollator> collator)
    : collator_(std::move(collator)) {}
SourceList::~SourceList() = default;
SourceList::SourceList(const SourceList&) = default;
SourceList& SourceList::operator=(const SourceList&) = default;
SourceList::SourceList(SourceList&&) noexcept = default;
SourceList& SourceList::operator=(SourceList&&) noexcept = default;

bool SourceList::Before(const SourceRow& a, const SourceRow& b) const {
    const SourceRow& first = sort_.descending ? b : a;
    const SourceRow& second = sort_.descending ? a : b;
    if (sort_.column == SourceColumn::Size)
        return first.sizeBytes < second.sizeBytes;
    return collator_->Less(first.Column(sort_.column), second.Column(sort_.column));
}

void SourceList::Insert(SourceRow row) {
    const auto place =
        std::upper_bound(rows_.begin(), rows_.end(), row,
                         [this](const SourceRow& a, const SourceRow& b) { return Before(a, b); });
    rows_.insert(place, std::move(row));
}

bool SourceList::ContainsSource(TextView path) const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [path](const SourceRow& row) { return row.source == path; });
}

void SourceList::ClickHeader(SourceColumn column) {
    sort_.descending = sort_.lastClicked == column ? !sort_.descending : false;
    sort_.lastClicked = column;
    sort_.column = column;
    Resort();
}

void SourceList::Rename(size_t row, Text name) {
    if (row >= rows_.size())
        return;
    SourceRow moved = std::move(rows_[row]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    moved.name = std::move(name);
    Insert(std::move(moved));
}

void SourceList::SetColumn(size_t row, SourceColumn column, Text value) {
    if (row < rows_.size())
        rows_[row].Column(column) = std::move(value);
}

void SourceList::Resort() {
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const SourceRow& a, const SourceRow& b) { return Before(a, b); });
}

void SourceList::DeleteRows(std::vector<size_t> positions) {
    std::sort(positions.rbegin(), positions.rend());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (const size_t position : positions) {
        if (position < rows_.size())
            rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(position));
    }
}

Text CapitalizeWords(TextView text) {
    Text result(text);
    for (size_t i = 0; i < result.size(); ++i) {
        if (i == 0 || result[i - 1] == u' ')
            result[i] = UpperUnit(result[i]);
    }
    return result;
}

namespace {

// The formatter of sizes for a locale, made once per thread: making one costs far more than
// formatting a number with it.
const icu::number::LocalizedNumberFormatter& SizeFormatterFor(const std::string& localeName) {
    struct Cached {
        std::string localeName;
        std::optional<icu::number::LocalizedNumberFormatter> formatter;
    };
    thread_local Cached cached;
    if (!cached.formatter || cached.localeName != localeName) {
        const icu::Locale locale = localeName.empty()
                                       ? icu::Locale::getRoot()
                                       : icu::Locale::createFromName(localeName.c_str());
        cached.formatter = icu::number::NumberFormatter::withLocale(locale)
                               .precision(icu::number::Precision::fixedFraction(3))
                               .grouping(UNUM_GROUPING_ON_ALIGNED);
        cached.localeName = localeName;
    }
    return *cached.formatter;
}

}  // namespace

Text FileSizeText(uint64_t bytes, const std::string& localeName) {
    double kilobytes = static_cast<double>(bytes) / 1024.0;
    // Three decimals, but never more than eight significant digits.
    if (kilobytes >= 1.0) {
        const int digits = static_cast<int>(std::floor(std::log10(kilobytes))) + 1;
        if (digits > 5) {
            const double scale = std::pow(10.0, digits - 8);
            kilobytes = std::round(kilobytes / scale) * scale;
        }
    }
    const std::string name = localeName.empty() ? LocaleNameFromEnvironment() : localeName;
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString formatted =
        SizeFormatterFor(name).formatDouble(kilobytes, status).toString(status);
    Text text = U_FAILURE(status) ? FromUtf8(std::to_string(kilobytes))
                                  : Text(formatted.getBuffer(), formatted.length());
    text += u" KB";
    return text;
}

Text FileExtensionOf(TextView path) {
    const TextView name = FileNameOf(path);
    const size_t dot = name.find_last_of(u'.');
    return dot == TextView::npos ? Text{} : Text(name.substr(dot));
}

SourceRow MakeSourceRow(TextView path, const SourceOptions& options,
                        const std::string& localeName) {
    const TextView fileName = FileNameOf(path);
    const Text baseName = RemoveIgnoringCase(fileName, FileExtensionOf(path));
    SourceRow row;
    row.link = options.linksWithoutExtension ? baseName : Text(fileName);
    row.name = options.capitalizeNames ? CapitalizeWords(baseName) : baseName;
    DescribeFile(row, path, localeName);
    return row;
}

bool AddSourceFile(SourceList& list, TextView path, const SourceOptions& options) {
    if (options.skipDuplicates && list.ContainsSource(path))
        return false;
    list.Insert(MakeSourceRow(path, options, list.collator().localeName()));
    return true;
}

std::optional<bool> HtmlRemovalForDocument(TextView documentPath) {
    const Text extension = FileExtensionOf(documentPath);
    if (IsPartOf(extension, u".html.php"))
        return true;
    if (IsPartOf(extension, u".txt"))
        return false;
    return std::nullopt;
}

std::vector<DocumentLink> FindDocumentLinks(TextView text) {
    std::vector<DocumentLink> links;
    for (size_t at = NextAnchorStart(text, 0); at != TextView::npos;) {
        const StartTag tag = ReadStartTag(text, at + 2);
        Text content;
        const size_t next = tag.complete ? ReadAnchorText(text, tag.end, content) : tag.end;
        if (tag.href) {
            links.push_back({Text(TrimBlanksAndControls(DecodeHtmlEntities(*tag.href))),
                             CleanLinkText(content)});
        }
        at = NextAnchorStart(text, next);
    }
    return links;
}

std::optional<TextView> LocalFileOfLink(TextView target) {
    const TextView file = target.substr(0, target.find_first_of(u"?#"));
    if (file.empty() || LeavesTheSite(file))
        return std::nullopt;
    return file;
}

ScanResult ScanLinksInText(SourceList& list, TextView text, TextView documentPath,
                           const SourceOptions& options) {
    ScanResult result;
    const TextView folder = FolderOf(documentPath);
    const std::vector<DocumentLink> links = FindDocumentLinks(text);
    const std::string localeName = list.collator().localeName();
    // The sources the list holds, so that a duplicate is found without a search of the rows.
    std::unordered_set<Text> sources;
    if (options.skipDuplicates) {
        for (const SourceRow& row : list.rows())
            sources.insert(row.source);
    }
    // The linked files are read and described on all cores; their rows join the list in the
    // order of the links.
    ForEachInOrder<std::optional<SourceRow>>(
        links.size(), AllCores(),
        [&](size_t i) { return LinkedFileRow(links[i], folder, options, localeName); },
        [&](size_t, std::optional<SourceRow>&& row) {
            if (!row || (options.skipDuplicates && !sources.insert(row->source).second))
                return;
            list.Insert(std::move(*row));
            ++result.added;
        });
    result.removeHtml = HtmlRemovalForDocument(documentPath);
    return result;
}

ScanResult ScanDocumentLinks(SourceList& list, TextView documentPath,
                             const SourceOptions& options) {
    const Text text = ReadTextFile(PathOf(documentPath));
    return ScanLinksInText(list, text, documentPath, options);
}

std::optional<bool> AddDroppedFiles(SourceList& list, const std::vector<Text>& paths,
                                    const SourceOptions& options) {
    std::optional<bool> removeHtml;
    for (const Text& path : paths) {
        if (!IsExistingFile(path))
            continue;
        AddSourceFile(list, path, options);
        if (options.scanDroppedFiles) {
            if (const auto switched = ScanDocumentLinks(list, path, options).removeHtml)
                removeHtml = switched;
        }
    }
    return removeHtml;
}

Text SourceRowLine(const SourceRow& row) {
    Text line;
    for (int column = 0; column < kSourceColumnCount; ++column) {
        if (column > 0)
            line += u'\t';
        line += row.Column(static_cast<SourceColumn>(column));
    }
    return line;
}

}  // namespace lexorim
