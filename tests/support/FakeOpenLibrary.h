#pragma once

#include "FakeService.h"

// The fake Open Library (tests/fake_openlibrary/fake_openlibrary.py): its
// API and its cover server on one port of 127.0.0.1.
class CFakeOpenLibrary : public CFakeService
{
public:
    // With `cloneOf`, ISBNs the recorded answers lack are answered with a
    // copy of that ISBN's record.
    explicit CFakeOpenLibrary(const QString &cloneOf = QString());

    // Stores both Open Library hosts pointing here and Open Library as the
    // lookup source.
    bool UseForLookups() const;

    // The paths (with query) asked for, in order, and the User-Agent of each.
    QStringList paths() const;
    QStringList agents() const;

    // The next `count` requests whose path starts with `prefix`, after the
    // first `skip` of them, are answered with `status` (and `Retry-After`
    // when given); body "broken" sends a cut-off JSON text.
    bool FailNext(const QString &prefix, int status, int count = 1, int skip = 0,
                  const QString &retryAfter = QString(), const QString &body = QString()) const;
};
