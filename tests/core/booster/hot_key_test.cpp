#include "core/booster/hot_key.h"

#include <gtest/gtest.h>

using namespace booster;

TEST(HotKey, TranslatesTheShortcutCodesOfTheSettings) {
    EXPECT_EQ(HotKeyFromShortcut(49217), (HotKey{kModControl | kModAlt, 'A'}));  // defaults
    EXPECT_EQ(HotKeyFromShortcut(49222), (HotKey{kModControl | kModAlt, 'F'}));
    EXPECT_EQ(HotKeyFromShortcut(49224), (HotKey{kModControl | kModAlt, 'H'}));
    EXPECT_EQ(HotKeyFromShortcut(0x6000 | 'Z'), (HotKey{kModControl | kModShift, 'Z'}));
    EXPECT_EQ(HotKeyFromShortcut(0x8000 | 0x70), (HotKey{kModAlt, 0x70}));
    EXPECT_EQ(HotKeyFromShortcut(0x7B), (HotKey{0, 0x7B}));  // F12 alone
}

TEST(HotKey, RejectsNoKeyGarbageAndKeysThatWouldStealTyping) {
    EXPECT_FALSE(HotKeyFromShortcut(0));
    EXPECT_FALSE(HotKeyFromShortcut(-1));
    EXPECT_FALSE(HotKeyFromShortcut(0x10000 | 0x4041));
    EXPECT_FALSE(HotKeyFromShortcut(0x4100 | 'A'));
    EXPECT_FALSE(HotKeyFromShortcut(0xC000));  // modifiers without a key
    EXPECT_FALSE(HotKeyFromShortcut('A'));
    EXPECT_FALSE(HotKeyFromShortcut(0x2000 | 'A'));  // Shift+A is just a capital letter
}
