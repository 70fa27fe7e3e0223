#include "parser/sections.h"

namespace varnak::parser {

void ReadTeams(ParseContext& /*ctx*/) {}

}  // namespace varnak::parser
