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
