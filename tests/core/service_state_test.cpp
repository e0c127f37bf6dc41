#include "core/service/service_state.h"

#include <gtest/gtest.h>

#include "resources/string_ids.h"

using namespace protocol;

TEST(ServiceState, EachStateShowsItsCommandsCaptionAndText) {
    StateAppearance stopped = AppearanceOf(0);
    EXPECT_EQ(stopped.mask, 1);
    EXPECT_EQ(stopped.captionId, str::SStartService);
    EXPECT_EQ(stopped.statusTextId, 65248u);
    StateAppearance idle = AppearanceOf(1);
    EXPECT_EQ(idle.mask, 29);
    EXPECT_EQ(idle.captionId, 65278u);
    EXPECT_EQ(idle.statusTextId, 65249u);
    StateAppearance running = AppearanceOf(2);
    EXPECT_EQ(running.mask, 30);
    EXPECT_EQ(running.captionId, 65279u);
    EXPECT_EQ(running.statusTextId, 65250u);
}

TEST(ServiceState, AnUnknownReplyOnlyResetsTheToggleCaption) {
    for (int reply : {-1, 3, 100}) {
        StateAppearance a = AppearanceOf(reply);
        EXPECT_FALSE(a.known);
        EXPECT_EQ(a.captionId, str::SStartService);
    }
}

TEST(ServiceState, NotificationsAreClassifiedByCode) {
    EXPECT_EQ(ClassifyNotification(2).kind, Notification::kStateChanged);
    EXPECT_EQ(ClassifyNotification(2).value, 2);
    EXPECT_EQ(ClassifyNotification(100).kind, Notification::kBoostStarted);
    EXPECT_EQ(ClassifyNotification(150).kind, Notification::kBoostProgress);
    EXPECT_EQ(ClassifyNotification(150).value, 50);
    EXPECT_EQ(ClassifyNotification(199).value, 99);
    EXPECT_EQ(ClassifyNotification(200).kind, Notification::kBoostFinished);
    for (long long ignored : {-1LL, 3LL, 99LL, 201LL, 250LL, 0x100000002LL})
        EXPECT_EQ(ClassifyNotification(ignored).kind, Notification::kIgnored) << ignored;
}
