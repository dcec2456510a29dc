#pragma once

#include "frame/CommandTarget.h"

#include <QWidget>

class CMainFrame;
class CTomeloDoc;

// Stands in for the book list until the real view is built: an empty pane
// that handles no command.
class CTomeloListView : public QWidget, public CCommandTarget
{
public:
    CTomeloListView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent = nullptr)
        : QWidget(parent), m_doc(doc), m_frame(frame)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    bool OnUpdateCommand(int, bool &, bool &) override { return false; }
    bool OnCommand(int) override { return false; }

private:
    CTomeloDoc &m_doc;
    CMainFrame &m_frame;
};
