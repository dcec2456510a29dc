#pragma once

#include "book/HtmlEditorPage.h"

// The sheet's page for the book's description (HTML).
class CBookDescriptionPage : public CHtmlEditorPage
{
    Q_OBJECT

public:
    explicit CBookDescriptionPage(QWidget *parent = nullptr);

    QString Caption() const override { return tr("&Description"); }
};
