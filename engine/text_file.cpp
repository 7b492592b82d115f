// Reading the game's hand-edited text data files: lines, words and numbers.
#include "engine/text_file.h"

#include "engine/platform.h"

#include <climits>
#include <cctype>

namespace
{
bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
} // namespace

int parseInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string firstWord(const std::string& line)
{
    std::string word;
    LineScan scan(line);
    scan.word(word);
    return word;
}

std::vector<std::string> splitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    LineScan scan(line);
    while (scan.word(word))
        words.push_back(word);
    return words;
}

void stripLineEnd(std::string& line)
{
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

void LineScan::skipBlanks()
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
}

int parseCoordinate(const std::string& text)
{
    const int value = parseInt(text);
    return value < kMinCoordinate ? kMinCoordinate : value > kMaxCoordinate ? kMaxCoordinate : value;
}

bool LineScan::coordinate(int& out)
{
    if (!integer(out))
        return false;
    out = out < kMinCoordinate ? kMinCoordinate : out > kMaxCoordinate ? kMaxCoordinate : out;
    return true;
}

bool LineScan::integer(int& out)
{
    if (failed)
        return false;
    skipBlanks();
    std::size_t p = pos;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        ++p;
    std::size_t digits = p;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits == p)
    {
        failed = true;
        return false;
    }
    out = parseInt(text.substr(pos, digits - pos));
    pos = digits;
    ++count;
    return true;
}

bool LineScan::word(std::string& out)
{
    if (failed)
        return false;
    skipBlanks();
    std::size_t end = pos;
    while (end < text.size() && !isBlank(text[end]))
        ++end;
    if (end == pos)
    {
        failed = true;
        return false;
    }
    out = text.substr(pos, end - pos);
    pos = end;
    ++count;
    return true;
}

bool LineScan::literal(const char* lit)
{
    if (failed)
        return false;
    for (const char* c = lit; *c; ++c)
    {
        if (isBlank(*c))
        {
            skipBlanks();
            continue;
        }
        if (pos >= text.size() || text[pos] != *c)
        {
            failed = true;
            return false;
        }
        ++pos;
    }
    return true;
}

TextFileReader::~TextFileReader()
{
    close();
}

bool TextFileReader::open(const std::string& path, std::size_t maxLine)
{
    close();
    file = openForReading(path);
    if (!file)
        return false;
    filePath = path;
    limit = maxLine;
    atEnd = false;
    fileSize = 0;
    if (std::fseek(file, 0, SEEK_END) == 0)
    {
        fileSize = std::ftell(file);
        if (fileSize < 0)
            fileSize = 0;
    }
    std::rewind(file);
    return true;
}

void TextFileReader::close()
{
    if (file)
        std::fclose(file);
    file = nullptr;
}

bool TextFileReader::readLine(std::string& line, bool* hadLineEnd)
{
    line.clear();
    if (hadLineEnd)
        *hadLineEnd = false;
    if (!file || atEnd)
        return false;
    int c;
    bool any = false;
    bool ended = false;
    while ((c = std::fgetc(file)) != EOF)
    {
        any = true;
        if (c == '\n')
        {
            ended = true;
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    if (c == EOF)
        atEnd = true;
    if (!any)
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (hadLineEnd)
        *hadLineEnd = ended;
    if (line.size() + (ended ? 1 : 0) > limit)
        std::printf("Line too long in file %s: \"%.40s...\"\n", filePath.c_str(), line.c_str());
    return true;
}

bool TextFileReader::readLineKeepEnd(std::string& line)
{
    bool ended = false;
    if (!readLine(line, &ended))
        return false;
    if (ended)
        line.push_back('\n');
    return true;
}

int TextFileReader::readCount(const char* label)
{
    std::string line;
    int n = 0;
    if (!readLine(line))
        return 0;
    LineScan s(line);
    if (!(s.literal(label) && s.integer(n)) || n < 0)
        return 0;
    return n;
}

std::vector<std::string> readValueLines(TextFileReader& file, int count, int* present)
{
    std::vector<std::string> lines(count > 0 ? static_cast<std::size_t>(count) : 0);
    std::string previous;
    bool ended = true;
    int held = 0;
    for (std::string& line : lines)
    {
        bool hadEnd = false;
        if (file.readLine(line, &hadEnd))
        {
            previous = line;
            ended = hadEnd;
            ++held;
        }
        else
        {
            line = ended ? std::string() : previous;
        }
    }
    if (present)
        *present = held;
    return lines;
}
