#include "parser/sections.h"

namespace varnak::parser {

void ReadMap(ParseContext& /*ctx*/) {}

}  // namespace varnak::parser
