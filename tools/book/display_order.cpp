#include "tools/book/display_order.h"

#include "verses/article_verses.h"

// The step is its own inverse: the reader reads display order back with it.
std::string ToDisplayOrder(std::string_view logical) {
    return ReadingOrder(reinterpret_cast<const uint8_t*>(logical.data()), uint32_t(logical.size()));
}
