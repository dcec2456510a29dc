#pragma once

#include <QString>
#include <QStringView>

// The text a book list sorts authors by when it sorts them by last name: the
// first author turned round ("Jane Austen" becomes "Austen, Jane", "Frederick
// P. Brooks Jr." becomes "Brooks, Frederick P. Jr."), followed by the other
// authors as they are. A name already written last name first (it has a
// comma) and a name of one word are kept as they are.
QString AuthorSortKey(QStringView author);
