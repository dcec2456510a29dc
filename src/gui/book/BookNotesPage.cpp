#include "book/BookNotesPage.h"

CBookNotesPage::CBookNotesPage(QWidget *parent)
    : CHtmlEditorPage(&CBookRecord::Notes, QStringLiteral("NotesPage"), parent)
{}
