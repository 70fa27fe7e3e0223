#include "parser/sections.h"

namespace varnak::parser {

void ReadCities(ParseContext& /*ctx*/, int /*slot*/) {}

}  // namespace varnak::parser
