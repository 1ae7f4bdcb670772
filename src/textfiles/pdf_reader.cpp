// PDF files read page by page through poppler. Each page is numbered with the label printed in
// the book ("xii", "17") when the PDF defines page labels.

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <unicode/uchar.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/ordered_parallel.h"
#include "textfiles/document_error.h"
#include "textfiles/internal/document_pages.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/source_limits.h"

namespace lexorim {

namespace {

void IgnorePopplerMessage(const std::string& /*message*/, void* /*closure*/) {}

// Poppler writes its complaints about broken files to stderr; the reader reports through its
// result instead.
void SilencePoppler() {
    static std::once_flag once;
    std::call_once(once, [] { poppler::set_debug_error_function(IgnorePopplerMessage, nullptr); });
}

Text ToText(const poppler::ustring& text) {
    return Text(text.begin(), text.end());
}

// Line ends of any kind become the paragraph mark; form feeds carry no text. Poppler ends a
// page with blank lines, which are cut so that the page ends with one mark after its last line,
// as a page of a word processor does.
Text NormalizePageText(const Text& raw) {
    Text text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i];
        if (c == u'\r' && i + 1 < raw.size() && raw[i + 1] == u'\n') {
            continue;  // the LF that follows becomes the mark
        }
        if (c == u'\f') {
            continue;
        }
        text += c == u'\n' ? kParagraphMark : c;
    }
    const size_t last = text.find_last_not_of(kParagraphMark);
    text.erase(last == Text::npos ? 0 : last + 1);
    if (!text.empty()) {
        text += kParagraphMark;
    }
    return text;
}

// Two letters at least, and every one a capital or a letter without a capital form (ß), as in
// a heading written in capitals. Digits make it a name ("MP3"), not a syllable.
bool IsWrittenInCapitals(TextView word) {
    bool anyCapital = false;
    for (const char16_t c : word) {
        if (!u_isalpha(c) || u_toupper(c) != c) {
            return false;
        }
        anyCapital = anyCapital || u_isupper(c);
    }
    return word.size() >= 2 && anyCapital;
}

bool IsLineEndHyphen(char16_t c) {
    return c == u'-' || c == u'\u2010';
}

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// A hyphen at a line end that stays in the text: the word parts around it, and the hyphen.
struct KeptHyphen {
    Text before;
    Text after;
    char16_t hyphen;
};

// Poppler joins the parts of every word that is hyphenated at a line end. That is right for a
// word split by hyphenation ("Mitglied-" / "schaft"), but a hyphen followed by a capital letter
// belongs to a compound ("Debian-" / "Maschinen") and must stay, unless both parts are written
// in capitals ("MAP-" / "PING"). The raw text, which keeps the lines as they are, tells where
// such hyphens stand.
std::vector<KeptHyphen> CapitalisedLineEndHyphens(const Text& raw) {
    std::vector<KeptHyphen> kept;
    for (size_t i = 0; i + 1 < raw.size(); ++i) {
        if (!IsLineEndHyphen(raw[i]) || !IsLineBreak(raw[i + 1]) || i == 0 ||
            !u_isalnum(raw[i - 1])) {
            continue;
        }
        size_t next = i + 1;
        while (next < raw.size() && (IsLineBreak(raw[next]) || raw[next] == u'\f')) {
            ++next;
        }
        if (next >= raw.size()) {
            continue;
        }
        size_t start = i;
        while (start > 0 && u_isalnum(raw[start - 1])) {
            --start;
        }
        size_t end = next;
        while (end < raw.size() && u_isalnum(raw[end])) {
            ++end;
        }
        const Text before = raw.substr(start, i - start);
        const Text after = raw.substr(next, end - next);
        if (KeepsLineEndHyphen(before, after)) {
            kept.push_back({before, after, raw[i]});
        }
    }
    return kept;
}

// Puts the kept hyphens back where poppler joined their parts, in reading order.
Text RestoreKeptHyphens(Text text, const std::vector<KeptHyphen>& kept) {
    size_t from = 0;
    for (const KeptHyphen& hyphen : kept) {
        const Text joined = hyphen.before + hyphen.after;
        size_t at = text.find(joined, from);
        if (at == Text::npos) {
            at = text.find(joined);  // the reading order may differ from the raw order
        }
        if (at == Text::npos) {
            continue;  // not joined: the hyphen is still there
        }
        text.insert(at + hyphen.before.size(), 1, hyphen.hyphen);
        from = at + joined.size() + 1;
    }
    return text;
}

// The text of a page in reading order, with its line-end hyphens as the rules above keep them.
Text PageText(const poppler::page& page) {
    Text text = ToText(page.text(poppler::rectf(), poppler::page::non_raw_non_physical_layout));
    const Text raw = ToText(page.text(poppler::rectf(), poppler::page::raw_order_layout));
    const std::vector<KeptHyphen> kept = CapitalisedLineEndHyphens(raw);
    return kept.empty() ? text : RestoreKeptHyphens(std::move(text), kept);
}

