#pragma once

#include <QTranslator>

// The program's own texts in the system's language, from the translation
// beside the program, for as long as this lives; English where there is none.
// The window and the command line load it alike.
class ProgramLanguage
{
public:
    ProgramLanguage();
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage &) = delete;
    ProgramLanguage &operator=(const ProgramLanguage &) = delete;

private:
    QTranslator m_translator;
    bool m_installed = false;
};
