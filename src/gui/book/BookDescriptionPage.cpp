#include "book/BookDescriptionPage.h"

CBookDescriptionPage::CBookDescriptionPage(QWidget *parent)
    : CHtmlEditorPage(&CBookRecord::Description, QStringLiteral("DescriptionPage"), parent)
{}
