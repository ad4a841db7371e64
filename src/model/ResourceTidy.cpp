// Counting the users of each resource and letting the unused ones go.
#include "model/ResourceTidy.h"

#include "model/Arrangement.h"
#include "support/Report.h"
#include "texts/Parlance.h"

namespace {

constexpr int kTextBalls = 66;
constexpr int kTextLanes = 21;
constexpr int kTextKeptInUseBy = 347;
constexpr int kTextReleased = 348;

QString UsersText(int balls, int lanes) {
    QString text = Text(kTextKeptInUseBy);
    if (balls > 0)
        text += Text(kTextBalls) + ": " + QString::number(balls);
    if (balls > 0 && lanes > 0)
        text += ", ";
    if (lanes > 0)
        text += Text(kTextLanes) + ": " + QString::number(lanes);
    return text;
}

} // namespace

void TidyResources(Arrangement& arrangement) {
    TResources& resources = arrangement.resources;
    for (int i = resources.Count() - 1; i >= 0; --i) {
        TRes& resource = resources.At(i);
        int balls = 0;
        for (int b = 0; b < arrangement.balls.Count(); ++b)
            if (const TPiece* own = arrangement.balls.At(b).OwnPiece())
                balls += own->Resource == &resource;
        int lanes = 0;
        for (int l = 0; l < arrangement.lanes.Count(); ++l)
            lanes += arrangement.lanes.At(l).Piece().Resource == &resource;
        const QString subject = '"' + resource.Name + '"';
        if (balls == 0 && lanes == 0) {
            resources.Delete(resource);
            Report(subject, Text(kTextReleased), true);
        } else {
            Report(subject, UsersText(balls, lanes), true);
        }
    }
}
