// Bringing an imported channel plan into the image field by field: a channel whose cells the
// import did not change keeps every byte, and a changed channel gets only the fields behind its
// changed cells. So a tone the tone list does not know, out-of-band or off-raster frequencies,
// Mode bits and unknown flag bits survive wherever the plan did not touch them.
#pragma once

#include "codecs/channel_record.h"
#include "data/radio_image.h"

namespace qv::csv {

// `original` is the image before the import, `saved` the same image after the channel table
// stored every row; `before` and `after` are the table's records of `channel` before and after
// the import. Copies into `original` what the changed values of the channel stand for.
void TakeChangedFields(RadioImage& original, const RadioImage& saved, int channel,
                       const ChannelRecord& before, const ChannelRecord& after);

}  // namespace qv::csv
