// The Setting.ini generator: a handful of real files, then long lines, binary bytes, lines
// without '=', repeated sections and keys, numbers at the limits, paths around the launcher's
// 255- and 511-character limits, letter case, and byte-order marks.
#include "setting_ini_generator.h"

#include <stddef.h>

namespace {

// xorshift32: small, fast and the same everywhere.
struct Random {
    uint32_t state;
    uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    uint32_t Below(uint32_t limit) { return limit ? Next() % limit : 0; }
    bool Chance(uint32_t percent) { return Below(100) < percent; }
};

const char *const realFiles[] = {
    "[Const]\r\nSetup=Tuner Driver Setup\r\nEnableAudioClass=1\r\nCheckFinishInstall=1\r\nSetupXPx64Path=\r\n"
    "SetupVistax86Path=\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=Extras\\Player Setup.exe\r\n"
    "AnotherAPVistax64Exe0=Extras\\Player Setup.exe\r\nLaunchAnotherAPParam=/silent\r\n",
    "[Const]\r\nSetup=Tuner Driver Setup\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nSetupXPx64Path=\r\n"
    "SetupVistax86Path=\r\nWaitTimer=250\r\nAnotherAPNum=2\r\nAnotherAPVistax64Exe0=Extras\\Player Setup.exe\r\n"
    "AnotherAPVistax64Exe1=Updates\\Windows6.0-KB000001-x64.msu\r\n",
    "[Const]\r\nSetupXPx86Path=drv\\xp\r\nSetupXPx86Exe=install.exe\r\nSetupVistax64Path=drv\\v64\r\n"
    "SetupVistax64Exe=install.exe\r\nNoSetupPath=Not for this Windows.\r\nRePlugin=Plug it again.\r\n",
    "[Const]\r\n",
    "",
};

const char *const keys[] = {
    "SetupXPx86Path", "SetupXPx64Path", "SetupVistax86Path", "SetupVistax64Path", "SetupXPx86Exe",
    "SetupXPx64Exe", "SetupVistax86Exe", "SetupVistax64Exe", "EnableAudioClass", "CheckFinishInstall",
    "AnotherAPNum", "LaunchAnotherAPParam", "EnableTimer", "WaitTimer", "Setup", "NoSetupPath", "RePlugin",
    "AnotherAPXPx86Exe0", "AnotherAPXPx64Exe1", "AnotherAPVistax86Exe2", "AnotherAPVistax64Exe3",
    "AnotherAPXPx86Exe4", "AnotherAPVistax64Exe5", "AnotherAPXPx86Exe-1",
};

const char *const numbers[] = {
    "0", "1", "5", "6", "-1", "2147483647", "-2147483648", "2147483648", "4294967296", "99999999999999999999",
    "-99999999999999999999", " 3", "3 ", "+4", "0x10", "1e9", "2x", "", "--1", "00000000000000000000005",
};

std::string Path(Random &random, size_t length)
{
    static const char *const parts[] = { "Drivers", "x", "..", ".", "Setup Drv.exe", "C:", "\\", "a b",
                                         "fix.msu", "FIX.MSU", "%TEMP%", "\"q\"", "tools\\run.exe /s" };
    std::string path;
    while (path.size() < length) {
        if (!path.empty())
            path += '\\';
        path += parts[random.Below(sizeof parts / sizeof parts[0])];
    }
    path.resize(length);
    return path;
}

std::string Value(Random &random)
{
    switch (random.Below(5)) {
    case 0:
        return numbers[random.Below(sizeof numbers / sizeof numbers[0])];
    case 1: {
        static const size_t limits[] = { 254, 255, 256, 257, 510, 511, 512, 513, 2000 };
        return Path(random, limits[random.Below(sizeof limits / sizeof limits[0])]);
    }
    case 2:
        return Path(random, 1 + random.Below(40));
    case 3:
        return "\"" + Path(random, random.Below(30)) + "\"";
    default:
        return "";
    }
}

std::string KeyName(Random &random)
{
    std::string key = keys[random.Below(sizeof keys / sizeof keys[0])];
    // Letter case does not count for the launcher; the generator tries both.
    if (random.Chance(20))
        for (char &c : key)
            c = (char)(random.Chance(50) && c >= 'a' && c <= 'z' ? c - 32 : c);
    return key;
}

// Inserts a piece at the start of a line.
void InsertLine(Random &random, std::string &text, const std::string &line)
{
    size_t at = 0;
    if (!text.empty()) {
        size_t probe = random.Below((uint32_t)text.size());
        size_t newline = text.find('\n', probe);
        at = newline == std::string::npos ? text.size() : newline + 1;
    }
    text.insert(at, line);
}

void Mutate(Random &random, std::string &text)
{
    switch (random.Below(9)) {
    case 0:   // a key with a value
        InsertLine(random, text, KeyName(random) + (random.Chance(10) ? " = " : "=") + Value(random) + "\r\n");
        break;
    case 1:   // a long line
        InsertLine(random, text, KeyName(random) + "=" + std::string(300 + random.Below(6000), 'L') + "\r\n");
        break;
    case 2: { // binary bytes anywhere
        std::string junk;
        for (uint32_t i = 0, n = 1 + random.Below(40); i < n; ++i)
            junk += (char)random.Below(256);
        text.insert(text.empty() ? 0 : random.Below((uint32_t)text.size()), junk);
        break;
    }
    case 3: { // a line loses its '='
        size_t equals = text.find('=', text.empty() ? 0 : random.Below((uint32_t)text.size()));
        if (equals != std::string::npos)
            text.erase(equals, 1);
        break;
    }
    case 4:   // sections repeated, elsewhere, empty or other
        InsertLine(random, text, random.Chance(50) ? "[Const]\r\n" : random.Chance(50) ? "[const]\r\n" : "[Other]\r\n");
        break;
    case 5: { // a line repeated
        size_t start = text.empty() ? 0 : text.rfind('\n', random.Below((uint32_t)text.size()));
        start = start == std::string::npos ? 0 : start + 1;
        size_t end = text.find('\n', start);
        if (end != std::string::npos)
            InsertLine(random, text, text.substr(start, end + 1 - start));
        break;
    }
    case 6:   // a comment or blank line
        InsertLine(random, text, random.Chance(50) ? ";" + KeyName(random) + "=x\r\n" : "\r\n");
        break;
    case 7:   // line ends as other systems write them
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 1))
            if (random.Chance(30))
                text.erase(at, 1);
        break;
    default:  // cut short
        if (!text.empty())
            text.resize(random.Below((uint32_t)text.size()));
        break;
    }
}

