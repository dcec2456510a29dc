#pragma once

#include <QString>

// The tag that store links carry when the user has configured none.
inline constexpr char kDefaultAssociateTag[] = "brindlewood-20";

// Scheme and host of the online store (a setting; tests point it at a local
// server), without a trailing slash.
QString StoreWebAddress();

// The store's product-page address for an item, to which the ISBN is appended.
QString ProductUrlPrefix();

// Rewrites a store product address into the store's associate redirect link
// for `isbn`; any other address comes back unchanged.
QString MakeAssociateLink(const QString &url, const QString &isbn, const QString &tag);
