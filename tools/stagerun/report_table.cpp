// The small helpers the balance report's tables share.
#include "tools/stagerun/report_table.h"

#include <algorithm>

std::string unusualRuns(const runTally& t)
{
    std::string s;
    auto add = [&](int count, const char* what)
    {
        if (count == 0)
            return;
        if (!s.empty())
            s += ", ";
        s += std::to_string(count) + " " + what;
    };
    add(t.crashed, "crashed");
    add(t.failedToStart, "failed to start");
    add(t.timedOut, "timed out");
    add(t.leftAtLimit, "at limit");
    return s.empty() ? "-" : s;
}

std::string orDash(const std::optional<double>& value, const char* format)
{
    if (!value)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

std::vector<std::string> splitList(const std::string& list)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from <= list.size())
    {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        if (comma > from)
            out.push_back(list.substr(from, comma - from));
        from = comma + 1;
    }
    return out;
}

bool isPicked(const std::vector<std::string>& picked, const std::string& name)
{
    return picked.empty() || std::find(picked.begin(), picked.end(), name) != picked.end();
}
