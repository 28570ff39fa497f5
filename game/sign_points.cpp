#include "game/sign_points.h"

#include "game/tumblo_engine.h"
#include "media/text_engine.h"

void SignPoints::Catch(const TumbloEngine& playfield, Uint32 now)
{
    if (playfield.GetLastPoints() == 0)
        return;
    points = playfield.GetLastPoints();
    lines = playfield.GetLastLines();
    tick = now;
}

bool SignPoints::Draw(int x, int y, Uint32 now) const
{
    if (points == 0 || now - tick >= SIGN_POINTS_SHOW_MS)
        return true;
    return gOrangeFont.PutStringF(x, y, "%i x %i = %i", lines, lines * 10, points);
}
