// The window at a common small size with every part shown: each part inside the window and none
// over another, but for the bar along the bottom, which lies over the room's and the lane strip's
// last rows as they run on to the window's edge.
#include "ProgramFolderFixture.h"
#include "controls/Interior.h"
#include "controls/PeakMeter.h"

#include <gtest/gtest.h>

namespace {

class WindowLayoutTest : public SessionFixture {};

TEST_F(WindowLayoutTest, At1024By700EveryPartFitsAndNoneOverlapsAnother) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    TGlorinbaxMF& window = *session->Window();
    window.resize(1024, 700);
    window.Relayout();
    const TTheInterior& in = window.Interior();
    std::vector<std::pair<std::string, QRect>> parts;
    for (const auto& [name, control] : {std::pair{"ruler", in.Ruler},
                                        {"menu trigger", in.MenuTrigger},
                                        {"room", in.Room},
                                        {"watch", in.Watch},
                                        {"lane strip", in.Lanes},
                                        {"carrier", in.Carrier},
                                        {"slider", in.Slider}}) {
        ASSERT_NE(control, nullptr) << name;
        ASSERT_TRUE(control->Visible) << name;
        parts.emplace_back(name, control->BoundsRect.ToQRect());
    }
    ASSERT_TRUE(in.MeterL && in.MeterR);
    parts.emplace_back("left meter", in.MeterL->Strip(window.LayoutRect()));
    parts.emplace_back("right meter", in.MeterR->Strip(window.LayoutRect()));

    const QRect client = window.rect();
    EXPECT_EQ(client.size(), QSize(1024, 700));
    const auto inBar = [](const std::string& name) {
        return name == "watch" || name == "carrier" || name == "slider";
    };
    const auto underBar = [](const std::string& name) {
        return name == "room" || name == "lane strip";
    };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto& [name, rect] = parts[i];
        EXPECT_FALSE(rect.isEmpty()) << name;
        EXPECT_TRUE(client.contains(rect)) << name;
        if (inBar(name)) {
            EXPECT_EQ(rect.bottom(), client.bottom()) << name;
        }
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            const std::string& other = parts[j].first;
            const bool layered =
                (inBar(name) && underBar(other)) || (underBar(name) && inBar(other));
            EXPECT_TRUE(layered || !rect.intersects(parts[j].second)) << name << " and " << other;
        }
    }
}

} // namespace
