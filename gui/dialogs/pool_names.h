#pragma once

#include <QString>
#include <string>
#include <vector>

namespace kaz::gui {

// The pools' names as the organiser types them in one field: separated by commas, "、" or
// spaces, each cut to what a pool's name holds and without control characters. They name the
// pools of `names` in turn; a pool the text names no name for keeps its own.
std::vector<std::string> typedPoolNames(const QString& text, std::vector<std::string> names);
// `names` as that field shows them.
QString poolNamesText(const std::vector<std::string>& names);

}  // namespace kaz::gui
