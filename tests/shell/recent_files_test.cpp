#include "shell/recent_files.h"

#include <gtest/gtest.h>

namespace m742 {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstEachOnceAtMostEight) {
    Paths paths;
    for (int n = 1; n <= 9; ++n) {
        paths = WithRecentFile(paths, "/plans/" + std::to_string(n) + ".DAT");
    }
    ASSERT_EQ(paths.size(), kRecentFileCount);
    EXPECT_EQ(paths.front(), "/plans/9.DAT");
    EXPECT_EQ(paths.back(), "/plans/2.DAT");  // the oldest fell off
    paths = WithRecentFile(paths, "/plans/5.DAT");
    EXPECT_EQ(paths, (Paths{"/plans/5.DAT", "/plans/9.DAT", "/plans/8.DAT", "/plans/7.DAT",
                            "/plans/6.DAT", "/plans/4.DAT", "/plans/3.DAT", "/plans/2.DAT"}));
}

TEST(RecentFiles, FolderShownOnlyWhereNamesAreTheSame) {
    EXPECT_EQ(RecentFileLabels({"/a/SHOP.DAT", "C:\\出租车\\SHOP.DAT", "/a/TAXI.DAT"}),
              (Paths{"SHOP.DAT (/a)", "SHOP.DAT (C:\\出租车)", "TAXI.DAT"}));
}

}  // namespace
}  // namespace m742
