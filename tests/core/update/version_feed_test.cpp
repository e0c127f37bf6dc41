// The updater's version feed as the updater reads it: the newest version and its download
// page, or "malformed" for anything that is not a well-formed feed.
#include "core/update/version_feed.h"

#include <gtest/gtest.h>


using update::ParseFeed;
using update::ParseVersion;
using update::Version;

TEST(Versions, ParseAndCompareNumberByNumber) {
    EXPECT_EQ(ParseVersion("5.5.1.603"), (Version{{5, 5, 1, 603}}));
    EXPECT_EQ(ParseVersion("5.6"), (Version{{5, 6, 0, 0}}));
    EXPECT_LT(*ParseVersion("5.5.1.603"), *ParseVersion("5.5.1.1000"));  // not compared as text
    EXPECT_LT(*ParseVersion("5.5.1.603"), *ParseVersion("5.6"));
    EXPECT_EQ(*ParseVersion("5.5.1.603"), *ParseVersion("5.5.1.603"));
    EXPECT_EQ(update::VersionText(*ParseVersion("5.6")), "5.6.0.0");
    for (const char* bad : {"", "5..1", "5.5.1.603.1", "5.x", "65536", "-1", "5.5 ", " 5.5", "5."})
        EXPECT_FALSE(ParseVersion(bad)) << bad;
}

TEST(VersionFeed, GivesTheVersionAndTheDownloadPage) {
    auto feed = ParseFeed("version=5.5.2.700\npage=https://download.test/tessly\n");
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->version, (Version{{5, 5, 2, 700}}));
    EXPECT_EQ(feed->page, "https://download.test/tessly");
    // Windows line ends, comments, blank lines and keys of later feeds are fine.
    feed = ParseFeed("# feed\r\n\r\npage=https://d.test/\r\nnotes=faster\r\nversion=6\r\n");
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->version, (Version{{6, 0, 0, 0}}));
    EXPECT_EQ(feed->page, "https://d.test/");
}

TEST(VersionFeed, AnythingElseIsMalformed) {
    for (const char* bad : {
             "",                                                      // empty answer
             "<html><body>Not found</body></html>",                   // an error page
             "version=5.5.2.700\n",                                   // no page
             "page=https://d.test/\n",                                // no version
             "version=five\npage=https://d.test/\n",                  // not a version
             "version=5.5.2.700\npage=http://d.test/\n",              // not https
             "version=5.5.2.700\npage=https://\n",                    // no host
             "version=5.5.2.700\npage=https://d.test/a b\n",          // a space
             "version=5.5.2.700\npage=javascript:alert(1)\n",         // not an address
         })
        EXPECT_FALSE(ParseFeed(bad)) << bad;
    std::string oversized = "version=5.5.2.700\npage=https://d.test/\n#";
    oversized.append(update::kMaxFeedSize, 'x');
    EXPECT_FALSE(ParseFeed(oversized));
}

TEST(FeedAddresses, OnlyHttpsOrATestFeedOnThisMachine) {
    EXPECT_TRUE(update::IsHttpsAddress("https://updates.test/feed.txt"));
    EXPECT_FALSE(update::IsHttpsAddress("http://updates.test/feed.txt"));
    EXPECT_FALSE(update::IsHttpsAddress("file:///c:/feed.txt"));
    EXPECT_TRUE(update::IsLoopbackHttpAddress("http://127.0.0.1:8080/feed.txt"));
    EXPECT_TRUE(update::IsLoopbackHttpAddress("http://localhost/feed.txt"));
    EXPECT_FALSE(update::IsLoopbackHttpAddress("http://127.0.0.1.evil.test/feed.txt"));
    EXPECT_FALSE(update::IsLoopbackHttpAddress("http://localhost.test/feed.txt"));
    EXPECT_FALSE(update::IsLoopbackHttpAddress("https://127.0.0.1/feed.txt"));
}
