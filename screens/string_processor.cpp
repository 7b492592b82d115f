// The dialogue box's word wrapper: whole words into lines of a column limit.
#include "screens/string_processor.h"

void stringProcessor::process()
{
    // The limit is compared as an unsigned count, so a negative one never wraps.
    const std::size_t limit = static_cast<std::size_t>(static_cast<unsigned int>(maxLength));
    while (!input.empty())
    {
        const std::size_t space = input.find(' ');
        const std::size_t current = lines.empty() ? 0 : lines.back().size();
        bool newLine = true;
        if (!lines.empty())
        {
            if (space != std::string::npos)
                newLine = space + current > limit;
            else
                // The final word joins its line however long; the split below mends it.
                newLine = current - 1 > limit;
        }
        const bool wholeRest = space == std::string::npos || space == 0;
        const std::size_t take = wholeRest ? input.size() : space + 1;
        if (newLine)
            lines.push_back(input.substr(0, take));
        else
            lines.back() += input.substr(0, take);
        input.erase(0, take);
    }
    if (lines.empty() || lines.back().size() <= limit)
        return;
    std::string& last = lines.back();
    const std::size_t cut = last.rfind(' ');
    if (cut == std::string::npos || cut == 0)
        return;
    std::string rest = last.substr(cut);
    last.resize(cut);
    lines.push_back(std::move(rest));
}
