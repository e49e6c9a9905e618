#include "tools/book/contents_record.h"

#include <stdexcept>
#include <string>

#include "tools/book/article_markup.h"
#include "tools/book/book_canon.h"
#include "tools/book/display_order.h"
#include "tools/book/hebrew_letter_codes.h"

namespace {
class ContentsWriter {
public:
    void AddSection(uint8_t flags, uint8_t level, const std::string& logicalTitle) {
        Add(static_cast<uint16_t>(kFirstSectionKey - entries_), flags, level, logicalTitle);
    }
    void AddArticle(size_t number, const std::string& logicalTitle) {
        Add(static_cast<uint16_t>(kArticleKeyBase + number), kArticleEntryFlags, kArticleLevel, logicalTitle);
    }
    std::vector<uint8_t> Finish() {
        bytes_.insert(bytes_.end(), 5, 0);
        if (bytes_.size() > kMaxContentsBytes) throw std::runtime_error("the contents record is too large");
        return std::move(bytes_);
    }

private:
    void Add(uint16_t key, uint8_t flags, uint8_t level, const std::string& logicalTitle) {
        bytes_.push_back(static_cast<uint8_t>(key & 0xFF));
        bytes_.push_back(static_cast<uint8_t>(key >> 8));
        bytes_.push_back(flags);
        bytes_.push_back(level);
        const std::string title = ToDisplayOrder(logicalTitle);
        bytes_.insert(bytes_.end(), title.begin(), title.end());
        bytes_.push_back(0);
        ++entries_;
    }

    std::vector<uint8_t> bytes_;
    size_t entries_ = 0;
};
}  // namespace

std::vector<uint8_t> ContentsRecord(const std::vector<SourceBook>& books,
                                    const std::vector<ArticleRange>& articles) {
    ContentsWriter contents;
    size_t next = 0;   // the next article to list
    for (size_t division = 0; division < kCanonDivisionCount; ++division) {
        contents.AddSection(kDivisionEntryFlags, kDivisionLevel,
                            HebrewToLetterCodes(kCanonDivisions[division].HebrewName));
        for (size_t b = 0; b < books.size(); ++b) {
            const CanonBook& canon = kCanonBooks[books[b].CanonIndex];
            if (canon.Division != int(division)) continue;
            contents.AddSection(kBookEntryFlags, kBookLevel, HebrewToLetterCodes(canon.HebrewName));
            for (; next < articles.size() && articles[next].Book == b; ++next)
                contents.AddArticle(next + 1, ContentsArticleTitle(books, articles[next]));
        }
    }
    if (next != articles.size()) throw std::runtime_error("articles out of canonical order");
    return contents.Finish();
}
