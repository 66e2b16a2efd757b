#pragma once

#include "runreport.h"
#include "runsheet.h"

// From what `run` computes to the run sheet's figures and names.
namespace SheetInput {

// The sheet of one report: its limits and next fixture worded in the
// language installed at the time of the call.
RunSheet::Run sheetRun(const RunReport::Report &report);

} // namespace SheetInput
