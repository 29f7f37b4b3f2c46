// Setting.ini files as a medium author might get them wrong: random ones and mutations of
// real media's files, seeded so that a failing file can be made again.
#ifndef TESTS_SETTING_INI_GENERATOR_H
#define TESTS_SETTING_INI_GENERATOR_H

#include <stdint.h>
#include <string>

struct GeneratedIni {
    std::string text;    // what the file says, as ANSI text: what values can come from
    std::string bytes;   // the file as written (a byte-order mark and UTF-16 where chosen)
};

// File number n of the run with this seed.
GeneratedIni GenerateSettingIni(uint32_t seed, uint32_t n);

#endif
