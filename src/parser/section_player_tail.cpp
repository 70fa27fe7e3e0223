#include "parser/sections.h"

namespace varnak::parser {

void ReadPlayerTail(ParseContext& /*ctx*/, int /*slot*/, int32_t /*recordFlag*/) {}

}  // namespace varnak::parser
