#pragma once

#include <QString>

class CBookRecord;
class QWidget;

// LookupByIsbn (with the defaults for new books, messages shown) on a worker
// thread, while a progress window over `owner` shows the lookup's status and
// keeps the window alive. Cancel there aborts the transfer in hand. False
// when the lookup failed or was cancelled.
bool LookUpInBackground(QWidget *owner, CBookRecord &record, const QString &isbn);
