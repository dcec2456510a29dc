#include "book/LookupCombo.h"

#include "db/DbAccess.h"

CLookupCombo::CLookupCombo(const char *objectName, bool editable, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QLatin1String(objectName));
    setEditable(editable);
    // A typed name stays text; it becomes a row of the table when the book
    // is saved, not when Enter is pressed here.
    if (editable)
        setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20); // "University Bookstore"
}

bool CLookupCombo::Fill(const QString &table, CLibraryConnection &connection)
{
    clear();
    QStringList names;
    const bool ok = ListLookupNames(table, connection, names);
    addItems(names);
    return ok;
}

void CLookupCombo::SetName(const QString &name)
{
    if (isEditable()) {
        setCurrentIndex(findText(name, Qt::MatchExactly));
        setEditText(name);
    } else if (name.isEmpty()) {
        setCurrentIndex(-1);
    } else {
        // A name the table does not have yet (a default value for new
        // books, say) is offered too, so it is not lost; saving adds it.
        if (findText(name, Qt::MatchFixedString) < 0)
            addItem(name);
        setCurrentIndex(findText(name, Qt::MatchFixedString));
    }
}

QString CLookupCombo::Name() const
{
    return currentText();
}