std::string AsciiOnly(const std::string &text)
{
    std::string ascii;
    for (char c : text)
        if ((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n')
            ascii += c;
    return ascii;
}

} // namespace

GeneratedIni GenerateSettingIni(uint32_t seed, uint32_t n)
{
    Random random = { seed * 2654435761u ^ (n + 1) * 40503u };
    if (!random.state)
        random.state = 1;
    for (int i = 0; i < 4; ++i)
        random.Next();
    GeneratedIni ini;
    if (random.Chance(15)) {
        // Random lines only.
        for (uint32_t i = 0, count = random.Below(30); i < count; ++i)
            ini.text += random.Chance(10) ? "[Const]\r\n" : KeyName(random) + "=" + Value(random) + "\r\n";
    } else {
        ini.text = realFiles[random.Below(sizeof realFiles / sizeof realFiles[0])];
    }
    for (uint32_t i = 0, count = 1 + random.Below(8); i < count; ++i)
        Mutate(random, ini.text);
    switch (random.Below(10)) {
    case 0:   // UTF-8 with its mark
        ini.text = AsciiOnly(ini.text);
        ini.bytes = "\xEF\xBB\xBF" + ini.text;
        break;
    case 1:   // UTF-16, little-endian, with its mark
        ini.text = AsciiOnly(ini.text);
        ini.bytes = "\xFF\xFE";
        for (char c : ini.text) {
            ini.bytes += c;
            ini.bytes += '\0';
        }
        break;
    default:
        ini.bytes = ini.text;
        break;
    }
    return ini;
}
