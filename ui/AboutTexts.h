#pragma once
// The About dialog's Japanese texts (Shift-JIS), kept apart from the code that
// lays them out.
#include <string>

namespace lookout::about_texts {

std::string Caption();
// The credit line: this monitor is built on the status service's checker data.
std::string CreditLine();

}  // namespace lookout::about_texts
