#include "command.h"
namespace quorvel::tool {
int cmd_view(const Args&, std::ostream&, std::ostream&) { throw BadInput{"not yet"}; }
}
