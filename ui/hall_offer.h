// The end of a game played with --hall: the offer to send its recording to the hall, the
// player's name asked the first time, and the hall's answer shown.
#pragma once

#include <QString>

namespace stonewick {

// Offers the recording at `recordingPath` to the hall at `hallUrl`, as a game of the board of
// `day` when that is not empty; names and tokens are kept in the file at `tokensPath`. Does
// nothing when the file holds no recording.
void OfferGameToHall(const QString& hallUrl, const QString& recordingPath, const QString& day,
                     const QString& tokensPath);

}  // namespace stonewick
