#include "commands/Audition.h"
#include "audio/Channels.h"
#include "audio/MinglerFixture.h"
#include "model/LaneOperations.h"

using namespace audiotest;

namespace {

// A lane at row 0 playing a quarter level, with a ball at column 2 that has a half level of its
// own and one at column 4 that has none; the carrier stands, so the audition has its own mix.
class AuditionTest : public MinglerFixture {
protected:
    void SetUp() override {
        MinglerFixture::SetUp();
        for (const auto& [name, level] : {std::pair{"quarter.wav", 0.25f}, {"half.wav", 0.5f}})
            WriteWav(file(name), PlanFixture::kRate, 2, 3000,
                     [level](int64_t, int) { return level; });
        lane = &plan.AddLane(0, file("quarter.wav"));
        own = &plan.AddBall(2, 0);
        own->EditPiece().Resource = model().resources.FindOrAdd(file("half.wav"), {});
        plain = &plan.AddBall(4, 0);
        make(false);
        host.rolls = false;
    }
    void TearDown() override {
        mingler->ReleaseAudition();
        MinglerFixture::TearDown();
    }
    Arrangement& model() { return plan.arrangement; }
    void atPoint(int32_t x, int32_t y, bool replace = true, bool release = false) {
        model().room.Point.X = x;
        model().room.Point.Y = y;
        AuditionAtPoint(mingler.get(), model(), currentLane, currentBall, replace, release);
    }
    // The files the audition channels play, in order.
    QStringList sounding() const {
        QStringList files;
        if (const TChannels* chans = mingler->AuditionChannels())
            for (int i = 0; i < chans->Count(); ++i)
                files << QFileInfo(chans->At(i).Resource().FullName).fileName();
        return files;
    }
    int16_t heard() {
        const std::vector<int16_t> out = PullFrames(mingler->AuditionHandle(), 10);
        return out.size() == 20 ? Sample(out, 5, 0) : 0;
    }

    TLane* lane = nullptr;
    TBall* own = nullptr;
    TBall* plain = nullptr;
    TLane* currentLane = nullptr;
    TBall* currentBall = nullptr;
};

TEST_F(AuditionTest, AtThePointABallWithItsOwnSoundSoundsItElseTheLaneOfTheRow) {
    atPoint(2, 0);
    EXPECT_EQ(currentBall, own);
    EXPECT_EQ(currentLane, nullptr);
    EXPECT_EQ(sounding(), QStringList{"half.wav"});
    EXPECT_NEAR(heard(), 16384, 1);

    atPoint(4, 0, false);
    EXPECT_EQ(currentBall, plain);
    EXPECT_EQ(currentLane, lane);
    EXPECT_EQ(sounding(), (QStringList{"half.wav", "quarter.wav"})); // not replaced

    atPoint(3, 0); // no ball: the row's lane, replacing
    EXPECT_EQ(currentBall, nullptr);
    EXPECT_EQ(sounding(), QStringList{"quarter.wav"});

    atPoint(3, 7); // neither ball nor lane
    EXPECT_EQ(currentLane, nullptr);
    EXPECT_EQ(sounding(), QStringList{"quarter.wav"});

    atPoint(0, 0, false, true); // release
    EXPECT_EQ(mingler->AuditionHandle(), 0u);
    EXPECT_TRUE(sounding().isEmpty());
}

TEST_F(AuditionTest, ABallWithoutALaneOrNoMinglerSoundsNothing) {
    TBall& loose = plan.AddBall(1, 5);
    loose.EditPiece().Resource = own->EditPiece().Resource;
    AuditionBall(mingler.get(), &loose, true, false);
    AuditionBall(mingler.get(), nullptr, true, false);
    AuditionLane(mingler.get(), nullptr, true, false);
    AuditionAtPoint(nullptr, model(), currentLane, currentBall, true, false);
    EXPECT_EQ(mingler->AuditionHandle(), 0u);
    loose.EditPiece().Resource = nullptr;

    AuditionBall(mingler.get(), plain, true, false); // no sound of its own: the lane's
    EXPECT_EQ(sounding(), QStringList{"quarter.wav"});
}

TEST_F(AuditionTest, ALaneThatGoesTakesItsAuditionAlong) {
    atPoint(3, 0);
    ASSERT_EQ(sounding(), QStringList{"quarter.wav"});
    RemoveLane(model(), *lane, true, kChangeLaneRemoved);
    EXPECT_TRUE(sounding().isEmpty()) << "its channel would play the freed lane's values";
}

} // namespace
