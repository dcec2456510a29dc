#pragma once

#include "frame/CommandTarget.h"

class CTomeloDoc;
class QWidget;

// Tools > Tidy Names, offered while a library is open.
class CTidyNamesCommands : public CCommandTarget
{
public:
    CTidyNamesCommands(CTomeloDoc &doc, QWidget *window) : m_doc(doc), m_window(window) {}

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

private:
    CTomeloDoc &m_doc;
    QWidget *m_window;
};
