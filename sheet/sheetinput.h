#pragma once

#include "runreport.h"
#include "runsheet.h"

#include <QTranslator>

// From what `run` computes to the run sheet's figures and names.
namespace SheetInput {

// The sheet of one report: its limits and next fixture worded in the
// language installed at the time of the call.
RunSheet::Run sheetRun(const RunReport::Report &report);

// The program's own texts in the system's language, as the window has
// them, for as long as it lives; English where there is no translation.
class Language
{
public:
    Language();
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

private:
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace SheetInput
