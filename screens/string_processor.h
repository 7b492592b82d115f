// The dialogue box's word wrapper: whole words into lines of a column limit.
#pragma once

#include <string>
#include <vector>

class stringProcessor
{
public:
    stringProcessor() = default;
    void setMaxLength(int n) { maxLength = n; }
    void setString(std::string s) { input = std::move(s); }
    // Consumes `input` and appends its wrapped lines to `lines`, which the
    // caller empties before a new text. Each word keeps the space after it;
    // a last word that does not fit is split off with its leading space.
    void process();

    std::vector<std::string> lines;
    std::string input;
    int maxLength = 0;
};
