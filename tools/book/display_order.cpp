#include "tools/book/display_order.h"

#include "verses/display_order.h"

std::string ToDisplayOrder(std::string_view logical) { return TurnedOrder(logical); }
