#pragma once
// The texts of the progress row: how far long work has come, and counts as people read them;
// and the messages that list what a pass could not do.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// A count with its thousands grouped by commas: 2000 gives "2,000".
std::string CountText(size_t count);

// "<activity> <done> of <total>: <item>" ("Scanning 312 of 2,000: Sky Race"); without the
// item part when item is empty.
std::string ProgressText(std::string_view activity, size_t done, size_t total,
                         std::string_view item);

// One message for everything of a kind in a pass, so a folder of locked files does not bring
// one box per file: the heading, then one line per file. Empty when there is nothing to say.
std::string ListMessage(std::string_view heading, const std::vector<std::string>& lines);

}  // namespace zeb
