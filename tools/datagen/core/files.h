// Writing the data tree's files: folders made as needed, every write checked,
// each file written beside its final name and renamed into place so a stopped
// run never leaves half a file. Failures are printed naming the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen
{
bool makeDirs(const std::string& path);
bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Text files use LF line ends only; a CR in `text` is refused.
bool writeText(const std::string& path, const std::string& text);
// "a/b" joined as "a/b/c" without doubling slashes.
std::string joinPath(const std::string& folder, const std::string& name);
} // namespace datagen
