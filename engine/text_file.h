// Reading the game's hand-edited text data files: lines, words and numbers.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The longest line (line end included) the sprite, animation, move, sound,
// particle and attack formats allow.
constexpr std::size_t kMaxDataLine = 254;

// The longest line expected in the settings and save files, which hold one
// value a line.
constexpr std::size_t kMaxValueLine = 4096;

// Converts a leading decimal the way C's atoi does (leading blanks, an
// optional sign, digits up to the first other character, 0 when there are
// none) but saturates at the int range instead of overflowing.
int parseInt(const std::string& text);

// Positions, steps, anchors, boxes and offsets read from data stay within an
// SDL rectangle's range, so the sums and mirrors made of them never overflow.
constexpr int kMinCoordinate = -32768;
constexpr int kMaxCoordinate = 32767;

// parseInt brought within kMinCoordinate..kMaxCoordinate.
int parseCoordinate(const std::string& text);

// The first blank-separated word of a line, or "" when it has none.
std::string firstWord(const std::string& line);

// Every blank-separated word of a line.
std::vector<std::string> splitWords(const std::string& line);

// Removes one trailing LF and then one trailing CR, if present.
void stripLineEnd(std::string& line);

// A sequential scanner over one line, matching the way the data formats were
// written with scanf patterns such as "%s %d %d": each call consumes one
// field, and once a field fails to match every later call fails too, so
// `matched()` counts the fields read like scanf's result.
class LineScan
{
public:
    explicit LineScan(const std::string& line) : text(line) {}

    // "%d": skips blanks, reads an optional sign and at least one digit.
    bool integer(int& out);
    // "%d" for a coordinate: kept within kMinCoordinate..kMaxCoordinate.
    bool coordinate(int& out);
    // "%s": skips blanks, reads a run of non-blank characters.
    bool word(std::string& out);
    // Literal text; a blank in `lit` matches any run of blanks (also none).
    bool literal(const char* lit);

    int matched() const { return count; }
    bool ok() const { return !failed; }

private:
    void skipBlanks();

    std::string text;
    std::size_t pos = 0;
    int count = 0;
    bool failed = false;
};

// A text file read line by line into std::string. CRLF reads as LF. Lines
// longer than the reader's limit are reported once each, naming the file,
// and returned whole (never split).
class TextFileReader
{
public:
    TextFileReader() = default;
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    bool open(const std::string& path, std::size_t maxLine = kMaxDataLine);
    bool isOpen() const { return file != nullptr; }
    void close();

    // Reads the next line without its line end. False at end of file.
    // `hadLineEnd` tells whether the line ended with a line end (the last
    // line of a file may not).
    bool readLine(std::string& line, bool* hadLineEnd = nullptr);

    // Reads the next line keeping its line end ("\n", also for CRLF files);
    // a last line without one is returned as it stands.
    bool readLineKeepEnd(std::string& line);

    // Reads a count line such as "FILES: 12" that opens a list; a line that
    // does not match, a negative count or the end of the file give 0.
    int readCount(const char* label);

    bool eof() const { return atEnd; }
    const std::string& path() const { return filePath; }
    long size() const { return fileSize; }

private:
    std::FILE* file = nullptr;
    std::string filePath;
    std::size_t limit = kMaxDataLine;
    long fileSize = 0;
    bool atEnd = false;
};

// Reads `count` one-value lines of a settings or save file. Lines past the
// end of the file read as empty, except that a last line without a line end
// is read again for every line after it. `present`, when given, receives how
// many of the `count` lines the file really held.
std::vector<std::string> readValueLines(TextFileReader& file, int count, int* present = nullptr);
