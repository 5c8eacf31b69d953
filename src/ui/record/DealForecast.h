// The end of a deal as it will be scored, known while the last trick's box is
// still up: the player hears the result with the trick, before the table
// shows it.
#pragma once

#include "model/TableState.h"
#include "ui/record/DealRecord.h"

namespace belote {

// What `record` will hold once the deal that `state` has just played to its
// last trick is scored: the engine's own scoring, run on a copy of the table
// with nothing shown. The table itself is left as it is.
DealRecord ForecastDealEnd(const DealRecord& record, const TableState& state);

}  // namespace belote