// The printed label of a page; a page whose label is empty or missing keeps its position number.
Text NumberLineOf(const poppler::page& page, size_t index) {
    Text label = ToText(page.label());
    for (char16_t& c : label) {
        if (c < u' ') {
            c = u' ';  // the number line stays one line
        }
    }
    const TextView trimmed = TrimBlanksAndControls(label);
    return trimmed.empty() ? DecimalText(static_cast<int64_t>(index) + 1) : Text(trimmed);
}

std::unique_ptr<poppler::document> LoadDocument(std::string_view bytes) {
    return std::unique_ptr<poppler::document>(
        poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
}

// A poppler document is used by one thread at a time: each thread that reads pages borrows one,
// loaded from the same bytes when none is free, and gives it back after its page.
class DocumentPool {
  public:
    DocumentPool(std::string_view bytes, std::unique_ptr<poppler::document> first) : bytes_(bytes) {
        free_.push_back(std::move(first));
    }

    class Lease {
      public:
        explicit Lease(DocumentPool& pool) : pool_(pool), document_(pool.Take()) {}
        ~Lease() {
            if (document_)
                pool_.Give(std::move(document_));
        }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        // Null when the bytes that loaded the first document fail to load again.
        poppler::document* get() const { return document_.get(); }

      private:
        DocumentPool& pool_;
        std::unique_ptr<poppler::document> document_;
    };

  private:
    std::unique_ptr<poppler::document> Take() {
        {
            std::lock_guard lock(mutex_);
            if (!free_.empty()) {
                std::unique_ptr<poppler::document> document = std::move(free_.back());
                free_.pop_back();
                return document;
            }
        }
        return LoadDocument(bytes_);
    }
    void Give(std::unique_ptr<poppler::document> document) {
        std::lock_guard lock(mutex_);
        free_.push_back(std::move(document));
    }

    std::string_view bytes_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<poppler::document>> free_;
};

struct PdfPage {
    Text text;
    Text numberLine;
};

PdfPage ReadPage(poppler::document* document, size_t index) {
    const std::unique_ptr<poppler::page> page(
        document ? document->create_page(static_cast<int>(index)) : nullptr);
    if (!page)
        return {Text(), DecimalText(static_cast<int64_t>(index) + 1)};
    return {NormalizePageText(PageText(*page)), NumberLineOf(*page, index)};
}

// Below this many pages a second thread and a second copy of the document cost more than they
// save.
constexpr size_t kPagesPerThread = 8;

}  // namespace

bool KeepsLineEndHyphen(TextView before, TextView after) {
    if (after.empty() || !u_isupper(after.front())) {
        return false;
    }
    // Hyphenation leaves at least two letters on each side; a single capital before the hyphen
    // is a compound ("X-" / "RAY", "E-" / "MAIL").
    return !(IsWrittenInCapitals(before) && IsWrittenInCapitals(after));
}

DocumentPages ReadPdfDocument(std::string_view bytes, int pageLimit) {
    constexpr char kKind[] = "PDF";
    if (bytes.size() > static_cast<size_t>(INT_MAX)) {
        throw DocumentProblemError(DocumentProblem::TooLarge, kKind);
    }
    SilencePoppler();
    std::unique_ptr<poppler::document> document = LoadDocument(bytes);
    if (!document) {
        throw DocumentProblemError(
            HasPdfHeader(bytes) ? DocumentProblem::Damaged : DocumentProblem::NotThisKind, kKind);
    }
    if (document->is_locked()) {
        throw DocumentProblemError(DocumentProblem::Encrypted, kKind);
    }
    // Every PDF has at least one page; one without is broken beyond repair.
    if (document->pages() <= 0) {
        throw DocumentProblemError(DocumentProblem::Damaged, kKind);
    }
    size_t count = static_cast<size_t>(document->pages());
    if (pageLimit >= 0) {
        count = std::min(count, static_cast<size_t>(pageLimit));
    }
    // The pages are laid out by poppler on all cores; they are taken in order, so the limit on
    // the text stops at the same page as reading one page after the other would.
    const unsigned threads =
        static_cast<unsigned>(std::min<size_t>(AllCores(), count / kPagesPerThread));
    DocumentPool pool(bytes, std::move(document));
    DocumentPages result;
    size_t totalUnits = 0;
    ForEachInOrder<PdfPage>(
        count, threads,
        [&pool](size_t i) {
            const DocumentPool::Lease document(pool);
            return ReadPage(document.get(), i);
        },
        [&](size_t, PdfPage&& page) {
            // Compressed content can expand far beyond the size of the file.
            totalUnits += page.text.size();
            result.pages.push_back(std::move(page.text));
            result.numberLines.push_back(std::move(page.numberLine));
            if (totalUnits > kMaxDocumentTextSize) {
                throw DocumentProblemError(DocumentProblem::TooLarge, kKind);
            }
        });
    return result;
}

std::optional<DocumentPages> ReadPdfPages(std::string_view bytes, int pageLimit) {
    return NothingOnProblem([&] { return ReadPdfDocument(bytes, pageLimit); });
}

}  // namespace lexorim
