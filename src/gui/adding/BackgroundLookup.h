#pragma once

#include <QString>

#include <atomic>
#include <functional>

class CBookRecord;
class QWidget;

// Runs `work` on a worker thread while a modal progress window over `owner`
// (caption `title`, a busy bar, the message `status()` read a few times a
// second) keeps the window alive and shows the worker's messages, which the
// prompt seam hands to this thread. Cancel or Esc sets the flag `work` is
// given and aborts its transfer in hand; the worker is still waited for.
// False when the user cancelled.
bool RunInBackground(QWidget *owner, const QString &title, const std::function<QString()> &status,
                     const std::function<void(const std::atomic<bool> &cancel)> &work);

// LookupByIsbn (messages shown) behind RunInBackground, the window showing
// the lookup's status. False when the lookup failed or was cancelled.
bool LookUpInBackground(QWidget *owner, CBookRecord &record, const QString &isbn,
                        bool resetToDefaults = true);
