#pragma once

#include "db/NameTidy.h"

#include <QDialog>
#include <QVector>

class CTomeloDoc;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Tools > Tidy Names: the names of one lookup table (publishers, languages,
// bindings, stores, locations, formats) with the number of books that carry
// each. Several spellings of a name become one, a name is renamed, and names
// no book carries are deleted, each step in one transaction. "Show only
// similar names" groups the names that look like spellings of one, so that
// a group is merged in one step.
class CTidyNamesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CTidyNamesDlg(CTomeloDoc &doc, QWidget *parent = nullptr);

    NameKind Kind() const;
    // The names selected, a selected group standing for all of its names.
    QVector<CNameUse> SelectedNames() const;
    // Reads the names again, keeping the selection where the names stay.
    void Reload();

private:
    void FillList(const QVector<int> &selectIds);
    void ApplyFilter();
    void UpdateButtons();
    void OnMerge();
    void OnRename();
    void OnDeleteSelected();
    void OnDeleteUnused();
    // Merges `names` into `kept` and shows what came of it.
    void MergeInto(const QVector<CNameUse> &names, const QString &kept);
    void DeleteNames(const QVector<CNameUse> &names);
    // Says what went wrong, or tells the window what changed; true when the
    // step was done.
    bool Finish(CNameTidy::Outcome outcome, const CNameTidy &tidy, const CNameTidyChange &change);
    // What the last step did, under the list (nothing shown when empty).
    void ShowResult(const QString &text);
    // Default values of new books that named a name merged away name the
    // kept one, so that the next new book does not bring the old one back.
    void FollowDefaults(const CNameTidyChange &change);

    CTomeloDoc &m_doc;
    QComboBox *m_kind;
    QLineEdit *m_filter;
    QCheckBox *m_similarOnly;
    QTreeWidget *m_names;
    QPushButton *m_merge;
    QPushButton *m_rename;
    QPushButton *m_delete;
    QPushButton *m_deleteUnused;
    QLabel *m_summary;
    QLabel *m_result;
    QVector<CNameUse> m_uses;
};
