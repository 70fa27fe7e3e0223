#include "parser/sections.h"

namespace varnak::parser {

void PostProcess(ParseContext& /*ctx*/) {}

}  // namespace varnak::parser
