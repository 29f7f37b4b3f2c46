// The remote's key labels, as the key reference and the code viewer name the keys.
#include "profiles/key_labels.h"

#include <gtest/gtest.h>

#include <string>

TEST(KeyLabels, EveryCodeTheKeyMapsHandleHasItsLabel)
{
    static const struct {
        unsigned code;
        const char *label;
    } cases[] = {
        { 5, "key 5" }, { 7, "Down" }, { 8, "OK" }, { 11, "shut-down request" }, { 15, "Left" },
        { 19, "Power" }, { 21, "Right" }, { 22, "Ctrl+S" }, { 24, "Up" }, { 30, "digit 1" },
        { 31, "digit 2" }, { 32, "digit 3" }, { 33, "digit 4" }, { 34, "digit 5" }, { 35, "digit 6" },
        { 36, "digit 7" }, { 37, "digit 8" }, { 38, "digit 9" }, { 39, "digit 0" }, { 42, "Ctrl+P" },
        { 45, "Ctrl+T" },
        { 46, "key 46" }, { 54, "Back" }, { 55, "key 55" }, { 59, "key 59" }, { 60, "F8" },
        { 62, "Alt+Enter" }, { 63, "Ctrl+R" }, { 79, "F9" }, { 80, "F10" },
        { 81, "minus / Page Down" }, { 82, "plus / Page Up" },
    };
    for (const auto &c : cases) {
        const char *label = RemoteKeyLabel(c.code);
        ASSERT_TRUE(label != nullptr) << "code " << c.code;
        EXPECT_EQ(std::string(c.label), label) << "code " << c.code;
    }
}

TEST(KeyLabels, CodesNoKeyMapHandlesHaveNone)
{
    // The mouse-only codes, the gaps between labelled keys, and the ends of the range.
    for (unsigned code : { 0u, 1u, 4u, 6u, 9u, 10u, 12u, 20u, 23u, 29u, 40u, 61u, 83u, 254u, 255u, 256u })
        EXPECT_TRUE(RemoteKeyLabel(code) == nullptr) << "code " << code;
}
