#pragma once

#include "book/HtmlEditorPage.h"

// The sheet's page for the book's notes (HTML).
class CBookNotesPage : public CHtmlEditorPage
{
    Q_OBJECT

public:
    explicit CBookNotesPage(QWidget *parent = nullptr);

    QString Caption() const override { return tr("&Notes"); }
};
