#include "app/FileVersion.h"

namespace hovlo {

std::string FileVersionText(const std::string&) { return {}; }

} // namespace hovlo
