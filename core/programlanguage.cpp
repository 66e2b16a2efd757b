#include "programlanguage.h"

#include <QCoreApplication>
#include <QLocale>

ProgramLanguage::ProgramLanguage()
{
    m_installed = m_translator.load(QStringLiteral("wattlan_") + QLocale::system().name(),
                      QCoreApplication::applicationDirPath())
        && QCoreApplication::installTranslator(&m_translator);
}

ProgramLanguage::~ProgramLanguage()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}
