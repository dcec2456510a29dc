#pragma once

#include <QString>

class CBookRecord;
class QWidget;

// LookupByIsbn (messages shown) on a worker thread, while a modal progress
// window over `owner` shows the lookup's status and keeps the window alive.
// Cancel or Esc there aborts the transfer in hand. The record is the worker's
// until it ends, which is soon after a cancel. False when the lookup failed
// or was cancelled.
bool LookUpInBackground(QWidget *owner, CBookRecord &record, const QString &isbn,
                        bool resetToDefaults = true);
