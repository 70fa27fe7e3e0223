#include "parser/sections.h"

namespace varnak::parser {

int32_t ReadPlayerHead(ParseContext& /*ctx*/, int /*slot*/) { return 1; }

}  // namespace varnak::parser
