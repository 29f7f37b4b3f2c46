// Seeded fuzz loop over tollgate's plain-value parts, built with AddressSanitizer and
// UndefinedBehaviorSanitizer: number reading, path and command-line formatting, the class
// rules, package names and the checker's key matching, each fed random text and buffers of
// exactly the size it is told, and held to what its header promises.
//   tollgate_fuzz [SECONDS [SEED]]
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <string>
#include <vector>

#include "common/text_case.h"
#include "mediacheck/nearest_key.h"
#include "medium/ini_number.h"
#include "medium/launcher_paths.h"
#include "medium/msu_file.h"
#include "steps/os_class_rules.h"

static unsigned long long state;
static unsigned Next()
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return (unsigned)(state >> 11);
}

static std::string Text()
{
    static const char alphabet[] = "0123456789+- \t\\.msuMSU(x86)X86abcdefAF=\"%/\xE9\xFF\x80";
    std::string text;
    unsigned length = Next() % 8 == 0 ? Next() % 700 : Next() % 24;
    for (unsigned i = 0; i < length; ++i)
        text += Next() % 16 == 0 ? (char)(1 + Next() % 255) : alphabet[Next() % (sizeof alphabet - 1)];
    return text;
}

static long failures = 0;
static void Expect(bool holds, const char *what, const std::string &input)
{
    if (holds)
        return;
    if (++failures <= 10)
        printf("  FAULT %s for \"%s\"\n", what, input.c_str());
}

// atoi's reading: blanks, a sign, digits; beyond the 32-bit range it stops at the ends.
static long long ReferenceNumber(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= 3000000000LL)
            value = value * 10 + (text[i] - '0');
    value = negative ? -value : value;
    return value > 2147483647LL ? 2147483647LL : value < -2147483648LL ? -2147483648LL : value;
}

// A buffer of exactly size bytes on the heap, so that the sanitizer sees a write past it.
struct Buffer {
    std::vector<char> bytes;
    explicit Buffer(size_t size) : bytes(size ? size : 1) {}
    char *Data() { return bytes.data(); }
};

static void Formatting(const std::string &a, const std::string &b, const std::string &c)
{
    size_t size = Next() % 600;
    struct {
        std::string expected;
        int (*run)(const std::string &, const std::string &, const std::string &, char *, size_t);
    } cases[] = {
        { a + "\\Setting.ini",
          [](const std::string &x, const std::string &, const std::string &, char *out, size_t n) {
              return SettingFilePath(x.c_str(), out, n); } },
        { "\"" + a + "\\" + b + "\\" + c + "\"",
          [](const std::string &x, const std::string &y, const std::string &z, char *out, size_t n) {
              return SetupCommandLine(x.c_str(), y.c_str(), z.c_str(), out, n); } },
        { "\"" + a + "\\" + b + "\" " + c,
          [](const std::string &x, const std::string &y, const std::string &z, char *out, size_t n) {
              return AnotherApCommandLine(x.c_str(), y.c_str(), z.c_str(), out, n); } },
        { a + "\\" + b,
          [](const std::string &x, const std::string &y, const std::string &, char *out, size_t n) {
              return AnotherApFile(x.c_str(), y.c_str(), out, n); } },
    };
    for (auto &each : cases) {
        Buffer out(size);
        int fits = each.run(a, b, c, out.Data(), size);
        Expect(fits == (each.expected.size() < size), "fits exactly when the text is shorter than the buffer", a);
        if (fits)
            Expect(each.expected == out.Data(), "formatted text", a);
    }
    // The folder of a module path: up to its last backslash.
    std::string path = a + (Next() % 2 ? "\\" + b : "");
    Buffer folder(size);
    size_t slash = path.find_last_of('\\');
    int found = LauncherFolderOf(path.c_str(), folder.Data(), size);
    if (slash == std::string::npos)
        Expect(!found, "no folder without a backslash", path);
    else if (found)
        Expect(path.substr(0, slash) == folder.Data(), "folder up to the last backslash", path);
    else
        Expect(slash >= size, "a folder that fits is given", path);
}

static void Rules(const std::string &a, const std::string &b)
{
    Expect((long long)IniNumber(a.c_str()) == ReferenceNumber(a), "number as atoi reads it, within 32 bits", a);
    if (IniNumberIsWhole(a.c_str())) {
        size_t first = a.find_first_not_of(" \t\r\n\v\f"), last = a.find_last_not_of(" \t\r\n\v\f");
        std::string core = first == std::string::npos ? "" : a.substr(first, last - first + 1);
        size_t digits = core.find_first_of("0123456789");
        Expect(digits <= 1 && !core.empty() && core.find_first_not_of("0123456789", digits) == std::string::npos
               && (digits == 0 || core[0] == '+' || core[0] == '-'), "a whole number is a sign and digits", a);
    }
    size_t dot = a.find_last_of('.');
    Expect(IsMsuFile(a.c_str()) == (dot != std::string::npos && a.substr(dot) == ".msu"), "package by .msu", a);
    size_t paren = a.find_last_of('(');
    std::string tail = paren == std::string::npos ? "" : a.substr(paren);
    for (char &ch : tail)
        ch = (char)(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
    Expect(NamesX86Folder(a.c_str()) == (tail == "(x86)"), "(x86) folder", a);
    for (int vista = 0; vista < 2; ++vista)
        for (int x64 = 0; x64 < 2; ++x64) {
            LauncherClass c = LauncherClassOf(vista, x64);
            Expect(c >= 0 && c < CLASS_COUNT, "a class of the four", a);
        }
    size_t ab = KeyDistance(a.c_str(), b.c_str()), ba = KeyDistance(b.c_str(), a.c_str());
    Expect(ab == ba, "distance both ways", a + " / " + b);
    Expect(ab <= (a.size() > b.size() ? a.size() : b.size()), "distance within the longer key", a + " / " + b);
    // Keys beyond 128 characters are far from every key the launcher reads, themselves included.
    if (a.size() <= 128 && b.size() <= 128) {
        Expect((ab == 0) == (SameIgnoringCase(a.c_str(), b.c_str()) != 0), "distance 0 just for the same key",
               a + " / " + b);
        Expect(KeyDistance(a.c_str(), a.c_str()) == 0, "a key is its own nearest", a);
    } else {
        Expect(ab == (a.size() > b.size() ? a.size() : b.size()), "a long key is as far as it is long", a);
    }
}

int main(int argc, char **argv)
{
    double seconds = argc > 1 ? atof(argv[1]) : 3;
    state = argc > 2 ? strtoull(argv[2], NULL, 10) : (unsigned long long)time(NULL);
    unsigned long long seed = state ? state : 1;
    state = seed;
    clock_t start = clock();
    long rounds = 0;
    while ((double)(clock() - start) / CLOCKS_PER_SEC < seconds) {
        std::string a = Text(), b = Text(), c = Text();
        Rules(a, b);
        Formatting(a, b, c);
        ++rounds;
    }
    printf("tollgate fuzz loop (AddressSanitizer, UndefinedBehaviorSanitizer): seed %llu, %ld rounds in %.0f s, "
           "%ld faults\n", seed, rounds, seconds, failures);
    return failures ? 1 : 0;
}
