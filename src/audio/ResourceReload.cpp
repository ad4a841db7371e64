// Reloading one resource.
#include "audio/ResourceReload.h"

#include "audio/Channels.h"
#include "audio/Mingler.h"
#include "audio/ResourceSound.h"
#include "model/Arrangement.h"

#include <vector>

void ReloadResource(Arrangement& arrangement, TRes& resource, TTheMingler* mingler) {
    {
        MixerLock lock(arrangement.audio);
        StopResourceChannels(arrangement.balls, resource);
        arrangement.audio.ForgetResource(resource);
    }
    TRes fresh(resource.Name, resource.FullName);
    OpenResource(fresh, resource.InMemory, arrangement.plan.ElementRate.Value());
    std::vector<TBall*> players;
    {
        MixerLock lock(arrangement.audio);
        resource.MemoryImage = std::move(fresh.MemoryImage);
        resource.Life = fresh.Life;
        resource.SampleBytes = fresh.SampleBytes;
        resource.Rate = fresh.Rate;
        resource.RateRatio = fresh.RateRatio;
        resource.Tracks = fresh.Tracks;
        resource.OrigBits = fresh.OrigBits;
        resource.DataOffset = fresh.DataOffset;
        for (int i = 0; i < arrangement.balls.Count(); ++i)
            if (TBall& ball = arrangement.balls.At(i);
                ball.Values().EffectiveResource() == &resource)
                players.push_back(&ball);
    }
    if (mingler)
        mingler->RearmList(players);
}
