#include "fileindex/source_list.h"

#include <unicode/locid.h>
#include <unicode/numberformatter.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/html_cleaning.h"
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

// The next occurrence of one character at or after a position. The scan only ever moves forward,
// so a search that found nothing, or found a place still ahead, is not repeated: hostile text with
// thousands of anchors and no closing quote stays linear.
class NextOccurrence {
  public:
    NextOccurrence(TextView text, char16_t c) : text_(text), c_(c) {}
    size_t From(size_t from) {
        if (!searched_ || (found_ != TextView::npos && found_ < from)) {
            found_ = text_.find(c_, from);
            searched_ = true;
        }
        return found_;
    }

  private:
    TextView text_;
    char16_t c_;
    size_t found_ = TextView::npos;
    bool searched_ = false;
};

struct FoundLink {
    Text target;
    Text text;
};

struct AnchorScanner {
    explicit AnchorScanner(TextView text)
        : text(text), quotes(text, u'"'), closers(text, u'>'), openers(text, u'<') {}

    // Reads the anchor at `start` ("<a href...") and returns where the search for the next one
    // continues (its first ">"), or nothing when no ">" follows: then no later anchor can be
    // complete either.
    std::optional<size_t> ReadAnchor(size_t start, FoundLink& link) {
        // The target stands between the first two double quotes.
        size_t s = start;
        if (const size_t quote = quotes.From(s); quote != TextView::npos)
            s = quote + 1;
        const size_t closingQuote = quotes.From(s);
        link.target =
            closingQuote == TextView::npos ? Text{} : Text(text.substr(s, closingQuote - s));
        // The link text stands between the first ">" and the first "<"; without a ">" it starts
        // at the beginning.
        const size_t gt = closers.From(s);
        const size_t lt = openers.From(s);
        const size_t textStart = gt == TextView::npos ? s : gt + 1;
        if (lt != TextView::npos && lt > textStart)
            link.text = Text(text.substr(textStart, lt - textStart));
        if (gt == TextView::npos)
            return std::nullopt;
        return gt;
    }

    TextView text;
    NextOccurrence quotes;
    NextOccurrence closers;
    NextOccurrence openers;
};

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

bool AddLinkedFile(SourceList& list, const FoundLink& found, TextView folder,
                   const SourceOptions& options) {
    const Text target(TrimBlanksAndControls(found.target));
    const Text linkText = EncodeHtmlEntities(TrimBlanksAndControls(found.text));
    Text resolved(folder);
    resolved += target;
    if (!IsExistingFile(resolved))
        return false;
    if (options.skipDuplicates && list.ContainsSource(resolved))
        return false;
    SourceRow row;
    row.name = options.capitalizeNames ? CapitalizeWords(linkText) : linkText;
    row.link = RowLinkOf(target, options);
    DescribeFile(row, resolved, list.collator().localeName());
    list.Insert(std::move(row));
    return true;
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
    const icu::Locale locale =
        name.empty() ? icu::Locale::getRoot() : icu::Locale::createFromName(name.c_str());
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString formatted = icu::number::NumberFormatter::withLocale(locale)
                                             .precision(icu::number::Precision::fixedFraction(3))
                                             .grouping(UNUM_GROUPING_ON_ALIGNED)
                                             .formatDouble(kilobytes, status)
                                             .toString(status);
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

ScanResult ScanLinksInText(SourceList& list, TextView text, TextView documentPath,
                           const SourceOptions& options) {
    static constexpr TextView kAnchor = u"<a href";
    ScanResult result;
    const TextView folder = FolderOf(documentPath);
    AnchorScanner scanner(text);
    for (size_t at = text.find(kAnchor); at != TextView::npos; at = text.find(kAnchor, at)) {
        FoundLink link;
        const std::optional<size_t> next = scanner.ReadAnchor(at, link);
        if (AddLinkedFile(list, link, folder, options))
            ++result.added;
        if (!next)
            break;
        at = *next;
    }
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
