#pragma once

#include <QComboBox>

class CLibraryConnection;

// A drop-down list of the names of a lookup table (bookpublisher, ...), in
// the table's order by name. Editable ones take a name that is not in the
// table yet; saving the book adds it.
class CLookupCombo : public QComboBox
{
    Q_OBJECT

public:
    CLookupCombo(const char *objectName, bool editable, QWidget *parent = nullptr);

    // Reads the names of `table`; false when the query failed (and was
    // reported), leaving the list empty.
    bool Fill(const QString &table, CLibraryConnection &connection);
    // Shows `name`: typed into an editable list, chosen in a fixed one
    // (added to it first when the table does not have it).
    void SetName(const QString &name);
    QString Name() const;
};
